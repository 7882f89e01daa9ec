#include "platform/wx/wx_window_system.h"

#include <wx/app.h>
#include <wx/display.h>
#include <wx/evtloop.h>
#include <wx/gdicmn.h>

#include <algorithm>

#include "platform/wx/hand_cursor.h"
#include "platform/wx/wx_canvas.h"
#include "platform/wx/wx_native_parent.h"
#include "platform/wx/wx_window.h"

namespace platform::wx {

WxWindowSystem::WxWindowSystem(bool hasHandCursor)
    : hasHandCursor_(hasHandCursor), self_(std::make_shared<WxWindowSystem*>(this)) {}

WxWindowSystem::~WxWindowSystem() {
    *self_ = nullptr;
    for (WxWindow* window : windows_) window->DetachSystem();
}

std::unique_ptr<Window> WxWindowSystem::CreateHostWindow(const WindowParams& params,
                                                         WindowListener* listener) {
    wxWindow* parent = nullptr;
    if (auto* native = dynamic_cast<WxNativeParent*>(params.parent))
        parent = native->ClientWindow();
    if (params.parent && !parent) return nullptr;  // a parent that is gone

    auto window = std::make_unique<WxWindow>(this, params, listener, parent);
    if (!window->IsWindow()) return nullptr;
    windows_.push_back(window.get());
    // WM_CREATE comes before the window is shown; -1 undoes the creation.
    if (listener && listener->OnCreate() == -1) return nullptr;
    if (params.style & ws::Visible) {
        window->Outer()->Show();
        if (window->IsTopLevel()) {
            window->Outer()->Raise();
            // The menu takes the keys as it appears.
            window->Canvas()->SetFocus();
        }
    }
    return window;
}

Size WxWindowSystem::GetScreenSize() const {
    const wxSize size = wxGetDisplaySize();
    return Size{size.x, size.y};
}

bool WxWindowSystem::SetHandCursor() {
    if (!hasHandCursor_) return false;
    if (!hand_.IsOk()) hand_ = LoadHandCursor();
    WxWindow* target = mouseWindow_;
    if (auto* captured = dynamic_cast<WxCanvas*>(wxWindow::GetCapture())) {
        if (captured->Owner()) target = captured->Owner();
    }
    if (target) target->SetClientCursor(hand_);
    return true;
}

void WxWindowSystem::SetCursorPos(Point screen) {
    // wx warps relative to a window: take any of ours that is on screen.
    for (WxWindow* window : windows_) {
        wxWindow* client = window->ClientWindow();
        if (!client || !client->IsShownOnScreen()) continue;
        const wxPoint origin = client->GetScreenPosition();
        client->WarpPointer(screen.x - origin.x, screen.y - origin.y);
        return;
    }
}

void WxWindowSystem::SetMainWindow(Window* window) {
    main_ = dynamic_cast<WxWindow*>(window);
    if (main_ && main_->IsTopLevel() && wxTheApp) wxTheApp->SetTopWindow(main_->Outer());
}

void WxWindowSystem::PostCloseToMainWindow() {
    if (!wxTheApp) return;
    std::weak_ptr<WxWindowSystem*> self = self_;
    wxTheApp->CallAfter([self] {
        auto alive = self.lock();
        if (!alive || !*alive) return;
        WxWindowSystem* system = *alive;
        if (system->main_) system->main_->Close();
    });
}

void WxWindowSystem::WindowDestroyed(WxWindow* window) {
    if (mouseWindow_ == window) mouseWindow_ = nullptr;
    if (window != main_) return;
    // As the framework does: the main window's end is the program's end.
    main_ = nullptr;
    wxEventLoopBase* loop = wxTheApp ? wxTheApp->GetMainLoop() : nullptr;
    if (loop && loop->IsRunning()) loop->Exit();
}

void WxWindowSystem::WindowDeleted(WxWindow* window) {
    WindowDestroyed(window);
    windows_.erase(std::remove(windows_.begin(), windows_.end(), window), windows_.end());
}

}  // namespace platform::wx
