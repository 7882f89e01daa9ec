#include "platform/win32/window_proc.h"

namespace platform::win32 {

LRESULT OnPaintMessage(Win32Window& window, HWND hwnd) {
    if (window.listener()) window.listener()->OnPaint();
    // A listener that never began painting leaves the region invalid, and
    // WM_PAINT would come back at once, forever.
    if (!window.paintBegun()) ValidateRect(hwnd, nullptr);
    window.EndPaint();
    return 0;
}

LRESULT OnEraseBkgndMessage(Win32Window& window, HWND hwnd, WPARAM wParam, LPARAM lParam) {
    if (window.listener()) {
        Win32DC dc(reinterpret_cast<HDC>(wParam), Win32DC::Kind::Borrowed);
        if (window.listener()->OnEraseBkgnd(dc)) return TRUE;
    }
    return DefWindowProcA(hwnd, WM_ERASEBKGND, wParam, lParam);
}

}  // namespace platform::win32
