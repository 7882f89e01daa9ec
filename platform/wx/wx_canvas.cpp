#include "platform/wx/wx_canvas.h"

#include <wx/dcclient.h>
#include <wx/defs.h>

#include "platform/types.h"
#include "platform/wx/wx_window.h"

namespace platform::wx {

namespace {
unsigned KeyFlags(const wxMouseEvent& event) {
    unsigned flags = 0;
    if (event.LeftIsDown()) flags |= mk::LButton;
    if (event.RightIsDown()) flags |= mk::RButton;
    return flags;
}

Point ClientPoint(const wxMouseEvent& event) {
    const wxPoint p = event.GetPosition();
    return Point{p.x, p.y};
}
}  // namespace

unsigned VirtualKeyOf(int wxKeyCode) {
    switch (wxKeyCode) {
        case WXK_TAB:
        case WXK_NUMPAD_TAB:
            return vk::Tab;
        case WXK_RETURN:
        case WXK_NUMPAD_ENTER:
            return vk::Return;
        case WXK_ESCAPE:
            return vk::Escape;
        case WXK_SPACE:
        case WXK_NUMPAD_SPACE:
            return vk::Space;
        case WXK_LEFT:
        case WXK_NUMPAD_LEFT:
            return vk::Left;
        case WXK_UP:
        case WXK_NUMPAD_UP:
            return vk::Up;
        case WXK_RIGHT:
        case WXK_NUMPAD_RIGHT:
            return vk::Right;
        case WXK_DOWN:
        case WXK_NUMPAD_DOWN:
            return vk::Down;
        default:
            return 0;
    }
}

WxCanvas::WxCanvas(wxWindow* parent, const wxPoint& pos, const wxSize& size, WxWindow* owner)
    : owner_(owner) {
    // The engine paints every pixel: no background erase, so no flicker.
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    // Tab and Enter come to the menu, not to the toolkit's focus navigation.
    Create(parent, wxID_ANY, pos, size, wxBORDER_NONE | wxFULL_REPAINT_ON_RESIZE | wxWANTS_CHARS);
    Bind(wxEVT_PAINT, &WxCanvas::OnPaintEvent, this);
    Bind(wxEVT_ERASE_BACKGROUND, &WxCanvas::OnEraseEvent, this);
    Bind(wxEVT_MOTION, &WxCanvas::OnMotion, this);
    // X reports a pointer that jumps into a window only as an enter; Windows sends a move.
    Bind(wxEVT_ENTER_WINDOW, &WxCanvas::OnMotion, this);
    Bind(wxEVT_LEFT_DOWN, &WxCanvas::OnLeftDown, this);
    Bind(wxEVT_LEFT_UP, &WxCanvas::OnLeftUp, this);
    Bind(wxEVT_LEFT_DCLICK, &WxCanvas::OnLeftDoubleClick, this);
    Bind(wxEVT_RIGHT_DOWN, &WxCanvas::OnRightDown, this);
    Bind(wxEVT_KEY_DOWN, &WxCanvas::OnKeyDownEvent, this);
    Bind(wxEVT_KEY_UP, &WxCanvas::OnKeyUpEvent, this);
    // The release of a key held as the focus left goes elsewhere.
    Bind(wxEVT_KILL_FOCUS, [this](wxFocusEvent& event) {
        heldKey_ = 0;
        event.Skip();
    });
    Bind(wxEVT_MOUSE_CAPTURE_LOST, &WxCanvas::OnCaptureLost, this);
    Bind(wxEVT_TIMER, &WxCanvas::OnTimerEvent, this);
    Bind(wxEVT_SIZE, &WxCanvas::OnSizeEvent, this);
}

WxCanvas::~WxCanvas() {
    if (owner_) owner_->CanvasGone();
}

void WxCanvas::OnPaintEvent(wxPaintEvent&) {
    wxPaintDC dc(this);  // GTK wants one in every paint handler
    if (owner_) owner_->HandlePaint(dc);
}

void WxCanvas::OnEraseEvent(wxEraseEvent&) {}

void WxCanvas::OnMotion(wxMouseEvent& event) {
    if (owner_) owner_->HandleMouseMove(KeyFlags(event), ClientPoint(event));
    event.Skip();
}

void WxCanvas::OnLeftDown(wxMouseEvent& event) {
    if (owner_) owner_->HandleLButtonDown(KeyFlags(event) | mk::LButton, ClientPoint(event));
    event.Skip();
}

void WxCanvas::OnLeftUp(wxMouseEvent& event) {
    if (owner_) owner_->HandleLButtonUp(KeyFlags(event) & ~mk::LButton, ClientPoint(event));
    event.Skip();
}

void WxCanvas::OnLeftDoubleClick(wxMouseEvent& event) {
    if (owner_) owner_->HandleLButtonDblClk(KeyFlags(event) | mk::LButton, ClientPoint(event));
    event.Skip();
}

void WxCanvas::OnRightDown(wxMouseEvent& event) {
    if (owner_) owner_->HandleRButtonDown(KeyFlags(event) | mk::RButton, ClientPoint(event));
    event.Skip();
}

void WxCanvas::OnKeyDownEvent(wxKeyEvent& event) {
    const unsigned key = VirtualKeyOf(event.GetKeyCode());
    // Shortcuts with Ctrl or Alt belong to whoever else wants them.
    if (!owner_ || key == 0 || event.HasModifiers()) {
        event.Skip();
        return;
    }
    unsigned flags = 0;
    if (event.ShiftDown()) flags |= keyflag::Shift;
    // wxGTK leaves IsAutoRepeat() unset: a key pressed again before its release repeats.
    if (key == heldKey_) flags |= keyflag::Repeat;
    heldKey_ = key;
    owner_->HandleKeyDown(key, flags);
}

void WxCanvas::OnKeyUpEvent(wxKeyEvent& event) {
    if (VirtualKeyOf(event.GetKeyCode()) == heldKey_) heldKey_ = 0;
    event.Skip();
}

void WxCanvas::OnCaptureLost(wxMouseCaptureLostEvent&) {
    if (owner_) owner_->HandleCaptureLost();
}

void WxCanvas::OnTimerEvent(wxTimerEvent& event) {
    if (owner_) owner_->HandleTimer(static_cast<unsigned>(event.GetId()));
}

void WxCanvas::OnSizeEvent(wxSizeEvent& event) {
    if (owner_) owner_->HandleResize(GetClientSize().x, GetClientSize().y);
    event.Skip();
}

}  // namespace platform::wx
