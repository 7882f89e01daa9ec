// A window without a display: a surface of the window's full size, border
// included, that window device contexts draw into. Messages reach the listener
// only when HeadlessWindowSystem delivers them, so tests decide their order.
#pragma once

#include <map>
#include <memory>
#include <vector>

#include "platform/raster/surface.h"
#include "platform/types.h"
#include "platform/window.h"

namespace platform {

class HeadlessWindowSystem;

// WS_BORDER's one-pixel frame (COLOR_WINDOWFRAME).
constexpr ColorRef kHeadlessBorderColor = Rgb(0, 0, 0);
// What a client area shows before anything paints it.
constexpr ColorRef kHeadlessUnpaintedColor = Rgb(255, 255, 255);

class HeadlessWindow : public Window {
  public:
    HeadlessWindow(HeadlessWindowSystem* system, const WindowParams& params,
                   WindowListener* listener, HeadlessWindow* parent);
    ~HeadlessWindow() override;
    HeadlessWindow(const HeadlessWindow&) = delete;
    HeadlessWindow& operator=(const HeadlessWindow&) = delete;

    // Window.
    bool IsWindow() const override { return alive_; }
    void Destroy() override;
    Rect GetClientRect() const override;
    Rect GetWindowRect() const override;
    DC* GetDC() override;
    void ReleaseDC(DC* dc) override;
    DC* BeginPaint() override;
    void EndPaint() override;
    void RedrawNow() override;
    unsigned SetTimer(unsigned id, unsigned milliseconds) override;
    bool KillTimer(unsigned id) override;
    void SetCapture() override;
    void ReleaseCapture() override;
    void LinkFocused(int index) override { focusedLinks_.push_back(index); }

    // Geometry.
    const WindowParams& Params() const { return params_; }
    HeadlessWindow* Parent() const { return parent_; }
    bool IsVisible() const;
    // Where the client area starts inside the window's own surface: (1, 1) with a border.
    Point ClientOffset() const;
    Point ClientToScreen(Point client) const;
    Point ScreenToClient(Point screen) const;

    // Pixels: the whole window, and a copy of its client area.
    const raster::Surface& Pixels() const { return pixels_; }
    raster::Surface ClientPixels() const;

    // Painting: a window is invalid from its creation (when visible) until painted.
    void Invalidate() { needsPaint_ = true; }
    bool NeedsPaint() const { return needsPaint_ && alive_ && IsVisible(); }
    // WM_ERASEBKGND then WM_PAINT, synchronously; validates the window.
    void Paint();

    // Bookkeeping that tests read to catch leaks and misuse.
    int OpenDCCount() const;  // GetDC without ReleaseDC, plus an open paint
    const std::map<unsigned, unsigned>& Timers() const { return timers_; }  // id -> ms

    WindowListener* Listener() const { return listener_; }
    // Each link a screen reader was told is focused, in order.
    const std::vector<int>& FocusedLinks() const { return focusedLinks_; }

  private:
    friend class HeadlessWindowSystem;
    // The window system goes away first: forget it and stop being a window, silently.
    void Detach();
    std::unique_ptr<DC> MakeClientDC();
    void DrawBorder();

    HeadlessWindowSystem* system_;
    WindowParams params_;
    WindowListener* listener_;
    HeadlessWindow* parent_;
    bool alive_ = true;
    std::vector<int> focusedLinks_;
    bool needsPaint_ = false;
    raster::Surface pixels_;
    std::vector<std::unique_ptr<DC>> lentDCs_;
    std::unique_ptr<DC> paintDC_;
    bool inPaint_ = false;
    std::map<unsigned, unsigned> timers_;
};

}  // namespace platform
