// Create and first paint of the largest project in a fresh process each run
// (page faults and library start-up included), against a fresh process that
// only reads the same files.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
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

struct Run {
    double wall = -1;  // seconds; negative when the probe failed
    double cpu = 0;    // the child's user and system time, which a busy machine disturbs less
};

Run RunProbe(const char* mode, const std::string& dir) {
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execl(Probe(), Probe(), mode, dir.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (child < 0 || wait4(child, &status, 0, &usage) != child) return {};
    const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - start;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return {};
    auto seconds = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) * 1e-6; };
    return {spent.count(), seconds(usage.ru_utime) + seconds(usage.ru_stime)};
}

Run MedianOfReads(const std::string& dir) {
    std::vector<double> walls, cpus;
    for (int i = 0; i < 15; ++i) {
        const Run run = RunProbe("read", dir);
        walls.push_back(run.wall);
        cpus.push_back(run.cpu);
    }
    std::sort(walls.begin(), walls.end());
    std::sort(cpus.begin(), cpus.end());
    return {walls[walls.size() / 2], cpus[cpus.size() / 2]};
}

// The argument is the logos' width: 200 x 150, or 640 x 440 as large as the menu.
void BM_FirstPaintFreshProcess(benchmark::State& state) {
    platform::HeadlessPlatform host;  // the project is written through the engine
    const int width = int(state.range(0));
    bench::Project project(MAX_LOGOS, false, false, width, width == 640 ? 440 : 150);
    const Run read = MedianOfReads(project.Dir());
    double painting = 0, paintingCpu = 0;
    for (auto _ : state) {
        const Run run = RunProbe("paint", project.Dir());
        if (run.wall < 0) {
            state.SkipWithError("the probe failed");
            break;
        }
        painting += run.wall;
        paintingCpu += run.cpu;
        state.SetIterationTime(run.wall);
    }
    if (state.iterations() > 0 && read.wall > 0 && read.cpu > 0) {
        const double n = double(state.iterations());
        state.counters["read_ms"] = read.wall * 1e3;
        state.counters["x_read"] = painting / n / read.wall;
        state.counters["x_read_cpu"] = paintingCpu / n / read.cpu;
    }
}
BENCHMARK(BM_FirstPaintFreshProcess)
    ->Arg(200)
    ->Arg(640)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
