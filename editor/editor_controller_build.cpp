// Build Current Project and Copy Finished Project Files: the project is saved,
// the core builds, the user is asked whether to see the folder.
#include "editor/companion_files.h"
#include "editor/editor_controller.h"
#include "editor/item_layout.h"
#include "editor/project_build.h"
#include "editor/show_folder.h"
#include "engine/installer_wnd.h"
#include "platform/platform.h"

void EditorController::Build() {
    if (!SaveAndBuild()) return;
    if (platform::Current().services->ShowMessage(
            BUILD_DONE_QUESTION, platform::MessageButtons::YesNo) == platform::MessageAnswer::Yes)
        CopyFinished();
}

// A project that could not be saved is not built: the disc would miss the edit.
bool EditorController::SaveAndBuild() {
    ProjectBuilt = false;
    if (!session_.SaveProject()) return false;
    CInstallerWnd* project = Project();
    if (!project || !ConfirmItemsOutside(*project)) return false;
    if (BuildProject(project, options_.StartFolder + RUNTIME_NAME) != BuildResult::Built)
        return false;
    ProjectBuilt = true;
    return true;
}

// The desktop's file manager shows the folder, for copying onto a disc.
void EditorController::CopyFinished() {
    if (ProjectBuilt && Project()) ShowFolder(Project()->ProjectFolder);
}
