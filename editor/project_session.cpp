#include "editor/project_session.h"

#include <utility>

#include "editor/menu_files.h"
#include "editor/project_lifecycle.h"
#include "editor/project_lock.h"
#include "engine/settings_values.h"
#include "platform/platform.h"

namespace {

constexpr std::uint32_t kPreviewStyle =
    platform::ws::Child | platform::ws::Visible | platform::ws::Border;

}  // namespace

ProjectSession::~ProjectSession() { CloseProject(); }

bool ProjectSession::NewProject(const std::string& folder) {
    if (!PromptSave()) return false;
    CloseProject();
    Modified = false;
    InstallerWnd = CreateNewProject(folder);
    const bool created = InstallerWnd && CreateWindow();
    if (InstallerWnd) RebuildTree();
    ShowTitle(created, folder);
    return created;
}

bool ProjectSession::OpenProject(const std::string& folder, bool testMode) {
    if (!PromptSave()) return false;
    CloseProject();
    const bool opened = Open(folder, testMode);
    ShowTitle(opened, folder);
    // Said once on open, not on each reload: the preview shows the rest.
    if (InstallerWnd) {
        const std::string missing =
            MissingMenuFilesText(*InstallerWnd->Settings, InstallerWnd->ProjectFolder);
        if (!missing.empty())
            platform::Current().services->ShowMessage(missing, platform::MessageButtons::Ok);
    }
    return opened;
}

bool ProjectSession::Open(const std::string& folder, bool testMode) {
    Modified = false;
    const auto ahead = std::exchange(ahead_, nullptr);
    if (!platform::Current().system->FileExists(SettingsFilePath(folder))) {
        platform::Current().services->ShowMessage("Failed to open the specified project!",
                                                  platform::MessageButtons::Ok);
        return false;
    }
    InstallerWnd = std::make_unique<CInstallerWnd>(folder);
    if (!InstallerWnd->LoadSettings()) {
        CloseProject();
        return false;
    }
    if (ahead && folder == aheadFolder_) pictures_.Adopt(ahead());
    return Show(testMode);
}

// An edit shows the finished picture, silently; a test starts as the disc does.
bool ProjectSession::Show(bool testMode) {
    if (!testMode) InstallerWnd->SetAnnimationDone(1);
    const bool created = CreateWindow();
    if (testMode && created) InstallerWnd->StartShow();
    RebuildTree();
    return created;
}

bool ProjectSession::SaveProject() {
    if (!InstallerWnd) return true;
    const ProjectLock lock(InstallerWnd->ProjectFolder);
    // A write failure has been shown by the writer itself.
    if (!lock.Held() || !InstallerWnd->SaveSettings()) return false;
    SetModified(false);
    return true;
}

bool ProjectSession::PromptSave() {
    if (!InstallerWnd || !Modified) return true;
    const std::string question =
        "Would you like to save the current project:\n\n" + InstallerWnd->ProjectFolder + " ?";
    if (platform::Current().services->ShowMessage(question, platform::MessageButtons::YesNo) ==
        platform::MessageAnswer::Yes)
        return SaveProject();
    // Not saved on purpose: the project closes next, and must not ask again.
    Modified = false;
    return true;
}

void ProjectSession::CloseProject() {
    InstallerWnd.reset();
    history_.Clear();
    pictures_.Clear();
}

void ProjectSession::ReloadProject(bool testMode) {
    if (!InstallerWnd) return;
    const std::string folder = InstallerWnd->ProjectFolder;
    const bool saved = SaveProject();
    InstallerWnd->DestroyWindow();
    // The file on disk is older than the edit: the record in memory is shown.
    if (!saved) {
        Show(testMode);
        return;
    }
    // The pictures stay: the new window takes those that did not change.
    InstallerWnd.reset();
    Open(folder, testMode);
}

void ProjectSession::BeginChange(const std::string& stepName) {
    if (InstallerWnd) history_.Begin(stepName, *InstallerWnd->Settings);
}

bool ProjectSession::Undo() { return Restore(&EditHistory::Undo); }

bool ProjectSession::Redo() { return Restore(&EditHistory::Redo); }

bool ProjectSession::Restore(bool (EditHistory::*take)(LaunchSettings&)) {
    if (!InstallerWnd || !(history_.*take)(*InstallerWnd->Settings)) return false;
    SetModified(true);
    ReloadProject(false);
    return true;
}

void ProjectSession::ShowRecord() {
    if (!InstallerWnd) return;
    InstallerWnd->DestroyWindow();
    // Measured anew, as after a load: the text, place or font may have changed.
    for (platform::Rect& r : InstallerWnd->Settings->HotSpotRect) r.right = r.bottom = 0;
    InstallerWnd->SetAnnimationDone(1);
    CreateWindow();
}

void ProjectSession::SetModified(bool flag) {
    Modified = flag;
    // A change is marked once it is made: its step now shows in the Edit menu.
    if (flag && InstallerWnd) history_.Settle(*InstallerWnd->Settings);
    if (!view_) return;
    std::string title = view_->GetTitle();
    const bool starred = !title.empty() && title.back() == '*';
    if (flag) {
        if (!starred) view_->SetTitle(title + "*");
        view_->ProjectChanged();
    } else if (starred) {
        title.pop_back();
        view_->SetTitle(title);
    }
}

bool ProjectSession::CreateWindow() {
    platform::Window* parent = view_ ? view_->PreviewParent() : nullptr;
    InstallerWnd->Pictures = &pictures_;
    return InstallerWnd->Create(0, kPreviewStyle, parent);
}

void ProjectSession::RebuildTree() {
    if (view_) view_->RebuildTree();
}

// A project opened or closed: a finished build belongs to the one before.
void ProjectSession::ShowTitle(bool open, const std::string& folder) {
    if (!view_) return;
    view_->SetTitle(open ? ProjectTitle(folder) : std::string(PROGRAM_TITLE));
    view_->ProjectChanged();
}

std::string ProjectTitle(const std::string& folder) {
    return std::string(PROGRAM_TITLE) + " - " + folder;
}
