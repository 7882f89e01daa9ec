// What a hostile disc costs: a project file with a million junk lines, and RLE
// logos that claim 8192 x 8192 pixels, in all 15 slots.
// peak_rss_MiB is the process's peak so far: run one benchmark per process
// (--benchmark_filter) to read a single figure.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <filesystem>
#include <memory>
#include <string>

#include "../tests/support/project_sandbox.h"
#include "../tests/support/rle_bomb.h"
#include "platform/headless/headless_window_system.h"
#include "platform/raster/raster_graphics.h"

namespace {

// The runtimes' services: traces are not read.
class QuietServices : public platform::RecordingServices {
  public:
    bool WantsTrace() const override { return false; }
};

double PeakRssMiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

// A million 3-byte junk lines before the section (0) or inside it (1), around
// the largest project, scrambled.
void BM_LoadJunkFile(benchmark::State& state) {
    sandbox::ProjectSandbox sandbox;
    QuietServices quiet;
    platform::Install({nullptr, nullptr, &quiet, &sandbox.system});
    auto project = sandbox.NewProject();
    sandbox::FillLargestRecord(*project->Settings);
    if (!project->SaveSettings()) state.SkipWithError("SaveSettings failed");
    const std::string clean = sandbox.SettingsBytes();
    std::string junk;
    for (int i = 0; i < 1000000; ++i) junk += "jnk\n";
    const std::size_t body = clean.find("\r\n") + 2;
    sandbox::WriteBytes(
        sandbox.SettingsPath(),
        state.range(0) == 0 ? junk + clean : clean.substr(0, body) + junk + clean.substr(body));
    for (auto _ : state) {
        project->ClearSettings();
        if (!project->LoadSettings()) state.SkipWithError("LoadSettings failed");
    }
    state.counters["peak_rss_MiB"] = PeakRssMiB();
}
BENCHMARK(BM_LoadJunkFile)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Load and create of a menu with the bomb in every logo slot: the 1,080-byte
// one (0), refused by the decoder, and 132 KB ones that each pass it (1: 8192
// x 8192, 2: 4096 x 4096), refused by the pictures' budget.
void BM_CreateWithBombLogos(benchmark::State& state) {
    sandbox::ProjectSandbox sandbox;
    std::filesystem::create_directories(sandbox.folder.File("res"));
    const std::uint32_t sides[] = {0, 8192, 4096};
    const std::uint32_t side = sides[state.range(0)];
    sandbox::WriteBytes(sandbox.folder.File("res/bomb.bmp"),
                        side ? sandbox::PlausibleRleBomb(side) : sandbox::RleBombBmp());
    auto project = sandbox.NewProject();
    sandbox::FillLargestRecord(*project->Settings);
    project->Settings->BackGroundBitmapName = "@@0000000140a060";
    for (auto& name : project->Settings->LogoBitmapName) name = "res\\bomb.bmp";
    if (!project->SaveSettings()) state.SkipWithError("SaveSettings failed");

    platform::raster::RasterGraphics graphics;
    platform::HeadlessWindowSystem windows({1024, 768}, true);
    platform::Install({&graphics, &windows, &sandbox.services, &sandbox.system});
    for (auto _ : state) {
        auto window = sandbox.NewProject();
        benchmark::DoNotOptimize(
            window->Create(0, platform::ws::Popup | platform::ws::Visible, nullptr));
        sandbox.services.messages.clear();
        sandbox.services.traces.clear();
    }
    state.counters["peak_rss_MiB"] = PeakRssMiB();
}
BENCHMARK(BM_CreateWithBombLogos)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

}  // namespace
