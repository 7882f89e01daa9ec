// The frame: its panes, closing, and the controller's calls on the panes.
#include "editor/wx/main_frame.h"

#include <wx/splitter.h>
#include <wx/treectrl.h>

#include "editor/companion_files.h"
#include "editor/project_session.h"
#include "editor/wx/art.h"
#include "editor/wx/demo_wnd.h"
#include "editor/wx/tree_view.h"

CMainFrame::CMainFrame(const EditorOptions& options)
    : Editor(std::make_unique<EditorController>(*this, options)) {
    const FrameLayout layout = ReadFrameLayout(Editor->Settings());
    const platform::Rect& r = layout.frame;
    Create(nullptr, wxID_ANY, PROGRAM_TITLE, wxPoint(r.left, r.top), wxSize(r.Width(), r.Height()));
    // The icon in every size is made and handed to the desktop, and the lock
    // keys are shown, once the frame has painted, not before.
    Bind(wxEVT_IDLE, &CMainFrame::OnFirstIdle, this);

    // Not unsplittable: a minimum pane size and no wxSP_PERMIT_UNSPLIT.
    splitter_ = new wxSplitterWindow(this, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                                     wxSP_3D | wxSP_LIVE_UPDATE);
    splitter_->SetMinimumPaneSize(1);
    splitter_->Bind(wxEVT_SPLITTER_DOUBLECLICKED, [](wxSplitterEvent& e) { e.Veto(); });
    // The preview is made first so that it paints first, ahead of the tree's
    // expanders and lines; the keyboard still goes to the tree first.
    DemoWnd = new CDemoWnd(splitter_, *Editor);
    TreeView = new CVelomarTreeView(splitter_, wxSize(layout.treeWidth, 100), *Editor);
    TreeView->MoveBeforeInTabOrder(DemoWnd);
    splitter_->SplitVertically(TreeView, DemoWnd, layout.treeWidth);

    CreateMenu();
    CreateTools();
    CreateStatus();
    Bind(wxEVT_CLOSE_WINDOW, &CMainFrame::OnClose, this);
    Editor->Start();
}

// The controller goes before the panes that forward to it.
CMainFrame::~CMainFrame() {
    ShutDown();
    TreeView->Detach();
    DemoWnd->Detach();
    Editor.reset();
}

// A save at the question that fails keeps the editor open, with the edit, when
// the close may be refused; otherwise the default handling destroys the frame.
void CMainFrame::OnClose(wxCloseEvent& event) {
    if (event.CanVeto() && !Editor->MayClose()) {
        event.Veto();
        return;
    }
    ShutDown();
    event.Skip();
}

void CMainFrame::OnFirstIdle(wxIdleEvent& event) {
    Unbind(wxEVT_IDLE, &CMainFrame::OnFirstIdle, this);
    SetIcons(forge_art::ProgramIcons());
    ShowLockKeys();
    event.Skip();
}

// On close, or on destruction without one, while every window is still whole.
void CMainFrame::ShutDown() {
    if (shutDown_) return;
    shutDown_ = true;
    lockKeys_.Stop();
    const wxRect r = GetRect();
    Editor->FrameClosing({{r.x, r.y, r.x + r.width, r.y + r.height}, TreeView->GetSize().x},
                         IsIconized());
}

platform::Window* CMainFrame::PreviewParent() { return DemoWnd->Parent(); }

bool CMainFrame::PreviewHasFocus() const {
    const wxWindow* focus = FindFocus();
    return focus && DemoWnd->IsDescendant(const_cast<wxWindow*>(focus));
}

void CMainFrame::FocusPreview() { DemoWnd->FocusPreview(); }

// F6 and Shift+F6: with two panes, both go to the other one.
void CMainFrame::SwitchPane() {
    wxWindow* focus = FindFocus();
    if (focus && (focus == TreeView || TreeView->IsDescendant(focus)))
        DemoWnd->SetFocus();
    else
        TreeView->SetFocus();
}

void CMainFrame::ShowTree(const std::vector<TreeRow>& rows, TemplateNode select) {
    TreeView->ShowRows(rows, select);
}

void CMainFrame::SelectInTree(TemplateNode node) { TreeView->SelectNode(node); }

TemplateNode CMainFrame::TreeSelection() const {
    return TreeView->NodeOf(TreeView->Tree()->GetSelection());
}

void CMainFrame::ShowHelp(const std::string& topic) {
    ::ShowHelp(Editor->Options().StartFolder, topic);
}
