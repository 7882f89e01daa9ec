#include "platform/win32/window_proc.h"

namespace platform::win32 {

LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) return OnNcCreateMessage(hwnd, wParam, lParam);
    Win32Window* window = WindowOf(hwnd);
    if (!window) return DefWindowProcA(hwnd, message, wParam, lParam);

    switch (message) {
        case WM_CREATE:
            return OnCreateMessage(*window, hwnd, wParam, lParam);
        case WM_DESTROY:
            return OnDestroyMessage(*window, hwnd, wParam, lParam);
        case WM_NCDESTROY:
            return OnNcDestroyMessage(*window, hwnd, wParam, lParam);
        case WM_PAINT:
            return OnPaintMessage(*window, hwnd);
        case WM_ERASEBKGND:
            return OnEraseBkgndMessage(*window, hwnd, wParam, lParam);
        case WM_MOUSEMOVE:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDOWN:
            return OnMouseMessage(*window, hwnd, message, wParam, lParam);
        case WM_KEYDOWN:
            return OnKeyDownMessage(*window, hwnd, wParam, lParam);
        // Inside a dialog (the editor), Tab, the arrows, Enter and Escape still come here.
        case WM_GETDLGCODE:
            return DLGC_WANTALLKEYS | DLGC_WANTARROWS | DLGC_WANTTAB | DLGC_WANTCHARS;
        case WM_TIMER:
            return OnTimerMessage(*window, hwnd, wParam, lParam);
        case WM_GETOBJECT:
            if (LRESULT answer = window->accessible().Answer(hwnd, wParam, lParam)) return answer;
            return DefWindowProcA(hwnd, message, wParam, lParam);
        case WM_RUN_LINK:
            if (window->listener()) window->listener()->AccessibleDoDefault(int(wParam));
            return 0;
        default:
            return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

}  // namespace platform::win32
