// The frame's command handlers: thin calls into the preview pane's project
// session, then the title.
#include <wx/filedlg.h>
#include <wx/filename.h>
#include <wx/treectrl.h>
#include <wx/utils.h>

#include "editor/companion_files.h"
#include "editor/new_project_path.h"
#include "editor/project_session.h"
#include "editor/wx/about_dlg.h"
#include "editor/wx/command_ids.h"
#include "editor/wx/demo_wnd.h"
#include "editor/wx/main_frame.h"
#include "editor/wx/new_project_dlg.h"
#include "editor/wx/tree_view.h"
#include "platform/platform.h"

void CMainFrame::OnNewProject(wxCommandEvent&) {
    CNewProjectDlg dialog(this, DefaultProjectsFolder(Options.DocumentsFolder, '/'),
                          [this](const std::string& topic) { ShowHelp(topic); });
    if (dialog.ShowModal() != wxID_OK) return;
    if (DemoWnd->NewProject(dialog.ProjectFolder())) RememberProject();
}

void CMainFrame::OnOpenProject(wxCommandEvent&) {
    wxFileDialog dialog(this, "Open", wxEmptyString, "AppSetup.dat", "Project Files|AppSetup.dat",
                        wxFD_OPEN | wxFD_FILE_MUST_EXIST);
    if (dialog.ShowModal() != wxID_OK) return;
    // GTK fills the path only once the chooser was on screen; the folder is always there.
    const wxFileName chosen = dialog.GetPath().empty()
                                  ? wxFileName(dialog.GetDirectory(), dialog.GetFilename())
                                  : wxFileName(dialog.GetPath());
    OpenFolder(chosen.GetPathWithSep().utf8_string());
}

void CMainFrame::OpenFolder(const std::string& folder) {
    if (DemoWnd->OpenProject(folder, false)) RememberProject();
}

void CMainFrame::OnSaveProject(wxCommandEvent&) { DemoWnd->SaveProject(); }

// The test runs the menu as the disc does: links run, logos move.
void CMainFrame::OnTestProject(wxCommandEvent&) {
    DemoWnd->Arrange().SetOn(false);
    DemoWnd->ReloadProject(true);
}

void CMainFrame::OnArrangeItems(wxCommandEvent&) {
    Arranger& arrange = DemoWnd->Arrange();
    arrange.SetOn(!arrange.IsOn());
    if (!arrange.IsOn()) return;
    // The link or logo picked in the tree stays picked; the arrow keys go to the preview.
    const wxTreeItemId picked = TreeView->Tree()->GetSelection();
    if (picked.IsOk()) arrange.Select(TreeView->NodeOf(picked));
    DemoWnd->FocusPreview();
}

void CMainFrame::OnWizardToggle(wxCommandEvent&) {
    WizardAtStartup = !WizardAtStartup;
    Settings->SetInt(GENERAL, "ShowIntroWizard", WizardAtStartup ? 1 : 0);
}

void CMainFrame::OnWizardChoice(int choice) {
    wxCommandEvent event;
    if (choice == 0)
        OnNewProject(event);
    else
        OnOpenProject(event);
}

void CMainFrame::OnHelpContents(wxCommandEvent&) { ShowHelp(); }

void CMainFrame::ShowHelp(const std::string& topic) { ::ShowHelp(Options.StartFolder, topic); }

void CMainFrame::OnAbout(wxCommandEvent&) {
    CAboutDlg dialog(this);
    dialog.ShowModal();
}

void CMainFrame::OnExit(wxCommandEvent&) { Close(); }

// F6 and Shift+F6: with two panes, both go to the other one.
void CMainFrame::OnNextPane(wxCommandEvent&) {
    wxWindow* focus = wxWindow::FindFocus();
    const bool inTree = focus && (focus == TreeView || TreeView->IsDescendant(focus));
    if (inTree)
        DemoWnd->SetFocus();
    else
        TreeView->SetFocus();
}

void CMainFrame::OnUndo(wxCommandEvent& event) {
    if (event.GetId() == ID_UNDO)
        DemoWnd->Undo();
    else
        DemoWnd->Redo();
}

void CMainFrame::OnMoveItem(wxCommandEvent& event) {
    TreeView->MoveItem(TreeView->Tree()->GetSelection(), event.GetId() == ID_MOVE_UP ? -1 : 1);
}
