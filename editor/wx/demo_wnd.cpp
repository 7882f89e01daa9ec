#include "editor/wx/demo_wnd.h"

#include "editor/editor_controller.h"
#include "platform/wx/wx_window.h"

namespace {

platform::wx::WxWindow* MenuWindow(EditorController* editor) {
    CInstallerWnd* project = editor ? editor->Project() : nullptr;
    auto* menu = project ? dynamic_cast<platform::wx::WxWindow*>(project->Wnd.get()) : nullptr;
    return menu && menu->IsWindow() ? menu : nullptr;
}

}  // namespace

CDemoWnd::CDemoWnd(wxWindow* parent, EditorController& editor)
    : wxWindow(parent, wxID_ANY, wxDefaultPosition, wxSize(100, 100)), editor_(&editor) {
    Bind(wxEVT_SIZE, &CDemoWnd::OnSize, this);
}

void CDemoWnd::FocusPreview() {
    if (platform::wx::WxWindow* menu = MenuWindow(editor_)) menu->ClientWindow()->SetFocus();
}

void CDemoWnd::OnSize(wxSizeEvent& event) {
    event.Skip();
    platform::wx::WxWindow* menu = MenuWindow(editor_);
    if (!menu) return;
    const wxSize area = GetClientSize();
    const platform::Rect place = PreviewPlace(area.x, area.y);
    menu->Outer()->SetSize(place.left, place.top, place.Width(), place.Height());
    menu->Outer()->Refresh();
}
