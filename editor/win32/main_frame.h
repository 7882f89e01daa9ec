// CMainFrame: the editor's window. The menu, a toolbar in a rebar, the
// four-pane status bar and a splitter with the template tree on the left and
// the live preview on the right, made from the editor controller's tables;
// commands and events go to it.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "editor/editor_controller.h"
#include "editor/win32/demo_wnd.h"
#include "editor/win32/splitter.h"
#include "editor/win32/tree_view.h"

class CMainFrame : public CNativeWindow, public EditorFace {
  public:
    explicit CMainFrame(const EditorOptions& options);
    ~CMainFrame() override;

    // Creates the window with its bars and panes; the controller then opens
    // the project asked for or runs the start-up wizard.
    bool Create();
    // The project named to open at start opens while the frame is hidden; the
    // frame is then shown and painted once, with its picture.
    void ShowAtStart();

    // Message loop hooks: the accelerators, and the command state while idle.
    bool PreTranslateMessage(MSG* msg);
    void UpdateCommandState();

    std::unique_ptr<EditorController> Editor;
    std::unique_ptr<CVelomarTreeView> TreeView;
    std::unique_ptr<CDemoWnd> DemoWnd;

    // EditorFace (main_frame.cpp, main_frame_dialogs.cpp).
    void Post(std::function<void()> call) override;
    platform::Window* PreviewParent() override { return DemoWnd->Parent(); }
    bool PreviewHasFocus() const override;
    void FocusPreview() override;
    void SwitchPane() override;
    std::string FrameTitle() const override;
    void SetFrameTitle(const std::string& title) override { SetWindowTextA(hwnd(), title.c_str()); }
    void ShowTree(const std::vector<TreeRow>& rows, TemplateNode select) override {
        TreeView->ShowRows(rows, select);
    }
    void SelectInTree(TemplateNode node) override { TreeView->SelectNode(node); }
    TemplateNode TreeSelection() const override { return TreeView->Selection(); }
    void ShowRecentList(const std::vector<std::string>& menuTexts) override;
    bool RunWizard(WizardChoice* choice) override;
    bool AskNewProjectFolder(const std::string& defaultParent, std::string* folder) override;
    bool AskProjectFolder(std::string* folder) override;
    bool RunPropertyDialog(ItemDialog dialog, int index, const LiveHook& live) override;
    void ShowAbout() override;
    void ShowHelp(const std::string& topic) override;
    void CloseFrame() override { PostMessageA(hwnd(), WM_CLOSE, 0, 0); }

  protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    int OnCreate();
    void RunPosted();
    void SetIcon();
    void Layout();
    void OnDestroy();

    // The bars (main_frame_bars.cpp).
    HMENU CreateMenuBar() const;
    HACCEL CreateKeys() const;
    bool CreateBars();
    void UpdateMenu(HMENU menu);
    void ShowPrompt(int id);
    void ShowLockKeys();
    LRESULT OnNotify(NMHDR* header);

    // Posted to the frame: run the calls queued by Post.
    static constexpr UINT WM_RUN_POSTED = WM_APP + 0x10;
    // Fires once the first picture is out: the frame's icon.
    static constexpr UINT_PTR ICON_TIMER = 1;

    std::unique_ptr<platform::Window> platformFrame_;  // the main window a "QUIT" closes
    HACCEL accelerators_ = nullptr;
    HWND rebar_ = nullptr;
    HWND toolbar_ = nullptr;
    HWND status_ = nullptr;
    CSplitter splitter_;
    FrameLayout layout_;  // as stored, read once at creation
    LPARAM laidOut_ = -1;  // the client size of the last layout, as WM_SIZE gives it
    std::vector<std::function<void()>> posted_;
};
