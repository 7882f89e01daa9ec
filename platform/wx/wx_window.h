// A host window in wx. The native side is an outer window (a caption-less
// frame for a top-level window, a plain child window otherwise) whose
// one-pixel black border surrounds a WxCanvas, the client area. The client's
// pixels live in a backing surface: device contexts draw into it, paints and
// released DCs show it on screen.
#pragma once

#include <wx/bitmap.h>
#include <wx/timer.h>
#include <wx/window.h>

#include <map>
#include <memory>
#include <vector>

#include "platform/raster/raster_dc.h"
#include "platform/raster/surface.h"
#include "platform/window.h"
#include "platform/wx/wx_native_parent.h"
#include "platform/wx/x_shm_present.h"

class wxDC;

namespace platform::wx {

class WxCanvas;
class WxWindowSystem;

// WS_BORDER's frame colour (COLOR_WINDOWFRAME), and the client before its first paint.
constexpr ColorRef kBorderColor = Rgb(0, 0, 0);
constexpr ColorRef kUnpaintedColor = Rgb(255, 255, 255);

class WxWindow : public Window, public WxNativeParent {
  public:
    // Makes the native windows; check IsWindow() afterwards.
    WxWindow(WxWindowSystem* system, const WindowParams& params, WindowListener* listener,
             wxWindow* parent);
    ~WxWindow() override;
    WxWindow(const WxWindow&) = delete;
    WxWindow& operator=(const WxWindow&) = delete;

    // Window.
    bool IsWindow() const override { return canvas_ != nullptr; }
    void Destroy() override;
    Rect GetClientRect() const override;
    Rect GetWindowRect() const override;
    DC* GetDC() override;
    void ReleaseDC(DC* dc) override;
    DC* BeginPaint() override;
    void EndPaint() override;
    void RedrawNow() override;
    void RedrawArea(const Rect& area) override;
    unsigned SetTimer(unsigned id, unsigned milliseconds) override;
    bool KillTimer(unsigned id) override;
    void SetCapture() override;
    void ReleaseCapture() override;

    wxWindow* ClientWindow() const override;

    // WM_CLOSE's default: destroy.
    void Close() { Destroy(); }
    bool IsTopLevel() const { return topLevel_; }
    wxWindow* Outer() const { return outer_; }
    WxCanvas* Canvas() const { return canvas_; }
    const raster::Surface& Pixels() const { return surface_; }
    void SetClientCursor(const wxCursor& cursor);

    // From WxCanvas.
    void HandlePaint(wxDC& dc);
    void HandleMouseMove(unsigned flags, Point client);
    void HandleLButtonDown(unsigned flags, Point client);
    void HandleLButtonUp(unsigned flags, Point client);
    void HandleLButtonDblClk(unsigned flags, Point client);
    void HandleRButtonDown(unsigned flags, Point client);
    void HandleKeyDown(unsigned virtualKey, unsigned flags);
    void HandleCaptureLost();
    void HandleTimer(unsigned id);
    void HandleResize(int width, int height);
    void CanvasGone();  // wx destroyed the native window under us
    void DetachSystem() { system_ = nullptr; }

  private:
    void MakeNative(const WindowParams& params, wxWindow* parent);
    std::unique_ptr<raster::RasterDC> MakeClientDC();
    void PaintSurface();             // WM_ERASEBKGND and WM_PAINT into the surface
    void Present(const Rect& area);  // part of the surface to the screen, outside a paint
    void Forget();                   // the native side is gone: stop timers, tell the listener

    WxWindowSystem* system_;
    WindowListener* listener_;
    bool topLevel_ = false;
    wxWindow* outer_ = nullptr;
    WxCanvas* canvas_ = nullptr;
    XShmPresenter presenter_;  // before the surface, whose pixels it may hold
    raster::Surface surface_;
    wxBitmap shown_;  // the surface as last presented, reused by every present
    std::vector<std::unique_ptr<raster::RasterDC>> lentDCs_;
    std::unique_ptr<raster::RasterDC> paintDC_;
    bool inPaint_ = false;
    bool painted_ = false;
    // Stopped timers are kept, not deleted: KillTimer may run inside the timer's own event.
    std::map<unsigned, std::unique_ptr<wxTimer>> timers_;
};

}  // namespace platform::wx
