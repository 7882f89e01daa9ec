// CMainFrame: the editor's window. Menu, toolbar, status bar, and a splitter
// with the template tree on the left and the live preview on the right, made
// from the editor controller's tables; commands and events go to it.
#pragma once

#include <wx/frame.h>
#include <wx/timer.h>

#include <memory>
#include <string>
#include <vector>

#include "editor/editor_controller.h"

class CDemoWnd;
class CVelomarTreeView;
class wxMenu;
class wxSplitterWindow;

class CMainFrame : public wxFrame, public EditorFace {
  public:
    // Creates the panes and bars, then the controller opens the project
    // asked for or runs the start-up wizard.
    explicit CMainFrame(const EditorOptions& options);
    ~CMainFrame() override;

    std::unique_ptr<EditorController> Editor;
    CVelomarTreeView* TreeView = nullptr;
    CDemoWnd* DemoWnd = nullptr;

    // EditorFace (main_frame.cpp, main_frame_dialogs.cpp).
    void Post(std::function<void()> call) override { CallAfter(std::move(call)); }
    platform::Window* PreviewParent() override;
    bool PreviewHasFocus() const override;
    void FocusPreview() override;
    void SwitchPane() override;
    std::string FrameTitle() const override { return GetTitle().utf8_string(); }
    void SetFrameTitle(const std::string& title) override { SetTitle(wxString::FromUTF8(title)); }
    void ShowTree(const std::vector<TreeRow>& rows, TemplateNode select) override;
    void SelectInTree(TemplateNode node) override;
    TemplateNode TreeSelection() const override;
    void ShowRecentList(const std::vector<std::string>& menuTexts) override;
    bool RunWizard(WizardChoice* choice) override;
    bool AskNewProjectFolder(const std::string& defaultParent, std::string* folder) override;
    bool AskProjectFolder(std::string* folder) override;
    bool RunPropertyDialog(ItemDialog dialog, int index, const LiveHook& live) override;
    void ShowAbout() override;
    void ShowHelp(const std::string& topic) override;
    void CloseFrame() override { Close(); }
    bool AskImagePath(const std::string& folder, const std::string& name,
                      std::string* path) override;
    void RunWithProgress(const std::function<void(const Progress&)>& work) override;

  private:
    // The bars (main_frame_bars.cpp).
    void CreateMenu();
    wxMenu* NewMenu(const MenuLayout& layout) const;
    void CreateTools();
    void CreateStatus();
    void ShowLockKeys();
    void OnUpdate(wxUpdateUIEvent& event);
    void ShowUndoSteps();

    void OnClose(wxCloseEvent& event);
    void OnFirstIdle(wxIdleEvent& event);
    void ShutDown();

    wxSplitterWindow* splitter_ = nullptr;
    bool shutDown_ = false;
    // The steps the Edit menu names; it is made anew when they change.
    std::string undoShown_, redoShown_;
    bool menuQueued_ = false;
    wxTimer lockKeys_;
};
