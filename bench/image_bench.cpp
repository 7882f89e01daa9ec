// The disc image of the built sample against `cp -r` of the same folder: both
// start a program that reads every file and writes it again, so the ratio is
// what xorriso's ISO layout costs over a plain copy.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "editor/disc_image/disc_image.h"
#include "platform/headless/recording_services.h"
#include "platform/platform.h"
#include "platform/posix/child_process.h"

namespace {

namespace fs = std::filesystem;

// The sample as a build leaves it, in a folder of its own, with `payloadMb`
// megabytes of incompressible data beside it (a disc's setup files, say).
class BuiltSample {
  public:
    explicit BuiltSample(int payloadMb) {
        char pattern[] = "/tmp/velomar_bench.XXXXXX";
        if (!mkdtemp(pattern)) return;
        root_ = pattern;
        fs::copy(VELOMAR_SAMPLE_DIR, Project(), fs::copy_options::recursive);
        std::error_code ec;
        if (!fs::copy_file(VELOMAR_RUNTIME, Project() + "/Velomar.exe", ec))
            fs::copy_file(VELOMAR_SAMPLE_DIR "/res/background.bmp", Project() + "/Velomar.exe");
        std::string block(1 << 20, '\0');
        std::uint64_t x = 88172645463325252ull;
        std::ofstream payload(Project() + "/docs/payload.bin", std::ios::binary);
        for (int mb = 0; mb < payloadMb; ++mb) {
            for (char& c : block) {
                x ^= x << 13, x ^= x >> 7, x ^= x << 17;
                c = char(x);
            }
            payload.write(block.data(), std::streamsize(block.size()));
        }
    }
    ~BuiltSample() {
        std::error_code ec;
        if (!root_.empty()) fs::remove_all(root_, ec);
    }
    bool ok() const { return !root_.empty(); }
    std::string Project() const { return root_ + "/sample"; }
    std::string Out(const char* name) const { return root_ + "/" + name; }

  private:
    std::string root_;
};

void BM_ImageOfSample(benchmark::State& state) {
    platform::RecordingServices services;
    platform::Install(platform::Platform{nullptr, nullptr, &services, nullptr});
    BuiltSample sample(int(state.range(0)));
    const std::string xorriso = FindXorriso();
    if (!sample.ok() || xorriso.empty()) return state.SkipWithError("no folder or no xorriso");
    const DiscImageJob job{sample.Project(), sample.Out("sample.iso"), "Velomar Sample", xorriso};
    for (auto _ : state) {
        if (WriteDiscImage(job, nullptr) != ImageResult::Written)
            return state.SkipWithError("image failed");
    }
    state.counters["bytes"] = double(fs::file_size(job.output));
    platform::Install(platform::Platform{});
}
BENCHMARK(BM_ImageOfSample)->Arg(0)->Arg(64)->Unit(benchmark::kMillisecond);

void BM_CopyOfSample(benchmark::State& state) {
    BuiltSample sample(int(state.range(0)));
    const std::string cp = platform::posix::FindOnPath("cp", "/usr/bin:/bin");
    if (!sample.ok() || cp.empty()) return state.SkipWithError("no folder or no cp");
    const std::string copy = sample.Out("copy");
    for (auto _ : state) {
        platform::posix::ChildProcess child;
        if (!child.Start(cp, {"-r", sample.Project(), copy}) || child.Wait() != 0)
            return state.SkipWithError("cp failed");
        state.PauseTiming();
        fs::remove_all(copy);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_CopyOfSample)->Arg(0)->Arg(64)->Unit(benchmark::kMillisecond);

}  // namespace
