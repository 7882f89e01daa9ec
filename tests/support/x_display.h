// A private X server (Xvfb, 1024 x 768, 24 bits) and what a user does on it:
// look at the screen, move and click the pointer and press keys (XTest), find
// windows by name, see the cursor (XFixes).
#pragma once

#include <memory>

#include "platform/raster/surface.h"
#include "platform/types.h"
#include "process.h"

struct _XDisplay;

namespace xtest {

// Where the menu's 640 x 440 window shows, centred on this screen, and its
// client area inside a one-pixel border.
constexpr platform::Rect kMenuWindow{192, 164, 832, 604}, kMenuClient{193, 165, 831, 603};

class XDisplay {
  public:
    // `serverArgs` go to Xvfb after its own, e.g. {"-extension", "MIT-SHM"}.
    explicit XDisplay(const std::vector<std::string>& serverArgs = {});
    ~XDisplay();
    XDisplay(const XDisplay&) = delete;
    XDisplay& operator=(const XDisplay&) = delete;

    bool ok() const { return display_ != nullptr; }
    const std::string& name() const { return name_; }  // ":N"

    // The screen's pixels in the rectangle, as 0x00RRGGBB; empty on failure.
    platform::raster::Surface Grab(const platform::Rect& area);
    // Grabs every `intervalMs` until two grabs match (an animation is over);
    // empty when the picture never holds still within `tries`.
    platform::raster::Surface Settled(const platform::Rect& area, int intervalMs, int tries);

    void MovePointer(int x, int y);
    void Click(unsigned button = 1);  // 1 left, 3 right
    // One half of a click, so a test can drag.
    void Button(unsigned button, bool down);
    void PressKey(const char* keysymName);
    // One half of a press, so a test can hold Shift or let a key repeat.
    void KeyEvent(const char* keysymName, bool down);

    // Screen rectangles of the mapped windows whose WM_NAME is exactly `name`.
    std::vector<platform::Rect> FindWindows(const std::string& name);
    bool WaitForWindow(const std::string& name, int timeoutMs);

    bool CursorHotSpot(platform::Point* hotspot);

  private:
    std::unique_ptr<Child> server_;
    std::string name_;
    ::_XDisplay* display_ = nullptr;
};

// Pixels of `colour` inside `area`, clipped to the picture.
int CountColour(const platform::raster::Surface& s, const platform::Rect& area,
                platform::raster::Pixel colour);

// Two pictures of one size, pixel by pixel outside the `skip` rectangles.
struct Comparison {
    int compared = 0;
    int differing = 0;  // pixels with a channel more than the tolerance apart
    int worst = 0;      // the largest channel difference
};
Comparison Compare(const platform::raster::Surface& a, const platform::raster::Surface& b,
                   int tolerance, const std::vector<platform::Rect>& skip = {});

}  // namespace xtest
