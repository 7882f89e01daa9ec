#include "platform/win32/win32_window.h"

#include <algorithm>

namespace platform::win32 {

Win32Window::~Win32Window() {
    // The listener is being torn down with us: it hears nothing more.
    listener_ = nullptr;
    if (!owned_) return;
    if (IsWindow()) DestroyWindow(hwnd_);
    if (hwnd_) SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
}

bool Win32Window::IsWindow() const { return hwnd_ && ::IsWindow(hwnd_); }

void Win32Window::Destroy() {
    if (IsWindow()) DestroyWindow(hwnd_);
}

void Win32Window::Detach() {
    lentDCs_.clear();
    paintDC_.reset();
    hwnd_ = nullptr;
}

Rect Win32Window::GetClientRect() const {
    RECT r = {};
    if (hwnd_) ::GetClientRect(hwnd_, &r);
    return Rect{r.left, r.top, r.right, r.bottom};
}

Rect Win32Window::GetWindowRect() const {
    RECT r = {};
    if (hwnd_) ::GetWindowRect(hwnd_, &r);
    return Rect{r.left, r.top, r.right, r.bottom};
}

DC* Win32Window::GetDC() {
    if (!hwnd_) return nullptr;
    HDC hdc = ::GetDC(hwnd_);
    if (!hdc) return nullptr;
    lentDCs_.push_back(std::make_unique<Win32DC>(hdc, Win32DC::Kind::Borrowed));
    return lentDCs_.back().get();
}

void Win32Window::ReleaseDC(DC* dc) {
    auto it = std::find_if(lentDCs_.begin(), lentDCs_.end(),
                           [dc](const std::unique_ptr<Win32DC>& p) { return p.get() == dc; });
    if (it == lentDCs_.end()) return;
    ::ReleaseDC(hwnd_, (*it)->handle());
    lentDCs_.erase(it);
}

DC* Win32Window::BeginPaint() {
    if (!hwnd_ || paintDC_) return nullptr;
    HDC hdc = ::BeginPaint(hwnd_, &paint_);
    if (!hdc) return nullptr;
    paintDC_ = std::make_unique<Win32DC>(hdc, Win32DC::Kind::Borrowed);
    return paintDC_.get();
}

void Win32Window::EndPaint() {
    if (!paintDC_) return;
    paintDC_.reset();
    ::EndPaint(hwnd_, &paint_);
}

void Win32Window::RedrawNow() {
    if (hwnd_) RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void Win32Window::RedrawArea(const Rect& area) {
    const RECT r = {area.left, area.top, area.right, area.bottom};
    if (hwnd_) RedrawWindow(hwnd_, &r, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

unsigned Win32Window::SetTimer(unsigned id, unsigned milliseconds) {
    if (!hwnd_) return 0;
    return unsigned(::SetTimer(hwnd_, id, milliseconds, nullptr));
}

bool Win32Window::KillTimer(unsigned id) { return hwnd_ && ::KillTimer(hwnd_, id); }

void Win32Window::SetCapture() {
    if (hwnd_) ::SetCapture(hwnd_);
}

void Win32Window::ReleaseCapture() { ::ReleaseCapture(); }

void Win32Window::LinkFocused(int index) {
    if (hwnd_) NotifyLinkFocus(hwnd_, index);
}

}  // namespace platform::win32
