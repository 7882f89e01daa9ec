#include "editor/win32/buffered_paint.h"

namespace {

// The whole client area is drawn, its background first (a flat toolbar's is
// its parent's); the paint's clipping keeps the copy to what needs painting.
// Without the memory, the control paints onto the screen.
LRESULT CALLBACK PaintBuffered(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto own = reinterpret_cast<WNDPROC>(GetClassLongPtrW(control, GCLP_WNDPROC));
    if (message == WM_ERASEBKGND) return 1;  // the copy covers the background too
    if (message != WM_PAINT || wParam)
        return CallWindowProcW(own, control, message, wParam, lParam);
    PAINTSTRUCT ps;
    HDC screen = BeginPaint(control, &ps);
    RECT r;
    GetClientRect(control, &r);
    BITMAPINFO info = {{sizeof(BITMAPINFOHEADER), r.right, -r.bottom, 1, 32, BI_RGB, 0, 0, 0, 0, 0},
                       {}};
    void* bits;
    HBITMAP buffer = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC memory = CreateCompatibleDC(nullptr);
    const bool buffered = SelectObject(memory, buffer) != nullptr;
    HDC target = buffered ? memory : screen;
    CallWindowProcW(own, control, WM_ERASEBKGND, WPARAM(target), 0);
    CallWindowProcW(own, control, WM_PRINTCLIENT, WPARAM(target), PRF_CLIENT);
    if (buffered) BitBlt(screen, 0, 0, r.right, r.bottom, memory, 0, 0, SRCCOPY);
    DeleteDC(memory);  // which lets the bitmap go
    DeleteObject(buffer);
    EndPaint(control, &ps);
    return 0;
}

}  // namespace

// A subclass of the common controls would look its data up at the Wine server
// for every message; the class keeps the control's own procedure.
void PaintThroughMemory(HWND control) {
    SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(PaintBuffered));
}
