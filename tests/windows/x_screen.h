// The X screen the Wine programs draw on: finding their windows, grabbing
// pixels, and a user's pointer (XTest).
#pragma once

#include <string>

#include "platform/types.h"
#include "scenes.h"

struct _XDisplay;

namespace wintest {

class XScreen {
  public:
    explicit XScreen(const std::string& display);
    ~XScreen();
    XScreen(const XScreen&) = delete;
    XScreen& operator=(const XScreen&) = delete;

    bool ok() const { return display_ != nullptr; }

    // The rectangle, in screen pixels, of a mapped window whose name is `name`;
    // false when there is none.
    bool FindWindow(const std::string& name, platform::Rect* rect);
    // Waits up to timeoutMs for it.
    bool WaitForWindow(const std::string& name, int timeoutMs, platform::Rect* rect);

    bool Grab(const platform::Rect& rect, scenes::Picture* picture);

    void MovePointer(int x, int y);
    void Click();

  private:
    ::_XDisplay* display_ = nullptr;
};

}  // namespace wintest
