// The editor's preview on the largest project, on a private X server.
// One refresh: save AppSetup.dat, reload it, recreate the menu window in the
// pane, rebuild the tree, and handle the events that follows (its first paint).
// One drag step in Arrange Items: the item follows the pointer and the preview
// repaints and shows on screen.
// Target for both: under 16 ms, one display frame; the drag aims at a quarter.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "bench/bench_project.h"
#include "bench/on_xvfb.h"
#include "editor/editor_controller.h"
#include "editor/wx/editor_window_system.h"
#include "editor/wx/main_frame.h"
#include "platform/headless/fixed_language_system.h"
#include "platform/headless/recording_services.h"
#include "platform/platform.h"
#include "platform/posix/posix_system.h"
#include "platform/raster/raster_graphics.h"

namespace {

// The editor on its own platform, opened on the largest project at start.
class EditorOnLargestProject {
  public:
    EditorOnLargestProject() {
        EditorOptions options;
        options.SettingsFile = project.Dir() + "store.conf";
        CRegSettings store(PREFERENCES_KEY, options.SettingsFile);
        WritePreference(store, Preference::ShowWizard, 0);
        options.OpenAtStart = project.Dir();
        frame = new CMainFrame(options);
        frame->Show();
        DispatchPending();
    }
    ~EditorOnLargestProject() {
        frame->Editor->Session().CloseProject();
        delete frame;
        platform::Install(platform::Platform{});
    }
    // The first message the editor showed, or null.
    const char* Message() const {
        return services.messages.empty() ? nullptr : services.messages[0].c_str();
    }

    platform::RecordingServices services;

  private:
    platform::raster::RasterGraphics graphics;
    EditorWindowSystem windows;
    platform::PosixSystem posix;
    platform::FixedLanguageSystem system{&posix, "English"};
    bool installed = [this] {  // before the project is written through the engine
        platform::Install(platform::Platform{&graphics, &windows, &services, &system});
        return true;
    }();

  public:
    bench::Project project{MAX_LOGOS, true, false};
    CMainFrame* frame = nullptr;
};

void BM_RefreshLargestProject(benchmark::State& state) {
    EditorOnLargestProject editor;
    CMainFrame* frame = editor.frame;
    if (!frame->Editor->Project()) state.SkipWithError("the project did not open");

    const bool paint = state.range(0) != 0;
    for (auto _ : state) {
        frame->Editor->Session().SetModified(true);
        frame->Editor->Session().ReloadProject(false);
        if (paint) DispatchPending();
    }
    state.SetLabel(paint ? "with its first paint" : "reload only");
    if (editor.Message()) state.SkipWithError(editor.Message());
}
BENCHMARK(BM_RefreshLargestProject)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_DragRepaintLargestProject(benchmark::State& state) {
    EditorOnLargestProject editor;
    CMainFrame* frame = editor.frame;
    CInstallerWnd* wnd = frame->Editor->Project();
    if (!wnd) {
        state.SkipWithError("the project did not open");
        return;
    }
    frame->Editor->Arrange().SetOn(true);
    DispatchPending();

    // The topmost logo, pressed on and dragged back and forth.
    const platform::Point press{300, 340};
    wnd->OnLButtonDown(platform::mk::LButton, press);
    if (frame->Editor->Arrange().Selection().kind != NodeKind::Logo)
        state.SkipWithError("no logo under the pointer");
    int step = 0;
    for (auto _ : state) {
        const int dx = (step++ % 2) ? 10 : 11;
        wnd->OnMouseMove(platform::mk::LButton, {press.x + dx, press.y + dx});
    }
    wnd->OnLButtonUp(0, press);
    state.SetLabel("one pointer move, repainted and shown");
    if (editor.Message()) state.SkipWithError(editor.Message());
}
BENCHMARK(BM_DragRepaintLargestProject)->Unit(benchmark::kMillisecond);

}  // namespace
