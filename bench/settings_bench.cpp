// LoadSettings and SaveSettings on the largest project the record holds:
// 15 animated logos and 15 hotspots, scrambled. Every key lookup rescans the
// section, so this is the reader's worst case (about 370 scans).
#include <benchmark/benchmark.h>

#include <memory>

#include "../tests/support/project_sandbox.h"

namespace {

// The largest project, saved scrambled in the sandbox's folder.
std::unique_ptr<CInstallerWnd> LargestProject(const sandbox::ProjectSandbox& sandbox) {
    auto project = sandbox.NewProject();
    sandbox::FillLargestRecord(*project->Settings);
    project->EncryptionType = 1;
    return project->SaveSettings() ? std::move(project) : nullptr;
}

void BM_LoadSettings(benchmark::State& state) {
    sandbox::ProjectSandbox sandbox;
    auto project = LargestProject(sandbox);
    if (!project) state.SkipWithError("SaveSettings failed");
    for (auto _ : state) {
        project->ClearSettings();
        if (!project->LoadSettings()) state.SkipWithError("LoadSettings failed");
    }
}
BENCHMARK(BM_LoadSettings)->Unit(benchmark::kMicrosecond);

// Includes the temporary file, fsync and rename that make the save safe.
void BM_SaveSettings(benchmark::State& state) {
    sandbox::ProjectSandbox sandbox;
    auto project = LargestProject(sandbox);
    if (!project) state.SkipWithError("SaveSettings failed");
    for (auto _ : state) {
        if (!project->SaveSettings()) state.SkipWithError("SaveSettings failed");
    }
}
BENCHMARK(BM_SaveSettings)->Unit(benchmark::kMicrosecond);

}  // namespace
