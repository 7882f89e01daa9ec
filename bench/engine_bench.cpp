// The menu window headless: one animation frame, and Create of the largest
// project (15 logos, an 800 x 600 background, 15 hotspots).
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <time.h>

#include <chrono>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bench/bench_project.h"
#include "engine/installer_wnd.h"
#include "platform/headless/headless_platform.h"

namespace {

using bench::Project;

// Process CPU time: on a shared machine it wanders far less than wall time.
double CpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

// One copy of a client area between two bitmaps, as the frame's last step does.
double ClientCopySeconds(platform::Graphics& g, int w, int h) {
    auto from = g.CreateCompatibleBitmap(nullptr, w, h);
    auto to = g.CreateCompatibleBitmap(nullptr, w, h);
    auto fromDC = g.CreateCompatibleDC(nullptr);
    auto toDC = g.CreateCompatibleDC(nullptr);
    platform::Bitmap* oldFrom = fromDC->SelectBitmap(from.get());
    platform::Bitmap* oldTo = toDC->SelectBitmap(to.get());
    toDC->BitBlt(0, 0, w, h, *fromDC, 0, 0, platform::Rop::SrcCopy);  // warm
    constexpr int kCopies = 500;
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < kCopies; ++i)
        toDC->BitBlt(0, 0, w, h, *fromDC, 0, 0, platform::Rop::SrcCopy);
    const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - start;
    fromDC->SelectBitmap(oldFrom);
    toDC->SelectBitmap(oldTo);
    return spent.count() / kCopies;
}

// One memcpy of a client area's pixels: the floor a frame is set against.
double ClientMemcpySeconds(int w, int h) {
    std::vector<std::uint32_t> from(std::size_t(w) * std::size_t(h), 1), to(from.size());
    std::memcpy(to.data(), from.data(), from.size() * 4);  // warm
    constexpr int kCopies = 500;
    const double start = CpuSeconds();
    for (int i = 0; i < kCopies; ++i) {
        std::memcpy(to.data(), from.data(), from.size() * 4);
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
    return (CpuSeconds() - start) / kCopies;
}

constexpr std::uint32_t kRuntimeStyle =
    platform::ws::Popup | platform::ws::Visible | platform::ws::Border | platform::ws::SysMenu;

void BM_CreateLargestProject(benchmark::State& state) {
    platform::HeadlessPlatform host;
    Project project(MAX_LOGOS, false, false);
    for (auto _ : state) {
        CInstallerWnd wnd(project.Dir());
        if (!wnd.Create(0, kRuntimeStyle, nullptr)) state.SkipWithError("Create failed");
        state.PauseTiming();  // teardown is not part of Create
        wnd.Wnd.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_CreateLargestProject)->Unit(benchmark::kMillisecond);

// One frame in the middle of a logo's movement over the largest project's
// picture: restore, transparent draw, copy of the client area. Arguments:
// resized or not, and the logo's width (200 x 150 or 640 x 440).
void BM_AnimationFrame(benchmark::State& state) {
    const bool resize = state.range(0) != 0;
    const int width = int(state.range(1));
    platform::HeadlessPlatform host;
    Project project(MAX_LOGOS, true, resize, width, width == 640 ? 440 : 150);
    CInstallerWnd wnd(project.Dir());
    if (!wnd.Create(0, kRuntimeStyle, nullptr)) state.SkipWithError("Create failed");
    wnd.StartShow();
    host.windows.StepTimers();  // set-up of the first logo
    LogoAnnimationState& a = wnd.Settings->LogoAnnimation;
    const auto start = std::chrono::steady_clock::now();
    const double cpuStart = CpuSeconds();
    for (auto _ : state) {
        a.FrameCount = 20;
        wnd.OnTimer(LOGO_TIMER_ID);
    }
    const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - start;
    const double cpu = CpuSeconds() - cpuStart;
    // The frame in copies of the client area, the unit its target is set in.
    const platform::Rect client = wnd.Wnd->GetClientRect();
    if (state.iterations() > 0) {
        const double frame = spent.count() / double(state.iterations());
        state.counters["client_copies"] =
            frame / ClientCopySeconds(host.graphics, client.Width(), client.Height());
        // In CPU time, frame and memcpy alike, measured in this run.
        state.counters["x_memcpy"] = cpu / double(state.iterations()) /
                                     ClientMemcpySeconds(client.Width(), client.Height());
    }
    state.SetLabel(resize ? "resized (1.95x)" : "natural size");
}
BENCHMARK(BM_AnimationFrame)
    ->ArgsProduct({{0, 1}, {200, 640}})
    ->Unit(benchmark::kMicrosecond);

}  // namespace
