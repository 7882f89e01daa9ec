#include "platform/wx/wx_canvas.h"

#include <wx/dcclient.h>

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

WxCanvas::WxCanvas(wxWindow* parent, const wxPoint& pos, const wxSize& size, WxWindow* owner)
    : owner_(owner) {
    // The engine paints every pixel: no background erase, so no flicker.
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    Create(parent, wxID_ANY, pos, size, wxBORDER_NONE | wxFULL_REPAINT_ON_RESIZE);
    Bind(wxEVT_PAINT, &WxCanvas::OnPaintEvent, this);
    Bind(wxEVT_ERASE_BACKGROUND, &WxCanvas::OnEraseEvent, this);
    Bind(wxEVT_MOTION, &WxCanvas::OnMotion, this);
    // X reports a pointer that jumps into a window only as an enter; Windows sends a move.
    Bind(wxEVT_ENTER_WINDOW, &WxCanvas::OnMotion, this);
    Bind(wxEVT_LEFT_DOWN, &WxCanvas::OnLeftDown, this);
    Bind(wxEVT_RIGHT_DOWN, &WxCanvas::OnRightDown, this);
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

void WxCanvas::OnRightDown(wxMouseEvent& event) {
    if (owner_) owner_->HandleRButtonDown(KeyFlags(event) | mk::RButton, ClientPoint(event));
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
