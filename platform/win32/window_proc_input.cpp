#include "platform/win32/window_proc.h"

namespace platform::win32 {

namespace {

// Signed: under capture the pointer may stand left of or above the client area.
Point ClientPoint(LPARAM lParam) {
    return Point{int(short(LOWORD(lParam))), int(short(HIWORD(lParam)))};
}

}  // namespace

LRESULT OnMouseMessage(Win32Window& window, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    WindowListener* listener = window.listener();
    unsigned flags = unsigned(wParam);
    // A child window (the editor's preview) takes the keys once clicked.
    if ((message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK) && GetFocus() != hwnd)
        SetFocus(hwnd);
    if (listener) {
        if (message == WM_MOUSEMOVE) listener->OnMouseMove(flags, ClientPoint(lParam));
        if (message == WM_LBUTTONDOWN) listener->OnLButtonDown(flags, ClientPoint(lParam));
        if (message == WM_LBUTTONUP) listener->OnLButtonUp(flags, ClientPoint(lParam));
        if (message == WM_LBUTTONDBLCLK) listener->OnLButtonDblClk(flags, ClientPoint(lParam));
        if (message == WM_RBUTTONDOWN) listener->OnRButtonDown(flags, ClientPoint(lParam));
    }
    // The window may be gone now (a command closed it); DefWindowProc copes.
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

// Key codes are already the vk:: values. WM_CHAR, which TranslateMessage makes
// of the same keys, goes to DefWindowProc, so each press acts once.
LRESULT OnKeyDownMessage(Win32Window& window, HWND hwnd, WPARAM wParam, LPARAM lParam) {
    WindowListener* listener = window.listener();
    // Ctrl shortcuts belong to whoever else wants them (Alt ones come as WM_SYSKEYDOWN).
    if (listener && GetKeyState(VK_CONTROL) >= 0) {
        unsigned flags = 0;
        if (GetKeyState(VK_SHIFT) < 0) flags |= keyflag::Shift;
        if (lParam & (LPARAM(1) << 30)) flags |= keyflag::Repeat;
        listener->OnKeyDown(unsigned(wParam), flags);
        return 0;
    }
    return DefWindowProcA(hwnd, WM_KEYDOWN, wParam, lParam);
}

LRESULT OnTimerMessage(Win32Window& window, HWND hwnd, WPARAM wParam, LPARAM lParam) {
    if (window.listener()) window.listener()->OnTimer(unsigned(wParam));
    return DefWindowProcA(hwnd, WM_TIMER, wParam, lParam);
}

}  // namespace platform::win32
