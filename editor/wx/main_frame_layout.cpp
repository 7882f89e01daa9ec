// What the frame keeps between runs, and the lock-key panes of the status bar.
#include <wx/utils.h>

#include "editor/wx/demo_wnd.h"
#include "editor/wx/main_frame.h"
#include "editor/wx/tree_view.h"

CMainFrame::~CMainFrame() { ShutDown(); }

// A save at the question that fails keeps the editor open, with the edit, when
// the close may be refused; otherwise the default handling destroys the frame.
void CMainFrame::OnClose(wxCloseEvent& event) {
    if (event.CanVeto() && !DemoWnd->PromptSave()) {
        event.Veto();
        return;
    }
    ShutDown();
    event.Skip();
}

// On close, or on destruction without one: the layout first, then the pane's
// save question while every window is still whole.
void CMainFrame::ShutDown() {
    if (shutDown_) return;
    shutDown_ = true;
    lockKeys_.Stop();
    SaveLayout();
    if (DemoWnd) DemoWnd->FrameClosing();
}

void CMainFrame::SaveLayout() {
    // A minimised frame's size means nothing: the last layout stays.
    if (IsIconized()) return;
    const wxPoint at = GetPosition();
    const wxSize size = GetSize();
    Settings->SetInt(FRAME_LAYOUT, "TopLeftX", std::uint32_t(at.x));
    Settings->SetInt(FRAME_LAYOUT, "TopLeftY", std::uint32_t(at.y));
    Settings->SetInt(FRAME_LAYOUT, "SizeX", std::uint32_t(size.x));
    Settings->SetInt(FRAME_LAYOUT, "SizeY", std::uint32_t(size.y));
    Settings->SetInt(TREE_LAYOUT, "SizeX", std::uint32_t(TreeView->GetSize().x));
}

void CMainFrame::ShowLockKeys() {
    const struct {
        int field;
        wxKeyCode key;
        const char* text;
    } locks[] = {{1, WXK_CAPITAL, "CAP"}, {2, WXK_NUMLOCK, "NUM"}, {3, WXK_SCROLL, "SCRL"}};
    for (const auto& lock : locks) {
        const wxString text = wxGetKeyState(lock.key) ? lock.text : "";
        if (GetStatusBar()->GetStatusText(lock.field) != text) SetStatusText(text, lock.field);
    }
}
