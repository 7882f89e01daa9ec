// The menu window headless: one animation frame, and Create of the largest
// project (15 logos of 200 x 150, an 800 x 600 background, 15 hotspots).
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "bench/bench_project.h"
#include "engine/installer_wnd.h"
#include "platform/headless/headless_platform.h"

namespace {

using bench::Project;

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

// One frame in the middle of a 200 x 150 logo's movement over the largest
// project's picture: restore, transparent draw, copy of the client area.
void BM_AnimationFrame(benchmark::State& state) {
    const bool resize = state.range(0) != 0;
    platform::HeadlessPlatform host;
    Project project(MAX_LOGOS, true, resize);
    CInstallerWnd wnd(project.Dir());
    if (!wnd.Create(0, kRuntimeStyle, nullptr)) state.SkipWithError("Create failed");
    wnd.StartShow();
    host.windows.StepTimers();  // set-up of the first logo
    LogoAnnimationState& a = wnd.Settings->LogoAnnimation;
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        a.FrameCount = 20;
        wnd.OnTimer(LOGO_TIMER_ID);
    }
    const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - start;
    // The frame in copies of the client area, the unit its target is set in.
    const platform::Rect client = wnd.Wnd->GetClientRect();
    if (state.iterations() > 0)
        state.counters["client_copies"] =
            spent.count() / double(state.iterations()) /
            ClientCopySeconds(host.graphics, client.Width(), client.Height());
    state.SetLabel(resize ? "resized (1.95x)" : "natural size");
}
BENCHMARK(BM_AnimationFrame)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
