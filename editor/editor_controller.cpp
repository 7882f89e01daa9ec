// The frame's commands: their enable rules and their flows.
#include "editor/editor_controller.h"

#include "editor/edit_history.h"
#include "editor/new_project_path.h"
#include "engine/installer_wnd.h"

EditorController::EditorController(EditorFace& face, const EditorOptions& options)
    : face_(face), options_(options), settings_(PREFERENCES_KEY, options.SettingsFile) {}

EditorController::~EditorController() {
    if (closed_) return;
    session_.PromptSave();
    session_.CloseProject();
    session_.DetachView();
}

void EditorController::Start() {
    wizardAtStartup_ = ReadPreference(settings_, Preference::ShowWizard) != 0;
    ShowRecentList();
    // Either runs once the frame is shown and the loop runs.
    if (!options_.OpenAtStart.empty()) {
        const std::string folder = options_.OpenAtStart;
        face_.Post([this, folder] { OpenFolder(folder); });
    } else {
        RunWizard();
    }
}

void EditorController::FrameClosing(const FrameLayout& layout, bool minimised) {
    if (closed_) return;
    closed_ = true;
    // A minimised frame's size means nothing: the last layout stays.
    if (!minimised) WriteFrameLayout(settings_, layout);
    session_.PromptSave();
    session_.CloseProject();
    session_.DetachView();
}

CommandState EditorController::StateOf(int id) const {
    const bool open = Project() != nullptr;
    switch (id) {
        case ID_SAVE_PROJECT:
            return {session_.Modified};
        case ID_BUILD_PROJECT:
        case ID_TEST_PROJECT:
            return {open};
        case ID_MAKE_DISC_IMAGE:
            return {open && DiscImagesAvailable()};
        case ID_COPY_PROJECT:
            return {ProjectBuilt};
        case ID_WIZARD_AT_STARTUP:
            return {true, wizardAtStartup_};
        case ID_ARRANGE_ITEMS:
            return {open, arranger_.IsOn()};
        case ID_UNDO:
            return {!session_.UndoName().empty()};
        case ID_REDO:
            return {!session_.RedoName().empty()};
        case ID_MOVE_UP:
        case ID_MOVE_DOWN:
            return {CanMoveItem(face_.TreeSelection(), id == ID_MOVE_UP ? -1 : 1)};
        default:
            return {};
    }
}

std::string EditorController::LabelOf(int id) const {
    const CommandInfo* command = FindCommand(id);
    if (!command) return "";
    if (id == ID_UNDO) return UndoLabel(command->label, session_.UndoName());
    if (id == ID_REDO) return UndoLabel(command->label, session_.RedoName());
    return command->label;
}

void EditorController::Run(int id) {
    if (!StateOf(id).enabled) return;  // a key for a greyed command
    switch (id) {
        case ID_NEW_PROJECT:
            return NewProject();
        case ID_OPEN_PROJECT:
            return OpenProject();
        case ID_SAVE_PROJECT:
            session_.SaveProject();
            return;
        case ID_EXIT:
            return face_.CloseFrame();
        case ID_UNDO:
            session_.Undo();
            return;
        case ID_REDO:
            session_.Redo();
            return;
        case ID_MOVE_UP:
        case ID_MOVE_DOWN:
            MoveItem(face_.TreeSelection(), id == ID_MOVE_UP ? -1 : 1);
            return;
        case ID_BUILD_PROJECT:
            return Build();
        case ID_COPY_PROJECT:
            return CopyFinished();
        case ID_MAKE_DISC_IMAGE:
            return MakeDiscImage();
        case ID_TEST_PROJECT:
            return Test();
        case ID_ARRANGE_ITEMS:
            return ToggleArrange();
        case ID_WIZARD_AT_STARTUP:
            return ToggleWizard();
        case ID_HELP_CONTENTS:
            return face_.ShowHelp("");
        case ID_ABOUT:
            return face_.ShowAbout();
        case ID_NEXT_PANE:
        case ID_PREV_PANE:
            return face_.SwitchPane();
        default:
            if (id >= ID_RECENT_FIRST && id <= ID_RECENT_LAST) OpenRecent(id - ID_RECENT_FIRST);
            return;
    }
}

void EditorController::NewProject() {
    std::string folder;
    const std::string documents = options_.DocumentsFolder ? options_.DocumentsFolder() : "";
    const std::string parent = DefaultProjectsFolder(documents, options_.Separator);
    if (!face_.AskNewProjectFolder(parent, &folder)) return;
    if (session_.NewProject(folder)) RememberProject();
}

void EditorController::OpenProject() {
    std::string folder;
    if (face_.AskProjectFolder(&folder)) OpenFolder(folder);
}

bool EditorController::OpenFolder(const std::string& folder) {
    if (!session_.OpenProject(folder, false)) return false;
    RememberProject();
    return true;
}

void EditorController::RememberProject() {
    if (const CInstallerWnd* project = Project()) {
        recent_.Add(project->ProjectFolder);
        ShowRecentList();
    }
}

void EditorController::ShowRecentList() {
    recentShown_ = recent_.Folders();
    std::vector<std::string> texts;
    for (std::size_t i = 0; i < recentShown_.size(); ++i)
        texts.push_back(RecentMenuText(i, recentShown_[i]));
    face_.ShowRecentList(texts);
}

void EditorController::OpenRecent(int index) {
    const std::string folder = recent_.Pick(recentShown_, std::size_t(index));
    if (folder.empty())
        ShowRecentList();  // a gone one has left the list
    else
        OpenFolder(folder);
}

// The test runs the menu as the disc does: links run, logos move.
void EditorController::Test() {
    arranger_.SetOn(false);
    Reload(true);
}

void EditorController::ToggleArrange() {
    arranger_.SetOn(!arranger_.IsOn());
    if (!arranger_.IsOn()) return;
    // The link or logo picked in the tree stays picked; the arrow keys go to the preview.
    arranger_.Select(face_.TreeSelection());
    face_.FocusPreview();
}

void EditorController::ToggleWizard() {
    wizardAtStartup_ = !wizardAtStartup_;
    WritePreference(settings_, Preference::ShowWizard, wizardAtStartup_ ? 1 : 0);
}

FormFields<WizardChoice> WizardFields() {
    using F = FormField<WizardChoice>;
    static constexpr F rows[] = {
        F::Radio(IDC_CHOICE_NEW, &WizardChoice::openExisting, false),
        F::Radio(IDC_CHOICE_OPEN, &WizardChoice::openExisting, true),
        F::Check(IDC_SHOW_AT_STARTUP, &WizardChoice::showAtStartup),
    };
    return {rows, sizeof rows / sizeof *rows};
}

void EditorController::RunWizard() {
    WizardChoice choice;
    if (!wizardAtStartup_ || !face_.RunWizard(&choice)) return;
    wizardAtStartup_ = choice.showAtStartup;
    WritePreference(settings_, Preference::ShowWizard, wizardAtStartup_ ? 1 : 0);
    face_.Post([this, choice] { choice.openExisting ? OpenProject() : NewProject(); });
}

// The preview keeps the keyboard across the reload that makes it anew.
void EditorController::Reload(bool testMode) {
    const bool inPreview = face_.PreviewHasFocus();
    session_.ReloadProject(testMode);
    if (inPreview) face_.FocusPreview();
}
