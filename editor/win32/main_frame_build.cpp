// Build Current Project and Copy Finished Project Files: the frame saves, the
// core builds, the user is asked whether to see the folder in Explorer.
#include "editor/companion_files.h"
#include "editor/project_build.h"
#include "editor/win32/demo_wnd.h"
#include "editor/win32/main_frame.h"
#include "engine/installer_wnd.h"
#include "platform/platform.h"

void CMainFrame::OnBuildProject() {
    ProjectBuilt = false;
    DemoWnd->SaveProject();
    const CInstallerWnd* project = DemoWnd->GetInstallerWnd();
    if (!project) return;
    if (BuildProject(project, Options.StartFolder + RUNTIME_NAME) != BuildResult::Built) return;
    ProjectBuilt = true;
    if (platform::Current().services->ShowMessage(
            BUILD_DONE_QUESTION, platform::MessageButtons::YesNo) == platform::MessageAnswer::Yes)
        OpenProjectFolder();
}

void CMainFrame::OpenProjectFolder() {
    const CInstallerWnd* project = DemoWnd->GetInstallerWnd();
    if (!ProjectBuilt || !project) return;
    ShellExecuteA(hwnd(), "open", project->ProjectFolder.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}
