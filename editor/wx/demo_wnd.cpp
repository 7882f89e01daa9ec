#include "editor/wx/demo_wnd.h"

#include "editor/wx/main_frame.h"
#include "editor/wx/tree_view.h"
#include "platform/wx/wx_window.h"

namespace {

constexpr int kMenuWidth = 640;
constexpr int kMenuHeight = 440;

// Centred while the pane is large enough, else at the edge and clipped.
int CentredOrigin(int area, int extent) { return area >= extent ? (area - extent) / 2 : 0; }

}  // namespace

CDemoWnd::CDemoWnd(wxWindow* parent, CMainFrame* frame)
    : wxWindow(parent, wxID_ANY, wxDefaultPosition, wxSize(100, 100)), frame_(frame) {
    Bind(wxEVT_SIZE, &CDemoWnd::OnSize, this);
}

CDemoWnd::~CDemoWnd() {
    if (frame_) FrameClosing();
}

void CDemoWnd::FrameClosing() {
    session_.PromptSave();
    session_.CloseProject();
    session_.DetachView();
    frame_ = nullptr;
}

void CDemoWnd::RebuildTree() {
    arranger_.WindowShown();
    if (!frame_ || !frame_->TreeView) return;
    frame_->TreeView->RebuildTree(session_.GetInstallerWnd());
    // Arranging, the preview's pick leads; otherwise the tree keeps its own.
    if (arranger_.IsOn()) frame_->TreeView->SelectNode(arranger_.Selection());
}

void CDemoWnd::ReloadProject(bool testMode) {
    const wxWindow* focus = FindFocus();
    const bool inPreview = focus && IsDescendant(const_cast<wxWindow*>(focus));
    session_.ReloadProject(testMode);
    if (inPreview) FocusPreview();
}

void CDemoWnd::FocusPreview() {
    CInstallerWnd* project = session_.GetInstallerWnd();
    auto* menu = project ? dynamic_cast<platform::wx::WxWindow*>(project->Wnd.get()) : nullptr;
    if (menu && menu->IsWindow()) menu->ClientWindow()->SetFocus();
}

void CDemoWnd::ItemSelected(TemplateNode item) {
    if (frame_ && frame_->TreeView) frame_->TreeView->SelectNode(item);
}

// After the click that asked for it: the dialog's refresh remakes this window.
void CDemoWnd::ShowProperties(TemplateNode item) {
    CallAfter([this, item] {
        if (frame_ && frame_->TreeView) frame_->TreeView->ShowNodeProperties(item);
    });
}

void CDemoWnd::ItemMoved() {
    if (frame_ && frame_->TreeView) frame_->TreeView->ProjectEdited();
}

std::string CDemoWnd::GetTitle() const {
    return frame_ ? frame_->GetTitle().utf8_string() : std::string();
}

void CDemoWnd::SetTitle(const std::string& title) {
    if (frame_) frame_->SetTitle(wxString::FromUTF8(title));
}

void CDemoWnd::ProjectChanged() {
    if (frame_) frame_->ProjectBuilt = false;
}

void CDemoWnd::OnSize(wxSizeEvent& event) {
    event.Skip();
    CInstallerWnd* project = session_.GetInstallerWnd();
    auto* menu = project ? dynamic_cast<platform::wx::WxWindow*>(project->Wnd.get()) : nullptr;
    if (!menu || !menu->IsWindow()) return;
    const wxSize area = GetClientSize();
    menu->Outer()->SetSize(CentredOrigin(area.x, kMenuWidth), CentredOrigin(area.y, kMenuHeight),
                           kMenuWidth, kMenuHeight);
    menu->Outer()->Refresh();
}
