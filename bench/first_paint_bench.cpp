// Create and first paint of the largest project in a fresh process each run
// (page faults and library start-up included), against a fresh process that
// only reads the same files.
#include <benchmark/benchmark.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/bench_project.h"
#include "platform/headless/headless_platform.h"

namespace {

// The probe built with the bench; VELOMAR_FIRST_PAINT_PROBE names another build
// of it, to set an older one beside this.
const char* Probe() {
    const char* other = std::getenv("VELOMAR_FIRST_PAINT_PROBE");
    return other && *other ? other : VELOMAR_FIRST_PAINT_PROBE;
}

// Runs the probe once; its wall time in seconds, or a negative value when it failed.
double RunProbe(const char* mode, const std::string& dir) {
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execl(Probe(), Probe(), mode, dir.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child) return -1;
    const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - start;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? spent.count() : -1;
}

double MedianOfReads(const std::string& dir) {
    std::vector<double> runs;
    for (int i = 0; i < 15; ++i) runs.push_back(RunProbe("read", dir));
    std::sort(runs.begin(), runs.end());
    return runs[runs.size() / 2];
}

// The argument is the logos' width: 200 x 150, or 640 x 440 as large as the menu.
void BM_FirstPaintFreshProcess(benchmark::State& state) {
    platform::HeadlessPlatform host;  // the project is written through the engine
    const int width = int(state.range(0));
    bench::Project project(MAX_LOGOS, false, false, width, width == 640 ? 440 : 150);
    const double read = MedianOfReads(project.Dir());
    double painting = 0;
    for (auto _ : state) {
        const double run = RunProbe("paint", project.Dir());
        if (run < 0) {
            state.SkipWithError("the probe failed");
            break;
        }
        painting += run;
        state.SetIterationTime(run);
    }
    if (state.iterations() > 0 && read > 0) {
        state.counters["read_ms"] = read * 1e3;
        state.counters["x_read"] = painting / double(state.iterations()) / read;
    }
}
BENCHMARK(BM_FirstPaintFreshProcess)
    ->Arg(200)
    ->Arg(640)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
