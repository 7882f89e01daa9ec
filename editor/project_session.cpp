#include "editor/project_session.h"

#include "editor/project_lifecycle.h"
#include "engine/settings_values.h"
#include "platform/platform.h"

namespace {

constexpr std::uint32_t kPreviewStyle =
    platform::ws::Child | platform::ws::Visible | platform::ws::Border;

}  // namespace

ProjectSession::~ProjectSession() { CloseProject(); }

bool ProjectSession::NewProject(const std::string& folder) {
    PromptSave();
    CloseProject();
    Modified = false;
    InstallerWnd = CreateNewProject(folder);
    if (!InstallerWnd) return false;
    const bool created = CreateWindow();
    RebuildTree();
    return created;
}

bool ProjectSession::OpenProject(const std::string& folder, bool testMode) {
    PromptSave();
    CloseProject();
    return OpenFolder(folder, testMode);
}

bool ProjectSession::OpenFolder(const std::string& folder, bool testMode) {
    Modified = false;
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
    // An edit shows the finished picture, silently; a test starts as the disc does.
    if (!testMode) InstallerWnd->SetAnnimationDone(1);
    const bool created = CreateWindow();
    if (testMode && created) InstallerWnd->StartShow();
    RebuildTree();
    return created;
}

void ProjectSession::SaveProject() {
    // A write failure has been shown by the writer itself.
    if (InstallerWnd) InstallerWnd->SaveSettings();
    SetModified(false);
}

void ProjectSession::PromptSave() {
    if (!InstallerWnd || !Modified) return;
    const std::string question =
        "Would you like to save the current project:\n\n" + InstallerWnd->ProjectFolder + " ?";
    if (platform::Current().services->ShowMessage(question, platform::MessageButtons::YesNo) ==
        platform::MessageAnswer::Yes)
        SaveProject();
}

void ProjectSession::CloseProject() {
    InstallerWnd.reset();
    pictures_.Clear();
}

void ProjectSession::ReloadProject(bool testMode) {
    if (!InstallerWnd) return;
    const std::string folder = InstallerWnd->ProjectFolder;
    SaveProject();
    if (InstallerWnd->Wnd && InstallerWnd->Wnd->IsWindow()) InstallerWnd->Wnd->Destroy();
    // The pictures stay: the new window takes those that did not change.
    InstallerWnd.reset();
    OpenFolder(folder, testMode);
}

void ProjectSession::SetModified(bool flag) {
    Modified = flag;
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

std::string ProjectTitle(const std::string& folder) {
    return std::string(PROGRAM_TITLE) + " - " + folder;
}
