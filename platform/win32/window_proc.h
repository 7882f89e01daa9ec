// The window procedure, one handler per message (window_proc_*.cpp).
#pragma once

#include "platform/win32/win32_window.h"

namespace platform::win32 {

// The backend's window object of a window of its class, null once it is gone.
inline Win32Window* WindowOf(HWND hwnd) {
    return reinterpret_cast<Win32Window*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

LRESULT OnNcCreateMessage(HWND hwnd, WPARAM wParam, LPARAM lParam);
LRESULT OnCreateMessage(Win32Window& window, HWND hwnd, WPARAM wParam, LPARAM lParam);
LRESULT OnDestroyMessage(Win32Window& window, HWND hwnd, WPARAM wParam, LPARAM lParam);
LRESULT OnNcDestroyMessage(Win32Window& window, HWND hwnd, WPARAM wParam, LPARAM lParam);

LRESULT OnPaintMessage(Win32Window& window, HWND hwnd);
LRESULT OnEraseBkgndMessage(Win32Window& window, HWND hwnd, WPARAM wParam, LPARAM lParam);

LRESULT OnMouseMessage(Win32Window& window, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT OnKeyDownMessage(Win32Window& window, HWND hwnd, WPARAM wParam, LPARAM lParam);
LRESULT OnTimerMessage(Win32Window& window, HWND hwnd, WPARAM wParam, LPARAM lParam);

}  // namespace platform::win32
