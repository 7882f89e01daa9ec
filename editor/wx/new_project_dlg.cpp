#include "editor/wx/new_project_dlg.h"

#include <wx/dirdlg.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "editor/wx/dialog_parts.h"

namespace {

std::string Utf8(const wxString& s) { return s.utf8_string(); }

}  // namespace

CNewProjectDlg::CNewProjectDlg(wxWindow* parent, const std::string& defaultParent,
                               std::function<void(const std::string&)> help)
    : wxDialog(parent, wxID_ANY, NewProjectLayout().title), help_(std::move(help)) {
    path_.Separator = '/';
    path_.Open(defaultParent);
    dialog_parts::BuildDialog(this, NewProjectLayout());
    NameEdit = dialog_parts::Find<wxTextCtrl>(this, IDC_PROJECT_NAME);
    LocationEdit = dialog_parts::Find<wxTextCtrl>(this, IDC_PROJECT_LOCATION);
    Result = dialog_parts::Find<wxStaticText>(this, IDC_PROJECT_RESULT);
    NameEdit->ChangeValue(wxString::FromUTF8(path_.Name));
    LocationEdit->ChangeValue(wxString::FromUTF8(path_.Location));

    ShowResult();
    NameEdit->Bind(wxEVT_TEXT, &CNewProjectDlg::OnNameChanged, this);
    LocationEdit->Bind(wxEVT_TEXT, &CNewProjectDlg::OnLocationChanged, this);
    Bind(wxEVT_BUTTON, &CNewProjectDlg::OnBrowse, this, IDC_BROWSE_LOCATION);
    Bind(wxEVT_BUTTON, &CNewProjectDlg::OnHelp, this, IDC_HELP_BUTTON);
}

// The dialog's own writes use ChangeValue, which sends no event: only the
// user's typing reaches OnLocationChanged.
void CNewProjectDlg::OnNameChanged(wxCommandEvent&) {
    path_.NameChanged(Utf8(NameEdit->GetValue()));
    if (!path_.LocationEdited) LocationEdit->ChangeValue(wxString::FromUTF8(path_.Location));
    ShowResult();
}

void CNewProjectDlg::OnLocationChanged(wxCommandEvent&) {
    path_.LocationTyped(Utf8(LocationEdit->GetValue()));
    ShowResult();
}

void CNewProjectDlg::OnBrowse(wxCommandEvent&) {
    wxDirDialog browser(this, "Select a Local Drive or Network Drive",
                        wxString::FromUTF8(path_.Location), wxDD_DEFAULT_STYLE);
    if (browser.ShowModal() != wxID_OK || browser.GetPath().empty()) return;
    path_.Browsed(Utf8(browser.GetPath()));
    LocationEdit->ChangeValue(wxString::FromUTF8(path_.Location));
    ShowResult();
}

void CNewProjectDlg::OnHelp(wxCommandEvent&) {
    if (help_) help_(NEW_PROJECT_HELP_TOPIC);
}

void CNewProjectDlg::ShowResult() { Result->SetLabel(wxString::FromUTF8(path_.ProjectFolder())); }

bool CNewProjectDlg::TransferDataFromWindow() {
    path_.Name = Utf8(NameEdit->GetValue());
    ShowResult();
    return path_.CheckName();
}
