// A wx window made elsewhere (the editor's preview pane) seen as a
// platform::Window, so the menu window can be created as its child.
// It only answers geometry questions: it does not draw, time or capture,
// and destroying the wrapper leaves the wx window alone.
#pragma once

#include <wx/window.h>
// After the window header: it needs <type_traits> from there.
#include <wx/weakref.h>

#include "platform/window.h"
#include "platform/wx/wx_native_parent.h"

namespace platform::wx {

class WxParentWindow : public Window, public WxNativeParent {
  public:
    explicit WxParentWindow(wxWindow* window) : window_(window) {}

    wxWindow* ClientWindow() const override { return window_.get(); }

    bool IsWindow() const override { return window_.get() != nullptr; }
    void Destroy() override {}
    Rect GetClientRect() const override;
    Rect GetWindowRect() const override;
    DC* GetDC() override { return nullptr; }
    void ReleaseDC(DC*) override {}
    DC* BeginPaint() override { return nullptr; }
    void EndPaint() override {}
    void RedrawNow() override;
    unsigned SetTimer(unsigned, unsigned) override { return 0; }
    bool KillTimer(unsigned) override { return false; }
    void SetCapture() override {}
    void ReleaseCapture() override {}

  private:
    wxWeakRef<wxWindow> window_;
};

}  // namespace platform::wx
