#include "platform/wx/wx_parent_window.h"

namespace platform::wx {

Rect WxParentWindow::GetClientRect() const {
    if (!window_) return Rect{};
    const wxSize size = window_->GetClientSize();
    return Rect{0, 0, size.x, size.y};
}

Rect WxParentWindow::GetWindowRect() const {
    if (!window_) return Rect{};
    const wxRect r = window_->GetScreenRect();
    return Rect{r.x, r.y, r.x + r.width, r.y + r.height};
}

void WxParentWindow::RedrawNow() {
    if (!window_) return;
    window_->Refresh();
    window_->Update();
}

}  // namespace platform::wx
