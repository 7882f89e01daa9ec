#include "editor/win32/native_window.h"

CNativeWindow::~CNativeWindow() {
    if (hwnd_) {
        SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
    }
}

bool CNativeWindow::Create(const char* className, DWORD exStyle, DWORD style, const char* title,
                           int x, int y, int width, int height, HWND parent, HMENU menuOrId,
                           HCURSOR cursor, HBRUSH background) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA known = {};
    if (!GetClassInfoA(instance, className, &known)) {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = Route;
        wc.hInstance = instance;
        wc.hCursor = cursor;
        wc.hbrBackground = background;
        wc.lpszClassName = className;
        wc.style = CS_DBLCLKS;
        if (!RegisterClassA(&wc)) return false;
    }
    framed_ =
        exStyle || (style & (WS_BORDER | WS_DLGFRAME | WS_THICKFRAME | WS_VSCROLL | WS_HSCROLL));
    return CreateWindowExA(exStyle, className, title, style, x, y, width, height, parent, menuOrId,
                           instance, this) != nullptr;
}

// A window without a frame or scroll bars has nothing outside its client
// area to paint: the default handling would still fetch a drawing context.
LRESULT CNativeWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCPAINT && !framed_) return 0;
    return Default(message, wParam, lParam);
}

LRESULT CALLBACK CNativeWindow::Route(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<CNativeWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<CNativeWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!self) return DefWindowProcA(hwnd, message, wParam, lParam);
    const LRESULT result = self->WindowProc(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
    }
    return result;
}
