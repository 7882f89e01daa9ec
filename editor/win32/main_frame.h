// CMainFrame: the editor's window. Menu 128, a toolbar in a rebar, the
// four-pane status bar and a splitter with the template tree on the left and
// the live preview on the right. It holds no project itself: the preview
// pane does.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "editor/recent_projects.h"
#include "editor/reg_settings.h"
#include "editor/win32/native_window.h"
#include "editor/win32/splitter.h"
#include "platform/window.h"

class CDemoWnd;
class CVelomarTreeView;

// What the frame is started with.
struct ForgeOptions {
    std::string StartFolder;      // the companion files (Velomar.exe, the guide); ends in '\\'
    std::string OpenAtStart;      // a project folder to open instead of the wizard; may be empty
    std::string DocumentsFolder;  // where new projects go by default
};

class CMainFrame : public CNativeWindow {
  public:
    explicit CMainFrame(const ForgeOptions& options);
    ~CMainFrame() override;

    // Creates the window with its bars and panes, and runs the start-up
    // wizard unless a project is to be opened.
    bool Create();

    // Message loop hooks: the accelerators, and the command state while idle.
    bool PreTranslateMessage(MSG* msg);
    void UpdateCommandState();

    // Opens the user guide, at a topic when one is given.
    void ShowHelp(const std::string& topic = std::string());
    void OpenFolder(const std::string& folder);

    std::string GetTitle() const;
    void SetTitle(const std::string& title);

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

    // Posted to the frame with the wizard's choice (0 New, else Open).
    static constexpr UINT WM_WIZARD_CHOICE = 0x0590;

  protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    // Creation (main_frame_create.cpp).
    int OnCreate();
    bool CreatePanes();
    bool CreateBars();
    void RunStartupWizard();
    void Layout();

    // Commands (main_frame_commands.cpp).
    void OnCommand(int id);
    void OnNewProject();
    void OnOpenProject();
    void OnWizardToggle();
    void OnArrangeItems();
    void OnAbout();
    void OnNextPane();

    // Recent projects in the File menu (main_frame_recent.cpp).
    void ShowRecentProjects();
    void OnRecentProject(int id);
    // The open project goes to the top of the list.
    void RememberProject();

    // Build and the finished folder (main_frame_build.cpp).
    void OnBuildProject();
    // Saves and builds (asking only about items outside the window); true when
    // the build ran through.
    bool SaveAndBuild();
    void OpenProjectFolder();

    // Enable rules (main_frame_update_ui.cpp).
    struct CommandState {
        bool enabled = true;
        bool checked = false;
    };
    CommandState StateOf(int id) const;
    void UpdateMenu(HMENU menu);
    void NameStep(HMENU menu, UINT id, const std::string& step);

    // Status bar and layout (main_frame_status.cpp).
    void ShowPrompt(int id);
    void ShowLockKeys();
    LRESULT OnNotify(NMHDR* header);
    void OnDestroy();
    void SaveLayout();

    std::unique_ptr<platform::Window> platformFrame_;  // the main window a "QUIT" closes
    HACCEL accelerators_ = nullptr;
    HWND rebar_ = nullptr;
    HWND toolbar_ = nullptr;
    HWND status_ = nullptr;
    CSplitter splitter_;
    std::unique_ptr<CVelomarTreeView> treeView_;
    std::unique_ptr<CDemoWnd> demoWnd_;
    std::string tipText_;
    RecentProjects recent_{*Settings};
    std::vector<std::string> recentShown_;  // the menu's entries, in order
};

// Loads a string resource: the prompt before the newline, the tooltip after.
std::string LoadResourceString(UINT id);
