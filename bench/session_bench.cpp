// The preview refresh without a display: save, reload and recreate the menu
// window of the largest project on the headless host (no tree, no X server).
// velomar_editor_bench measures the same with the editor's real windows.
#include <benchmark/benchmark.h>

#include "bench/bench_project.h"
#include "editor/project_session.h"
#include "platform/headless/headless_platform.h"

namespace {

class PaneOnly : public ProjectView {
  public:
    explicit PaneOnly(platform::Window* pane) : pane_(pane) {}
    platform::Window* PreviewParent() override { return pane_; }
    void RebuildTree() override {}
    std::string GetTitle() const override { return title_; }
    void SetTitle(const std::string& title) override { title_ = title; }
    void ProjectChanged() override {}

  private:
    platform::Window* pane_;
    std::string title_ = "VelomarForge - largest";
};

void BM_SessionReloadLargestProject(benchmark::State& state) {
    platform::HeadlessPlatform host(platform::HeadlessOptions{{1024, 768}, false});
    platform::WindowParams params;
    params.style = platform::ws::Popup | platform::ws::Visible;
    params.width = 700;
    params.height = 500;
    auto pane = host.windows.CreateHostWindow(params, nullptr);
    bench::Project project(MAX_LOGOS, true, false);
    PaneOnly view(pane.get());
    ProjectSession session(&view);
    if (!session.OpenProject(project.Dir(), false)) state.SkipWithError("open failed");
    for (auto _ : state) {
        session.SetModified(true);
        session.ReloadProject(false);
    }
    if (!session.GetInstallerWnd()) state.SkipWithError("reload failed");
}
BENCHMARK(BM_SessionReloadLargestProject)->Unit(benchmark::kMillisecond);

}  // namespace
