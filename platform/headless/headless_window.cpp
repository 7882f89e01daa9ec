#include "platform/headless/headless_window.h"

#include <algorithm>
#include <cstdint>

#include "platform/headless/headless_window_system.h"
#include "platform/platform.h"
#include "platform/raster/raster_dc.h"

namespace platform {

namespace {

// Screen and client positions saturate at the ends of the range, so a point
// far outside any window stays far outside instead of wrapping into one.
int Clamped(std::int64_t v) { return int(std::clamp<std::int64_t>(v, INT32_MIN, INT32_MAX)); }

}  // namespace

HeadlessWindow::HeadlessWindow(HeadlessWindowSystem* system, const WindowParams& params,
                               WindowListener* listener, HeadlessWindow* parent)
    : system_(system),
      params_(params),
      listener_(listener),
      parent_(parent),
      needsPaint_(true),
      pixels_(params.width, params.height, false, raster::PixelOf(kHeadlessUnpaintedColor)) {
    DrawBorder();
}

HeadlessWindow::~HeadlessWindow() {
    Destroy();
    if (system_) system_->WindowDeleted(this);
}

void HeadlessWindow::DrawBorder() {
    if (!(params_.style & ws::Border)) return;
    const raster::Pixel frame = raster::PixelOf(kHeadlessBorderColor);
    for (int x = 0; x < pixels_.width; ++x) {
        pixels_.At(x, 0) = frame;
        pixels_.At(x, pixels_.height - 1) = frame;
    }
    for (int y = 0; y < pixels_.height; ++y) {
        pixels_.At(0, y) = frame;
        pixels_.At(pixels_.width - 1, y) = frame;
    }
}

void HeadlessWindow::Destroy() {
    if (!alive_) return;
    // As DestroyWindow: the window is gone before its listener hears of it, and
    // its children go with it.
    alive_ = false;
    timers_.clear();
    // The listener may delete this object in OnDestroy: nothing of it is used after.
    HeadlessWindowSystem* system = system_;
    if (system) system->WindowDestroyed(this);
    if (listener_) listener_->OnDestroy();
    if (system) system->DestroyChildren(this);
}

void HeadlessWindow::Detach() {
    alive_ = false;
    timers_.clear();
    system_ = nullptr;
}

bool HeadlessWindow::IsVisible() const {
    if (!(params_.style & ws::Visible)) return false;
    return !parent_ || parent_->IsVisible();
}

Point HeadlessWindow::ClientOffset() const {
    const bool border = (params_.style & ws::Border) && params_.width >= 2 && params_.height >= 2;
    return border ? Point{1, 1} : Point{0, 0};
}

Rect HeadlessWindow::GetClientRect() const {
    const Point offset = ClientOffset();
    return Rect{0, 0, params_.width - 2 * offset.x, params_.height - 2 * offset.y};
}

Rect HeadlessWindow::GetWindowRect() const {
    Point origin{params_.x, params_.y};
    if (parent_ && (params_.style & ws::Child)) origin = parent_->ClientToScreen(origin);
    return Rect{origin.x, origin.y, Clamped(std::int64_t(origin.x) + params_.width),
                Clamped(std::int64_t(origin.y) + params_.height)};
}

Point HeadlessWindow::ClientToScreen(Point client) const {
    const Rect frame = GetWindowRect();
    const Point offset = ClientOffset();
    return Point{Clamped(std::int64_t(frame.left) + offset.x + client.x),
                 Clamped(std::int64_t(frame.top) + offset.y + client.y)};
}

Point HeadlessWindow::ScreenToClient(Point screen) const {
    const Point origin = ClientToScreen(Point{0, 0});
    return Point{Clamped(std::int64_t(screen.x) - origin.x),
                 Clamped(std::int64_t(screen.y) - origin.y)};
}

std::unique_ptr<DC> HeadlessWindow::MakeClientDC() {
    const Point offset = ClientOffset();
    const Rect client = GetClientRect();
    return std::make_unique<raster::RasterDC>(
        &pixels_, offset,
        Rect{offset.x, offset.y, offset.x + client.right, offset.y + client.bottom});
}

DC* HeadlessWindow::GetDC() {
    if (!alive_) return nullptr;
    lentDCs_.push_back(MakeClientDC());
    return lentDCs_.back().get();
}

void HeadlessWindow::ReleaseDC(DC* dc) {
    auto it = std::find_if(lentDCs_.begin(), lentDCs_.end(),
                           [dc](const std::unique_ptr<DC>& lent) { return lent.get() == dc; });
    if (it == lentDCs_.end()) {
        Trace("ReleaseDC: a device context this window did not lend\n");
        return;
    }
    lentDCs_.erase(it);
}

DC* HeadlessWindow::BeginPaint() {
    if (!inPaint_ || paintDC_) {
        Trace("BeginPaint outside WM_PAINT or twice in one paint\n");
        return nullptr;
    }
    paintDC_ = MakeClientDC();
    needsPaint_ = false;
    return paintDC_.get();
}

void HeadlessWindow::EndPaint() { paintDC_.reset(); }

int HeadlessWindow::OpenDCCount() const { return int(lentDCs_.size()) + (paintDC_ ? 1 : 0); }

void HeadlessWindow::Paint() {
    if (!alive_ || !IsVisible()) return;
    if (listener_) {
        std::unique_ptr<DC> eraseDC = MakeClientDC();
        // No class background brush: an unhandled erase leaves the pixels as they are.
        listener_->OnEraseBkgnd(*eraseDC);
    }
    inPaint_ = true;
    if (listener_ && alive_) listener_->OnPaint();
    inPaint_ = false;
    paintDC_.reset();  // a forgotten EndPaint
    // A paint that never began still leaves the window valid, as DefWindowProc does.
    needsPaint_ = false;
}

void HeadlessWindow::RedrawNow() {
    Invalidate();
    Paint();
}

unsigned HeadlessWindow::SetTimer(unsigned id, unsigned milliseconds) {
    if (!alive_ || id == 0) return 0;
    timers_[id] = milliseconds;  // an existing id is reset to the new interval
    return id;
}

bool HeadlessWindow::KillTimer(unsigned id) { return timers_.erase(id) > 0; }

void HeadlessWindow::SetCapture() {
    if (alive_ && system_) system_->CaptureTo(this);
}

void HeadlessWindow::ReleaseCapture() {
    // ReleaseCapture frees the capture whichever window of the thread holds it.
    if (system_) system_->ReleaseCaptureFrom();
}

raster::Surface HeadlessWindow::ClientPixels() const {
    const Point offset = ClientOffset();
    const Rect client = GetClientRect();
    raster::Surface out(client.right, client.bottom);
    for (int y = 0; y < out.height; ++y)
        for (int x = 0; x < out.width; ++x) out.At(x, y) = pixels_.At(x + offset.x, y + offset.y);
    return out;
}

}  // namespace platform
