// What tests do on an X display as a user would: look at the screen, move and
// click the pointer and press keys through XTest, find windows by name.
#pragma once

#include <X11/Xlib.h>

#include <string>
#include <vector>

#include "platform/raster/surface.h"
#include "platform/types.h"

namespace gui_test {

class XSession {
  public:
    explicit XSession(const std::string& display);
    ~XSession();
    XSession(const XSession&) = delete;
    XSession& operator=(const XSession&) = delete;

    bool ok() const { return display_ != nullptr; }
    Display* display() const { return display_; }

    // The screen's pixels in the rectangle, as 0x00RRGGBB.
    platform::raster::Surface Grab(const platform::Rect& area);

    void MovePointer(int x, int y);
    platform::Point PointerPosition();
    void Click(unsigned button);  // 1 left, 3 right
    void PressKey(const char* keysymName);

    // Mapped windows anywhere in the tree whose WM_NAME is exactly `name`.
    std::vector<::Window> FindWindows(const std::string& name);
    platform::Rect WindowRect(::Window window);  // screen coordinates

    // The current cursor's picture and hot spot (XFixes).
    bool CursorImage(platform::raster::Surface* pixels, platform::Point* hotspot);

  private:
    Display* display_ = nullptr;
};

}  // namespace gui_test
