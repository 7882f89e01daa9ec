// CMainFrame: the editor's window. Menu, toolbar, status bar, and a splitter
// with the template tree on the left and the live preview on the right. It
// holds no project itself: the preview pane does.
#pragma once

#include <wx/frame.h>
#include <wx/timer.h>

#include <memory>
#include <string>
#include <vector>

#include "editor/recent_projects.h"
#include "editor/reg_settings.h"

class CDemoWnd;
class CVelomarTreeView;
class wxMenu;
class wxSplitterWindow;
class wxUpdateUIEvent;

// What the frame is started with.
struct ForgeOptions {
    std::string StartFolder;      // the companion files (Velomar.exe, the guide); ends in '/'
    std::string SettingsFile;     // the CRegSettings store
    std::string OpenAtStart;      // a project folder to open instead of the wizard; may be empty
    std::string DocumentsFolder;  // where new projects go by default
};

class CMainFrame : public wxFrame {
  public:
    // Creates the panes and, unless a project is to be opened, runs the
    // start-up wizard.
    explicit CMainFrame(const ForgeOptions& options);
    ~CMainFrame() override;

    // Opens the user guide, at a topic when one is given.
    void ShowHelp(const std::string& topic = std::string());

    std::unique_ptr<CRegSettings> Settings;
    CVelomarTreeView* TreeView = nullptr;
    CDemoWnd* DemoWnd = nullptr;
    bool ProjectBuilt = false;
    bool WizardAtStartup = true;
    const ForgeOptions Options;

    // Registry names.
    static constexpr const char* BASE_KEY = "Software\\Harlune\\VelomarForge\\";
    static constexpr const char* FRAME_LAYOUT = "Frame Layout";
    static constexpr const char* TREE_LAYOUT = "TreeView Layout";
    static constexpr const char* GENERAL = "General";

  private:
    // Creation (main_frame_create.cpp).
    void CreateMenu();
    wxMenu* NewEditMenu() const;
    void ShowUndoSteps();
    void CreateTools();
    void CreateStatus();
    void CreatePanes();
    void RunStartupWizard();

    // Commands (main_frame_commands.cpp).
    void OnNewProject(wxCommandEvent&);
    void OnOpenProject(wxCommandEvent&);
    void OnSaveProject(wxCommandEvent&);
    void OnTestProject(wxCommandEvent&);
    void OnArrangeItems(wxCommandEvent&);
    void OnWizardToggle(wxCommandEvent&);
    void OnHelpContents(wxCommandEvent&);
    void OnAbout(wxCommandEvent&);
    void OnExit(wxCommandEvent&);
    void OnNextPane(wxCommandEvent&);
    void OnUndo(wxCommandEvent& event);  // Undo and Redo
    void OnMoveItem(wxCommandEvent& event);
    void OnWizardChoice(int choice);
    void OpenFolder(const std::string& folder);

    // Recent projects in the File menu (main_frame_recent.cpp).
    void ShowRecentProjects();
    void OnRecentProject(wxCommandEvent& event);
    // The open project goes to the top of the list.
    void RememberProject();

    // Build and the finished folder (main_frame_build.cpp).
    void OnBuildProject(wxCommandEvent&);
    // Saves and builds (asking only about items outside the window); true when
    // the build ran through.
    bool SaveAndBuild();
    void OpenProjectFolder();

    // Make Disc Image (main_frame_image.cpp).
    void OnMakeDiscImage(wxCommandEvent&);
    std::string AskImagePath(const std::string& projectFolder, const std::string& label);

    // Enable rules (main_frame_update_ui.cpp).
    void OnUpdateSave(wxUpdateUIEvent& event);
    void OnUpdateNeedsProject(wxUpdateUIEvent& event);
    void OnUpdateCopy(wxUpdateUIEvent& event);
    void OnUpdateWizardToggle(wxUpdateUIEvent& event);
    void OnUpdateArrange(wxUpdateUIEvent& event);
    void OnUpdateUndo(wxUpdateUIEvent& event);
    void OnUpdateMoveItem(wxUpdateUIEvent& event);

    // Closing, layout and status (main_frame_layout.cpp).
    void OnClose(wxCloseEvent& event);
    void ShutDown();
    void SaveLayout();
    void ShowLockKeys();

    RecentProjects recent_{*Settings};
    std::vector<std::string> recentShown_;  // the menu's entries, in order
    wxSplitterWindow* splitter_ = nullptr;
    bool shutDown_ = false;
    // The steps the Edit menu names; it is made anew when they change.
    std::string undoShown_, redoShown_;
    bool menuQueued_ = false;
    wxTimer lockKeys_;
};
