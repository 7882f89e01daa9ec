// Build Current Project and Copy Finished Project Files: the frame saves, the
// core builds, the user is asked whether to see the folder in Explorer.
#include "editor/companion_files.h"
#include "editor/item_layout.h"
#include "editor/project_build.h"
#include "editor/show_folder.h"
#include "editor/win32/demo_wnd.h"
#include "editor/win32/main_frame.h"
#include "engine/installer_wnd.h"
#include "platform/platform.h"

void CMainFrame::OnBuildProject() {
    if (!SaveAndBuild()) return;
    if (platform::Current().services->ShowMessage(
            BUILD_DONE_QUESTION, platform::MessageButtons::YesNo) == platform::MessageAnswer::Yes)
        OpenProjectFolder();
}

// A project that could not be saved is not built: the disc would miss the edit.
bool CMainFrame::SaveAndBuild() {
    ProjectBuilt = false;
    if (!DemoWnd->SaveProject()) return false;
    CInstallerWnd* project = DemoWnd->GetInstallerWnd();
    if (!project || !ConfirmItemsOutside(*project)) return false;
    if (BuildProject(project, Options.StartFolder + RUNTIME_NAME) != BuildResult::Built)
        return false;
    ProjectBuilt = true;
    return true;
}

// Explorer shows the folder, for copying onto a disc.
void CMainFrame::OpenProjectFolder() {
    const CInstallerWnd* project = DemoWnd->GetInstallerWnd();
    if (!ProjectBuilt || !project) return;
    ShowFolder(project->ProjectFolder);
}
