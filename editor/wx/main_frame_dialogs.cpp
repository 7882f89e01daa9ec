// The dialogs the controller asks for, as wx shows them.
#include <wx/filedlg.h>
#include <wx/filename.h>
#include <wx/progdlg.h>

#include "editor/companion_files.h"
#include "editor/wx/about_dlg.h"
#include "editor/wx/audio_dlg.h"
#include "editor/wx/background_dlg.h"
#include "editor/wx/hyperlink_dlg.h"
#include "editor/wx/logo_dlg.h"
#include "editor/wx/main_frame.h"
#include "editor/wx/new_project_dlg.h"
#include "editor/wx/project_wizard_dlg.h"
#include "engine/installer_wnd.h"

namespace {

// GTK fills the path only once the chooser was on screen; the folder is always there.
wxFileName Chosen(const wxFileDialog& dialog) {
    return dialog.GetPath().empty() ? wxFileName(dialog.GetDirectory(), dialog.GetFilename())
                                    : wxFileName(dialog.GetPath());
}

// The fields show in the preview as they change, looked at whenever the
// dialog is idle (so the colour chooser and the browse buttons count too).
template <class Dialog>
bool RunLive(Dialog&& dialog, const LiveHook& live) {
    dialog.Bind(wxEVT_IDLE, [&](wxIdleEvent& e) {
        e.Skip();
        if (dialog.IsModal()) live([&dialog] { dialog.PreviewFields(); });
    });
    return dialog.ShowModal() == wxID_OK;
}

}  // namespace

bool CMainFrame::RunWizard(WizardChoice* choice) {
    CProjectWizardDlg wizard(this);
    if (wizard.ShowModal() != wxID_OK) return false;
    *choice = {wizard.Choice != 0, wizard.ShowAtStartup != 0};
    return true;
}

bool CMainFrame::AskNewProjectFolder(const std::string& defaultParent, std::string* folder) {
    CNewProjectDlg dialog(this, defaultParent, [this](const std::string& t) { ShowHelp(t); });
    if (dialog.ShowModal() != wxID_OK) return false;
    *folder = dialog.ProjectFolder();
    return true;
}

bool CMainFrame::AskProjectFolder(std::string* folder) {
    wxFileDialog dialog(this, PROJECT_CHOOSER_TITLE, wxEmptyString, PROJECT_CHOOSER_NAME,
                        PROJECT_FILE_FILTER, wxFD_OPEN | wxFD_FILE_MUST_EXIST);
    if (dialog.ShowModal() != wxID_OK) return false;
    *folder = Chosen(dialog).GetPathWithSep().utf8_string();
    return true;
}

bool CMainFrame::RunPropertyDialog(ItemDialog dialog, int index, const LiveHook& live) {
    CInstallerWnd& project = *Editor->Project();
    const HelpFunction help = [this](const std::string& topic) { ShowHelp(topic); };
    switch (dialog) {
        case ItemDialog::Background:
            return RunLive(CBackgroundPropertiesDlg(this, project, help), live);
        case ItemDialog::Audio:
            return CAudioPropertiesDlg(this, project, help).ShowModal() == wxID_OK;
        case ItemDialog::Hyperlink:
            return RunLive(CHyperlinkPropertiesDlg(this, project, index, help), live);
        case ItemDialog::Logo:
            return RunLive(CLogoPropertiesDlg(this, project, index, help), live);
        case ItemDialog::None:
            break;
    }
    return false;
}

void CMainFrame::ShowAbout() { CAboutDlg(this).ShowModal(); }

bool CMainFrame::AskImagePath(const std::string& folder, const std::string& name,
                              std::string* path) {
    wxFileDialog dialog(this, DISC_IMAGE_TITLE, wxString::FromUTF8(folder),
                        wxString::FromUTF8(name), DISC_IMAGE_FILTER,
                        wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
    if (dialog.ShowModal() != wxID_OK) return false;
    *path = Chosen(dialog).GetFullPath().utf8_string();
    return true;
}

void CMainFrame::RunWithProgress(const std::function<void(const Progress&)>& work) {
    wxProgressDialog progress(DISC_IMAGE_TITLE, DISC_IMAGE_PROGRESS, 100, this,
                              wxPD_APP_MODAL | wxPD_CAN_ABORT | wxPD_AUTO_HIDE | wxPD_ELAPSED_TIME);
    work([&progress](int percent) {
        return percent < 0 ? progress.Pulse() : progress.Update(percent);
    });
}
