// The menu window headless: one animation frame, and Create of the largest
// project (15 logos of 200 x 150, an 800 x 600 background, 15 hotspots).
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "bench/bench_project.h"
#include "engine/installer_wnd.h"
#include "platform/headless/headless_platform.h"

namespace {

using bench::Project;

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
    for (auto _ : state) {
        a.FrameCount = 20;
        wnd.OnTimer(LOGO_TIMER_ID);
    }
    state.SetLabel(resize ? "resized (1.95x)" : "natural size");
}
BENCHMARK(BM_AnimationFrame)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
