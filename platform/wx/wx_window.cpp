#include "platform/wx/wx_window.h"

#include <wx/app.h>
#include <wx/dcclient.h>
#include <wx/frame.h>

#include <algorithm>

#include "platform/platform.h"
#include "platform/wx/surface_bitmap.h"
#include "platform/wx/wx_canvas.h"
#include "platform/wx/wx_window_system.h"

namespace platform::wx {

namespace {
// Win32 raises shorter intervals to USER_TIMER_MINIMUM.
constexpr unsigned kMinTimerInterval = 10;

wxColour WxColourOf(ColorRef c) { return wxColour(RedOf(c), GreenOf(c), BlueOf(c)); }
}  // namespace

WxWindow::WxWindow(WxWindowSystem* system, const WindowParams& params, WindowListener* listener,
                   wxWindow* parent)
    : system_(system), listener_(listener) {
    MakeNative(params, parent);
}

WxWindow::~WxWindow() {
    Destroy();
    timers_.clear();
    if (system_) system_->WindowDeleted(this);
}

void WxWindow::MakeNative(const WindowParams& params, wxWindow* parent) {
    const int width = std::max(params.width, 0);
    const int height = std::max(params.height, 0);
    const int inset = (params.style & ws::Border) && width >= 2 && height >= 2 ? 1 : 0;
    const wxPoint pos(params.x, params.y);
    const wxSize size(width, height);

    if ((params.style & ws::Child) && parent) {
        outer_ = new wxWindow(parent, wxID_ANY, pos, size, wxBORDER_NONE);
    } else {
        // No caption: an undecorated frame whose outer rectangle is exactly the requested one.
        outer_ = new wxFrame(parent, wxID_ANY, wxString::FromUTF8(params.title.c_str()), pos, size,
                             wxBORDER_NONE);
        topLevel_ = true;
    }
    outer_->Hide();
    outer_->SetBackgroundColour(WxColourOf(kBorderColor));

    const wxSize client(width - 2 * inset, height - 2 * inset);
    canvas_ = new WxCanvas(outer_, wxPoint(inset, inset), client, this);
    surface_ =
        raster::Surface(client.x, client.y, false, raster::PixelOf(kUnpaintedColor), &presenter_);

    WxCanvas* canvas = canvas_;
    // Keep the client inside the border (a frame would otherwise stretch its only child).
    outer_->Bind(wxEVT_SIZE, [canvas, inset](wxSizeEvent& event) {
        const wxSize outer = event.GetSize();
        canvas->SetSize(inset, inset, outer.x - 2 * inset, outer.y - 2 * inset);
    });
    outer_->Bind(wxEVT_CLOSE_WINDOW, [canvas](wxCloseEvent& event) {
        if (canvas->Owner()) {
            canvas->Owner()->Close();
        } else {
            event.Skip();
        }
    });
}

void WxWindow::Destroy() {
    if (!canvas_) return;
    WxCanvas* canvas = canvas_;
    wxWindow* outer = outer_;
    if (canvas->HasCapture()) canvas->ReleaseMouse();
    canvas->Detach();
    Forget();
    // A frame goes at the next idle time (it may be inside its own event); a child at once.
    outer->Destroy();
}

void WxWindow::CanvasGone() { Forget(); }

void WxWindow::Forget() {
    for (auto& entry : timers_) entry.second->Stop();
    canvas_ = nullptr;
    outer_ = nullptr;
    if (system_) system_->WindowDestroyed(this);
    if (listener_) listener_->OnDestroy();
}

Rect WxWindow::GetClientRect() const { return Rect{0, 0, surface_.width, surface_.height}; }

Rect WxWindow::GetWindowRect() const {
    if (!outer_) return Rect{};
    const wxRect r = outer_->GetScreenRect();
    return Rect{r.x, r.y, r.x + r.width, r.y + r.height};
}

wxWindow* WxWindow::ClientWindow() const { return canvas_; }

std::unique_ptr<raster::RasterDC> WxWindow::MakeClientDC() {
    return std::make_unique<raster::RasterDC>(&surface_, Point{0, 0},
                                              Rect{0, 0, surface_.width, surface_.height});
}

DC* WxWindow::GetDC() {
    if (!canvas_) return nullptr;
    presenter_.Settle();
    lentDCs_.push_back(MakeClientDC());
    return lentDCs_.back().get();
}

void WxWindow::ReleaseDC(DC* dc) {
    auto it =
        std::find_if(lentDCs_.begin(), lentDCs_.end(),
                     [dc](const std::unique_ptr<raster::RasterDC>& d) { return d.get() == dc; });
    if (it == lentDCs_.end()) {
        Trace("ReleaseDC: a device context this window did not lend\n");
        return;
    }
    // What was drawn through a window DC shows at once, without a paint; only
    // that part goes to the screen.
    const Rect drawn = (*it)->Written();
    lentDCs_.erase(it);
    Present(drawn);
}

DC* WxWindow::BeginPaint() {
    if (!inPaint_ || paintDC_) {
        Trace("BeginPaint outside WM_PAINT or twice in one paint\n");
        return nullptr;
    }
    paintDC_ = MakeClientDC();
    return paintDC_.get();
}

void WxWindow::EndPaint() { paintDC_.reset(); }

void WxWindow::PaintSurface() {
    presenter_.Settle();
    if (listener_) {
        std::unique_ptr<raster::RasterDC> eraseDC = MakeClientDC();
        listener_->OnEraseBkgnd(*eraseDC);
    }
    inPaint_ = true;
    if (listener_ && canvas_) listener_->OnPaint();
    inPaint_ = false;
    paintDC_.reset();
}

void WxWindow::HandlePaint(wxDC& dc) {
    PaintSurface();
    if (!canvas_) return;
    PresentSurface(dc, surface_, shown_, GetClientRect());
    // The toolkit shows a paint once the whole frame is drawn; the first one
    // also goes to the server at once, so the picture does not wait for the
    // rest of a window's first paint.
    if (painted_) return;
    painted_ = true;
    if (presenter_.Present(*canvas_, surface_, GetClientRect())) presenter_.Flush();
}

void WxWindow::RedrawNow() {
    if (!canvas_) return;
    PaintSurface();
    // Not on screen yet: the first expose shows the surface.
    Present(GetClientRect());
}

void WxWindow::RedrawArea(const Rect& area) {
    if (!canvas_) return;
    PaintSurface();
    Present(area);
}

void WxWindow::Present(const Rect& area) {
    if (!canvas_ || !canvas_->IsShownOnScreen()) return;
    const Rect part{std::max(area.left, 0), std::max(area.top, 0),
                    std::min(area.right, surface_.width), std::min(area.bottom, surface_.height)};
    if (part.right <= part.left || part.bottom <= part.top) return;
    if (presenter_.Present(*canvas_, surface_, part)) return;
    wxClientDC dc(canvas_);
    PresentSurface(dc, surface_, shown_, part);
}

unsigned WxWindow::SetTimer(unsigned id, unsigned milliseconds) {
    if (!canvas_) return 0;
    std::unique_ptr<wxTimer>& timer = timers_[id];
    if (!timer) timer = std::make_unique<wxTimer>(canvas_, static_cast<int>(id));
    const unsigned interval = std::max(milliseconds, kMinTimerInterval);
    return timer->Start(static_cast<int>(interval)) ? id : 0;
}

bool WxWindow::KillTimer(unsigned id) {
    auto it = timers_.find(id);
    if (it == timers_.end() || !it->second->IsRunning()) return false;
    it->second->Stop();
    return true;
}

void WxWindow::HandleTimer(unsigned id) {
    auto it = timers_.find(id);
    if (it == timers_.end() || !it->second->IsRunning()) return;
    if (listener_) listener_->OnTimer(id);
}

void WxWindow::SetCapture() {
    if (canvas_ && !canvas_->HasCapture()) canvas_->CaptureMouse();
}

void WxWindow::ReleaseCapture() {
    if (canvas_ && canvas_->HasCapture()) canvas_->ReleaseMouse();
    // The class cursor (the arrow) returns once the capture is gone.
    SetClientCursor(wxNullCursor);
}

void WxWindow::HandleCaptureLost() { SetClientCursor(wxNullCursor); }

void WxWindow::SetClientCursor(const wxCursor& cursor) {
    if (canvas_) canvas_->SetCursor(cursor);
}

void WxWindow::HandleMouseMove(unsigned flags, Point client) {
    if (system_) system_->NoteMouseWindow(this);
    if (listener_) listener_->OnMouseMove(flags, client);
}

void WxWindow::HandleLButtonDown(unsigned flags, Point client) {
    if (system_) system_->NoteMouseWindow(this);
    // A child window (the editor's preview) takes the keys once clicked.
    if (canvas_ && !canvas_->HasFocus()) canvas_->SetFocus();
    if (listener_) listener_->OnLButtonDown(flags, client);
}

void WxWindow::HandleLButtonUp(unsigned flags, Point client) {
    if (listener_) listener_->OnLButtonUp(flags, client);
}

void WxWindow::HandleLButtonDblClk(unsigned flags, Point client) {
    if (system_) system_->NoteMouseWindow(this);
    if (listener_) listener_->OnLButtonDblClk(flags, client);
}

void WxWindow::HandleRButtonDown(unsigned flags, Point client) {
    if (system_) system_->NoteMouseWindow(this);
    if (listener_) listener_->OnRButtonDown(flags, client);
}

void WxWindow::HandleKeyDown(unsigned virtualKey, unsigned flags) {
    if (listener_) listener_->OnKeyDown(virtualKey, flags);
}

void WxWindow::HandleResize(int width, int height) {
    if (width < 0 || height < 0 || (width == surface_.width && height == surface_.height)) return;
    raster::Surface resized(width, height, false, raster::PixelOf(kUnpaintedColor), &presenter_);
    for (int y = 0; y < std::min(height, surface_.height); ++y) {
        for (int x = 0; x < std::min(width, surface_.width); ++x) {
            resized.At(x, y) = surface_.At(x, y);
        }
    }
    surface_ = std::move(resized);
}

}  // namespace platform::wx
