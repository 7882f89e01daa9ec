#include "platform/win32/window_proc.h"

namespace platform::win32 {

LRESULT OnNcCreateMessage(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
    auto* window = static_cast<Win32Window*>(create->lpCreateParams);
    if (window) {
        window->Attach(hwnd);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
    }
    return DefWindowProcA(hwnd, WM_NCCREATE, wParam, lParam);
}

LRESULT OnCreateMessage(Win32Window& window, HWND hwnd, WPARAM wParam, LPARAM lParam) {
    if (DefWindowProcA(hwnd, WM_CREATE, wParam, lParam) == -1) return -1;
    if (window.listener() && window.listener()->OnCreate() == -1) return -1;
    return 0;
}

LRESULT OnDestroyMessage(Win32Window& window, HWND hwnd, WPARAM wParam, LPARAM lParam) {
    window.accessible().Disconnect();
    if (window.listener()) window.listener()->OnDestroy();
    // As application frameworks do: the main window's end is the program's end.
    if (window.system()->IsMainWindow(&window)) PostQuitMessage(0);
    return DefWindowProcA(hwnd, WM_DESTROY, wParam, lParam);
}

LRESULT OnNcDestroyMessage(Win32Window& window, HWND hwnd, WPARAM wParam, LPARAM lParam) {
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    window.Detach();
    return DefWindowProcA(hwnd, WM_NCDESTROY, wParam, lParam);
}

}  // namespace platform::win32
