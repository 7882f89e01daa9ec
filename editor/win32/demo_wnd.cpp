#include "editor/win32/demo_wnd.h"

#include "editor/win32/main_frame.h"
#include "editor/win32/tree_view.h"
#include "engine/installer_wnd.h"
#include "platform/win32/backend.h"

namespace {

constexpr int kMenuWidth = 640;
constexpr int kMenuHeight = 440;

// Centred while the pane is large enough, else at the edge and clipped.
int CentredOrigin(int area, int extent) { return area >= extent ? (area - extent) / 2 : 0; }

}  // namespace

CDemoWnd::~CDemoWnd() {
    if (frame_) FrameClosing();
}

bool CDemoWnd::Create(HWND parent, int id) {
    if (!CNativeWindow::Create("VelomarForgePreview", 0, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN,
                               "", 0, 0, 100, 100, parent, reinterpret_cast<HMENU>(INT_PTR(id)),
                               LoadCursor(nullptr, IDC_ARROW),
                               reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1)))
        return false;
    parent_ = platform::win32::BorrowWindow(hwnd());
    return true;
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

HWND CDemoWnd::Preview() const {
    CInstallerWnd* project = session_.GetInstallerWnd();
    return project ? static_cast<HWND>(platform::win32::HandleOf(project->Wnd.get())) : nullptr;
}

void CDemoWnd::ReloadProject(bool testMode) {
    HWND before = Preview();
    const bool inPreview = before && GetFocus() == before;
    session_.ReloadProject(testMode);
    if (inPreview) FocusPreview();
}

void CDemoWnd::FocusPreview() {
    if (HWND menu = Preview()) SetFocus(menu);
}

void CDemoWnd::ItemSelected(TemplateNode item) {
    if (frame_ && frame_->TreeView) frame_->TreeView->SelectNode(item);
}

// After the click that asked for it: the dialog's refresh remakes the menu window.
void CDemoWnd::ShowProperties(TemplateNode item) {
    propertiesOf_ = item;
    PostMessageA(hwnd(), WM_SHOW_PROPERTIES, 0, 0);
}

void CDemoWnd::ItemMoved() {
    if (frame_ && frame_->TreeView) frame_->TreeView->ProjectEdited();
}

std::string CDemoWnd::GetTitle() const { return frame_ ? frame_->GetTitle() : std::string(); }

void CDemoWnd::SetTitle(const std::string& title) {
    if (frame_) frame_->SetTitle(title);
}

void CDemoWnd::ProjectChanged() {
    if (frame_) frame_->ProjectBuilt = false;
}

void CDemoWnd::CentreMenu() {
    CInstallerWnd* project = session_.GetInstallerWnd();
    HWND menu =
        project ? static_cast<HWND>(platform::win32::HandleOf(project->Wnd.get())) : nullptr;
    if (!menu) return;
    RECT area = {};
    GetClientRect(hwnd(), &area);
    MoveWindow(menu, CentredOrigin(area.right, kMenuWidth), CentredOrigin(area.bottom, kMenuHeight),
               kMenuWidth, kMenuHeight, TRUE);
}

LRESULT CDemoWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SIZE) CentreMenu();
    if (message == WM_SHOW_PROPERTIES) {
        if (frame_ && frame_->TreeView) frame_->TreeView->ShowNodeProperties(propertiesOf_);
        return 0;
    }
    return CNativeWindow::WindowProc(message, wParam, lParam);
}
