// A platform::Window that other windows can be children of in wx.
#pragma once

class wxWindow;

namespace platform::wx {

class WxNativeParent {
  public:
    virtual ~WxNativeParent() = default;
    // The wx window whose client area children are placed in; null once it is gone.
    virtual wxWindow* ClientWindow() const = 0;
};

}  // namespace platform::wx
