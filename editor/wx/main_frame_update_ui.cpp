// One enable rule per command.
#include <wx/event.h>
#include <wx/menu.h>

#include "editor/edit_history.h"
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

// The item names the step it takes ("Undo Insert Link") and keeps its shortcut.
void CMainFrame::OnUpdateUndo(wxUpdateUIEvent& e) {
    const bool undo = e.GetId() == ID_UNDO;
    const std::string step = undo ? DemoWnd->UndoName() : DemoWnd->RedoName();
    e.Enable(!step.empty());
    wxMenuItem* item = GetMenuBar() ? GetMenuBar()->FindItem(e.GetId()) : nullptr;
    if (!item) return;
    const wxString keys = item->GetItemLabel().AfterFirst('\t');
    const wxString label = wxString::FromUTF8(UndoLabel(undo ? "&Undo" : "&Redo", step)) +
                           (keys.empty() ? wxString() : "\t" + keys);
    if (label != item->GetItemLabel()) e.SetText(label);
}

void CMainFrame::OnUpdateMoveItem(wxUpdateUIEvent& e) {
    e.Enable(TreeView->CanMoveItem(e.GetId() == ID_MOVE_UP ? -1 : 1));
}
