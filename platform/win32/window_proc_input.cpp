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
    if (listener) {
        if (message == WM_MOUSEMOVE) listener->OnMouseMove(flags, ClientPoint(lParam));
        if (message == WM_LBUTTONDOWN) listener->OnLButtonDown(flags, ClientPoint(lParam));
        if (message == WM_RBUTTONDOWN) listener->OnRButtonDown(flags, ClientPoint(lParam));
    }
    // The window may be gone now (a command closed it); DefWindowProc copes.
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

LRESULT OnTimerMessage(Win32Window& window, HWND hwnd, WPARAM wParam, LPARAM lParam) {
    if (window.listener()) window.listener()->OnTimer(unsigned(wParam));
    return DefWindowProcA(hwnd, WM_TIMER, wParam, lParam);
}

}  // namespace platform::win32
