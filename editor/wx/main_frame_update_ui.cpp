// One enable rule per command.
#include <wx/event.h>

#include "editor/wx/command_ids.h"
#include "editor/wx/demo_wnd.h"
#include "editor/wx/main_frame.h"
#include "editor/wx/tree_view.h"

void CMainFrame::OnUpdateSave(wxUpdateUIEvent& e) { e.Enable(DemoWnd->Modified()); }

// Build, Test and Make Disc Image.
void CMainFrame::OnUpdateNeedsProject(wxUpdateUIEvent& e) {
    e.Enable(DemoWnd->GetInstallerWnd() != nullptr);
}

void CMainFrame::OnUpdateCopy(wxUpdateUIEvent& e) { e.Enable(ProjectBuilt); }

void CMainFrame::OnUpdateWizardToggle(wxUpdateUIEvent& e) { e.Check(WizardAtStartup); }

void CMainFrame::OnUpdateArrange(wxUpdateUIEvent& e) {
    e.Enable(DemoWnd->GetInstallerWnd() != nullptr);
    e.Check(DemoWnd->Arrange().IsOn());
}

// Undo and Redo, and the steps they name.
void CMainFrame::OnUpdateUndo(wxUpdateUIEvent& e) {
    const bool undo = e.GetId() == ID_UNDO;
    const std::string step = undo ? DemoWnd->UndoName() : DemoWnd->RedoName();
    e.Enable(!step.empty());
    // After the update: the menu bar may be walking its items now.
    if (step != (undo ? undoShown_ : redoShown_) && !menuQueued_) {
        menuQueued_ = true;
        CallAfter(&CMainFrame::ShowUndoSteps);
    }
}

void CMainFrame::OnUpdateMoveItem(wxUpdateUIEvent& e) {
    e.Enable(TreeView->CanMoveItem(e.GetId() == ID_MOVE_UP ? -1 : 1));
}
