// One enable rule per command.
#include <wx/event.h>

#include "editor/wx/demo_wnd.h"
#include "editor/wx/main_frame.h"

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
