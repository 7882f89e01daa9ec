#include "platform/headless/headless_window_system.h"

#include <algorithm>
#include <utility>

#include "platform/platform.h"

namespace platform {

namespace {
// Larger windows are refused rather than allocated.
constexpr int kMaxWindowSide = 8192;
}  // namespace

HeadlessWindowSystem::HeadlessWindowSystem(Size screen, bool hasHandCursor)
    : screen_(screen), hasHandCursor_(hasHandCursor) {}

HeadlessWindowSystem::~HeadlessWindowSystem() {
    // Windows that outlive their host stop being windows; their listeners are not
    // called, since whoever owns them may already be half gone.
    for (HeadlessWindow* window : windows_) window->Detach();
}

std::unique_ptr<Window> HeadlessWindowSystem::CreateHostWindow(const WindowParams& params,
                                                               WindowListener* listener) {
    if (params.width < 0 || params.height < 0 || params.width > kMaxWindowSide ||
        params.height > kMaxWindowSide) {
        Trace("CreateHostWindow: refused a window of %d x %d\n", params.width, params.height);
        return nullptr;
    }
    HeadlessWindow* parent = nullptr;
    if (params.parent) {
        parent = Find(params.parent);
        if (!parent || !parent->IsWindow()) return nullptr;
    } else if (params.style & ws::Child) {
        return nullptr;  // a child needs a parent
    }

    auto window = std::make_unique<HeadlessWindow>(this, params, listener, parent);
    windows_.push_back(window.get());
    if (listener && listener->OnCreate() == -1) {
        window->Destroy();
        return nullptr;
    }
    return window;
}

bool HeadlessWindowSystem::SetHandCursor() {
    if (!hasHandCursor_) return false;
    ++handCursorRequests_;
    cursor_ = CursorShape::Hand;
    return true;
}

void HeadlessWindowSystem::SetCursorPos(Point screen) {
    // The pointer never leaves the screen.
    cursorPos_.x = std::clamp(screen.x, 0, std::max(0, screen_.cx - 1));
    cursorPos_.y = std::clamp(screen.y, 0, std::max(0, screen_.cy - 1));
}

void HeadlessWindowSystem::SetMainWindow(Window* window) { mainWindow_ = Find(window); }

void HeadlessWindowSystem::PostCloseToMainWindow() {
    // Posted, not sent: the close is handled once the current message returns.
    ++closesPosted_;
    ++pendingCloses_;
}

void HeadlessWindowSystem::HandlePostedCloses() {
    while (pendingCloses_ > 0) {
        --pendingCloses_;
        // WM_CLOSE's default handling destroys the window.
        if (mainWindow_) mainWindow_->Destroy();
    }
}

void HeadlessWindowSystem::Pump() {
    HandlePostedCloses();
    // A paint may create or destroy windows: walk a snapshot, checking each is still ours.
    for (HeadlessWindow* window : Windows()) {
        if (Find(window) && window->NeedsPaint()) window->Paint();
    }
}

int HeadlessWindowSystem::StepTimers() {
    Pump();
    std::vector<std::pair<HeadlessWindow*, unsigned>> due;
    for (HeadlessWindow* window : Windows()) {
        for (const auto& timer : window->Timers()) due.emplace_back(window, timer.first);
    }
    int delivered = 0;
    for (const auto& [window, id] : due) {
        if (!Find(window) || !window->IsWindow() || !window->Timers().count(id)) continue;
        if (window->Listener()) window->Listener()->OnTimer(id);
        ++delivered;
    }
    HandlePostedCloses();
    return delivered;
}

bool HeadlessWindowSystem::MouseMove(Window* window, Point client, unsigned flags) {
    HeadlessWindow* from = Find(window);
    if (!from) return false;
    return DeliverAtScreen(MouseMessage::Move, from, from->ClientToScreen(client), flags);
}

bool HeadlessWindowSystem::LButtonDown(Window* window, Point client, unsigned flags) {
    HeadlessWindow* from = Find(window);
    if (!from) return false;
    return DeliverAtScreen(MouseMessage::LButtonDown, from, from->ClientToScreen(client), flags);
}

bool HeadlessWindowSystem::RButtonDown(Window* window, Point client, unsigned flags) {
    HeadlessWindow* from = Find(window);
    if (!from) return false;
    return DeliverAtScreen(MouseMessage::RButtonDown, from, from->ClientToScreen(client), flags);
}

bool HeadlessWindowSystem::MouseMoveOnScreen(Point screen, unsigned flags) {
    return DeliverAtScreen(MouseMessage::Move, nullptr, screen, flags);
}

bool HeadlessWindowSystem::KeyDown(Window* window, unsigned virtualKey, unsigned flags) {
    HeadlessWindow* target = Find(window);
    if (!target) return false;
    Pump();
    const bool delivered = target->IsWindow() && target->IsVisible();
    if (delivered && target->Listener()) target->Listener()->OnKeyDown(virtualKey, flags);
    HandlePostedCloses();
    return delivered;
}

bool HeadlessWindowSystem::DeliverAtScreen(MouseMessage message, HeadlessWindow* from, Point screen,
                                           unsigned flags) {
    Pump();
    if (message == MouseMessage::Move) SetCursorPos(screen);
    HeadlessWindow* target = capture_;
    if (!target) {
        target = from ? from : WindowAt(screen);
        if (target && !target->GetClientRect().Contains(target->ScreenToClient(screen)))
            target = nullptr;
        if (target && !target->IsVisible()) target = nullptr;
    }
    const bool delivered = target && DeliverMouse(message, target, screen, flags);
    HandlePostedCloses();
    return delivered;
}

bool HeadlessWindowSystem::DeliverMouse(MouseMessage message, HeadlessWindow* target, Point screen,
                                        unsigned flags) {
    if (!target->IsWindow()) return false;
    // Without capture, WM_SETCURSOR comes first and its default shows the class's arrow.
    if (target != capture_) cursor_ = CursorShape::Arrow;
    WindowListener* listener = target->Listener();
    if (!listener) return true;
    const Point client = target->ScreenToClient(screen);
    switch (message) {
        case MouseMessage::Move:
            listener->OnMouseMove(flags, client);
            break;
        case MouseMessage::LButtonDown:
            listener->OnLButtonDown(flags, client);
            break;
        case MouseMessage::RButtonDown:
            listener->OnRButtonDown(flags, client);
            break;
    }
    return true;
}

HeadlessWindow* HeadlessWindowSystem::WindowAt(Point screen) const {
    // Later windows lie above earlier ones, and a child above its parent (made after it).
    for (auto it = windows_.rbegin(); it != windows_.rend(); ++it) {
        HeadlessWindow* window = *it;
        if (window->IsWindow() && window->IsVisible() && window->GetWindowRect().Contains(screen))
            return window;
    }
    return nullptr;
}

raster::Surface HeadlessWindowSystem::ClientSurface(const Window* window) const {
    HeadlessWindow* found = Find(window);
    return found ? found->ClientPixels() : raster::Surface();
}

std::vector<HeadlessWindow*> HeadlessWindowSystem::Windows() const {
    std::vector<HeadlessWindow*> live;
    for (HeadlessWindow* window : windows_)
        if (window->IsWindow()) live.push_back(window);
    return live;
}

HeadlessWindow* HeadlessWindowSystem::Find(const Window* window) const {
    if (!window) return nullptr;
    for (HeadlessWindow* candidate : windows_)
        if (candidate == window) return candidate;
    return nullptr;
}

void HeadlessWindowSystem::WindowDestroyed(HeadlessWindow* window) {
    if (capture_ == window) capture_ = nullptr;
    if (mainWindow_ == window) mainWindow_ = nullptr;
}

void HeadlessWindowSystem::DestroyChildren(HeadlessWindow* window) {
    // Children die with their parent, after it.
    for (HeadlessWindow* child : Windows())
        if (child->Parent() == window) child->Destroy();
}

void HeadlessWindowSystem::WindowDeleted(HeadlessWindow* window) {
    windows_.erase(std::remove(windows_.begin(), windows_.end(), window), windows_.end());
}

}  // namespace platform
