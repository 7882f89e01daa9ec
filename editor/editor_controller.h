// The editor itself, without widgets: the open project, the tree's model and
// its edits, the refresh queue and modal state, the command table's enable
// and check rules and each command's flow, the recent list and the
// preferences. The wx and Win32 frames are faces over it (EditorFace): they
// make widgets from its tables, forward events here and show what it says.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "editor/arranger.h"
#include "editor/editor_commands.h"
#include "editor/editor_face.h"
#include "editor/preferences.h"
#include "editor/project_session.h"
#include "editor/recent_projects.h"
#include "platform/reg_settings.h"

struct BuildReport;

struct EditorOptions {
    std::string StartFolder;   // the companion files (Velomar.exe, the guide); ends in a separator
    std::string SettingsFile;  // the settings store on Linux; "" for the registry
    std::string OpenAtStart;   // a project folder to open instead of the wizard; may be empty
    // Where new projects go by default; asked when first needed, as on
    // Windows only the shell, slow to load, knows it. None: "".
    std::string (*DocumentsFolder)() = nullptr;
    char Separator = '/';  // of the folders the user types
};

struct CommandState {
    bool enabled = true;
    bool checked = false;
};

class EditorController : ProjectView, ArrangeView {
  public:
    EditorController(EditorFace& face, const EditorOptions& options);
    ~EditorController() override;
    EditorController(const EditorController&) = delete;
    EditorController& operator=(const EditorController&) = delete;

    // Once the face's widgets exist: the recent list, then the project named
    // at start (opened from the loop) or the start-up wizard.
    void Start();

    // A command of the table (menu, toolbar, key); a greyed one does nothing.
    void Run(int id);
    CommandState StateOf(int id) const;
    // The menu label now ("&Undo Move Link Down" for Undo, the table's otherwise).
    std::string LabelOf(int id) const;

    // The tree: a pick by the user, the context menu's entries for a node
    // (null where none opens), one of its commands or a key on a node.
    void TreePicked(TemplateNode node);
    ItemMenu ItemMenuOf(TemplateNode node) const;
    void RunItemCommand(TemplateNode node, int id);
    // True when the key was a tree command.
    bool TreeKey(TemplateNode node, Shortcut keys);

    // Edits of the tree's nodes; true when the project changed (Properties:
    // when the node opens a dialog or none).
    bool InsertItem(TemplateNode node);
    bool DeleteItem(TemplateNode node);
    bool EditProperties(TemplateNode node);
    bool CanMoveItem(TemplateNode node, int step) const;
    bool MoveItem(TemplateNode node, int step);

    // A change made elsewhere: marked, and with `refresh` saved and shown anew
    // once the loop runs and no dialog or menu is up.
    void Changed(bool refresh);
    bool RefreshQueued() const { return refreshQueued_; }
    // While one lives, a dialog or menu is up: the refresh waits for it.
    class Modal {
      public:
        explicit Modal(EditorController& editor) : editor_(editor) { ++editor_.modal_; }
        ~Modal();

      private:
        EditorController& editor_;
    };

    // Closing: true when it may close (the save question).
    bool MayClose() { return session_.PromptSave(); }
    // The frame goes: its layout (unless minimised), then the save question
    // unless asked already, then the project closes while its windows exist.
    void FrameClosing(const FrameLayout& layout, bool minimised);

    bool OpenFolder(const std::string& folder);
    bool SaveAndBuild(BuildReport* report = nullptr);

    ProjectSession& Session() { return session_; }
    CInstallerWnd* Project() const { return session_.GetInstallerWnd(); }
    Arranger& Arrange() { return arranger_; }
    CRegSettings& Settings() { return settings_; }
    const EditorOptions& Options() const { return options_; }
    bool ProjectBuilt = false;

  private:
    // ProjectView.
    platform::Window* PreviewParent() override { return face_.PreviewParent(); }
    void RebuildTree() override;
    std::string GetTitle() const override { return face_.FrameTitle(); }
    void SetTitle(const std::string& title) override { face_.SetFrameTitle(title); }
    void ProjectChanged() override { ProjectBuilt = false; }
    // ArrangeView.
    void ItemSelected(TemplateNode item) override { face_.SelectInTree(item); }
    void ShowProperties(TemplateNode item) override;  // from the preview's double-click
    void ItemMoved() override { Changed(true); }

    void NewProject();
    void OpenProject();
    void RememberProject();
    void ShowRecentList();
    void OpenRecent(int index);
    void Test();
    void ToggleArrange();
    void ToggleWizard();
    void RunWizard();
    void Build();
    void CopyFinished();
    void MakeDiscImage();
    void Reload(bool testMode);
    void RunRefresh();
    void BeginChange(ItemChange change, NodeKind kind);
    bool RunDialog(ItemDialog dialog, int index);

    EditorFace& face_;
    const EditorOptions options_;
    CRegSettings settings_;
    RecentProjects recent_{settings_};
    std::vector<std::string> recentShown_;
    ProjectSession session_{this};
    Arranger arranger_{session_, *this};
    bool wizardAtStartup_ = true;
    bool closed_ = false;
    bool refreshQueued_ = false;
    int modal_ = 0;
    TemplateNode selectAfterRebuild_;  // the root: nothing to select
};

// Whether this build makes disc images; the faces leave out the commands a
// build does not have.
bool DiscImagesAvailable();
inline bool CommandAvailable(int id) { return id != ID_MAKE_DISC_IMAGE || DiscImagesAvailable(); }
