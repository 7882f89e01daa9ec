// Build Current Project and Copy Finished Project Files: the project is saved,
// the core builds, the user is asked whether to see the folder.
#include "editor/companion_files.h"
#include "editor/editor_controller.h"
#include "editor/item_layout.h"
#include "editor/project_build.h"
#include "editor/show_folder.h"
#include "engine/installer_wnd.h"
#include "platform/platform.h"

namespace {

// A message box taller than the screen would hide its button.
constexpr std::size_t kListedFiles = 40;

platform::MessageAnswer Ask(const std::string& text) {
    return platform::Current().services->ShowMessage(text, platform::MessageButtons::YesNo);
}

// What the build removed from res or kept for a link is counted in the
// success message, and listed when the user asks.
const char* ReportBuild(const BuildReport& report) {
    if (report.Empty()) return BUILD_DONE_QUESTION;
    if (Ask("Project successfully built.\n\n" + BuildCountLine(report) + "\n\n" +
            SEE_LIST_QUESTION) == platform::MessageAnswer::Yes) {
        std::string list = BuildReportLines(report, kListedFiles);
        list.pop_back();
        platform::Current().services->ShowMessage(list, platform::MessageButtons::Ok);
    }
    return OPEN_FOLDER_QUESTION;
}

}  // namespace

void EditorController::Build() {
    BuildReport report;
    if (!SaveAndBuild(&report)) return;
    if (Ask(ReportBuild(report)) == platform::MessageAnswer::Yes) CopyFinished();
}

// A project that could not be saved is not built: the disc would miss the edit.
bool EditorController::SaveAndBuild(BuildReport* report) {
    ProjectBuilt = false;
    if (!session_.SaveProject()) return false;
    CInstallerWnd* project = Project();
    if (!project || !ConfirmItemsOutside(*project)) return false;
    if (BuildProject(project, options_.StartFolder + RUNTIME_NAME, report) != BuildResult::Built)
        return false;
    ProjectBuilt = true;
    return true;
}

// The desktop's file manager shows the folder, for copying onto a disc.
void EditorController::CopyFinished() {
    if (ProjectBuilt && Project()) ShowFolder(Project()->ProjectFolder);
}
