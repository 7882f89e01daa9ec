#include "editor/win32/demo_wnd.h"

#include "editor/editor_controller.h"
#include "platform/win32/backend.h"

bool CDemoWnd::Create(HWND parent, int id) {
    if (!CNativeWindow::Create("VelomarForgePreview", 0, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN,
                               "", 0, 0, 100, 100, parent, reinterpret_cast<HMENU>(INT_PTR(id)),
                               LoadCursor(nullptr, IDC_ARROW),
                               reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1)))
        return false;
    parent_ = platform::win32::BorrowWindow(hwnd());
    return true;
}

HWND CDemoWnd::Preview() const {
    CInstallerWnd* project = editor_ ? editor_->Project() : nullptr;
    return project ? static_cast<HWND>(platform::win32::HandleOf(project->Wnd.get())) : nullptr;
}

LRESULT CDemoWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SIZE)
        if (HWND menu = Preview()) {
            const platform::Rect r = PreviewPlace(LOWORD(lParam), HIWORD(lParam));
            MoveWindow(menu, r.left, r.top, r.Width(), r.Height(), TRUE);
        }
    return CNativeWindow::WindowProc(message, wParam, lParam);
}
