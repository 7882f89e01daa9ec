// The frame's window procedure: messages to their handlers.
#include "editor/win32/main_frame.h"

#include "editor/win32/demo_wnd.h"
#include "editor/win32/resource.h"
#include "editor/win32/tree_view.h"

std::string LoadResourceString(UINT id) {
    char text[512] = {};
    const int n = LoadStringA(GetModuleHandleA(nullptr), id, text, int(sizeof(text)));
    return std::string(text, std::size_t(n > 0 ? n : 0));
}

std::string CMainFrame::GetTitle() const {
    const int length = GetWindowTextLengthA(hwnd());
    std::string title(std::size_t(length) + 1, '\0');
    title.resize(std::size_t(GetWindowTextA(hwnd(), title.data(), length + 1)));
    return title;
}

void CMainFrame::SetTitle(const std::string& title) { SetWindowTextA(hwnd(), title.c_str()); }

bool CMainFrame::PreTranslateMessage(MSG* msg) {
    return accelerators_ && TranslateAcceleratorA(hwnd(), accelerators_, msg);
}

LRESULT CMainFrame::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            return OnCreate();
        case WM_SIZE:
            if (status_) Layout();
            return 0;
        case WM_SETFOCUS:
            return 0;  // the frame keeps the focus to itself, as it is given
        case WM_COMMAND:
            // Toolbar and menu commands alike; controls of the panes report to them.
            if (lParam == 0 || HWND(lParam) == toolbar_) OnCommand(LOWORD(wParam));
            return 0;
        case WM_NOTIFY:
            return OnNotify(reinterpret_cast<NMHDR*>(lParam));
        case WM_INITMENUPOPUP:
            UpdateMenu(HMENU(wParam));
            return 0;
        case WM_MENUSELECT:
            // Fly-by help: the item's prompt while the menu is open, "Ready" after.
            if (HIWORD(wParam) == 0xFFFF && lParam == 0)
                ShowPrompt(0);
            else if (!(HIWORD(wParam) & (MF_POPUP | MF_SEPARATOR)))
                ShowPrompt(LOWORD(wParam));
            return 0;
        case WM_WIZARD_CHOICE:
            if (wParam == 0)
                OnNewProject();
            else
                OnOpenProject();
            return 0;
        case WM_CLOSE:
            // A save at the question that fails keeps the editor open, with the edit.
            if (DemoWnd && !DemoWnd->PromptSave()) return 0;
            DestroyWindow(hwnd());
            return 0;
        case WM_DESTROY:
            OnDestroy();
            PostQuitMessage(0);
            return 0;
        default:
            return CNativeWindow::WindowProc(message, wParam, lParam);
    }
}
