// The client area of a host window: the wx window that receives paint, mouse,
// key and timer events and hands them to its WxWindow while it has one.
#pragma once

#include <wx/timer.h>
#include <wx/window.h>

namespace platform::wx {

class WxWindow;

// The vk:: code of a wx key code, 0 for keys the menu does not use.
unsigned VirtualKeyOf(int wxKeyCode);

class WxCanvas : public wxWindow {
  public:
    WxCanvas(wxWindow* parent, const wxPoint& pos, const wxSize& size, WxWindow* owner);
    ~WxCanvas() override;

    WxWindow* Owner() const { return owner_; }
    // After this no event reaches the owner (it is going away).
    void Detach() { owner_ = nullptr; }

  private:
    void OnPaintEvent(wxPaintEvent& event);
    void OnEraseEvent(wxEraseEvent& event);
    void OnMotion(wxMouseEvent& event);
    void OnLeftDown(wxMouseEvent& event);
    void OnLeftUp(wxMouseEvent& event);
    void OnLeftDoubleClick(wxMouseEvent& event);
    void OnRightDown(wxMouseEvent& event);
    void OnKeyDownEvent(wxKeyEvent& event);
    void OnKeyUpEvent(wxKeyEvent& event);
    void OnCaptureLost(wxMouseCaptureLostEvent& event);
    void OnTimerEvent(wxTimerEvent& event);
    void OnSizeEvent(wxSizeEvent& event);

    WxWindow* owner_;
    unsigned heldKey_ = 0;  // the vk:: code down and not yet released
};

}  // namespace platform::wx
