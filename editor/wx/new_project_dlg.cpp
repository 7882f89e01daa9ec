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
    ShowPath(true);

    // The dialog's own writes use ChangeValue, which sends no event: only the
    // user's typing reaches these.
    NameEdit->Bind(wxEVT_TEXT, [this](wxCommandEvent&) {
        path_.NameChanged(Utf8(NameEdit->GetValue()));
        ShowPath(!path_.LocationEdited);
    });
    LocationEdit->Bind(wxEVT_TEXT, [this](wxCommandEvent&) {
        path_.LocationTyped(Utf8(LocationEdit->GetValue()));
        ShowPath(false);
    });
    FindWindow(IDC_BROWSE_LOCATION)->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) {
        wxDirDialog browser(this, LOCATION_BROWSE_TITLE, wxString::FromUTF8(path_.Location),
                            wxDD_DEFAULT_STYLE);
        if (browser.ShowModal() != wxID_OK || browser.GetPath().empty()) return;
        path_.Browsed(Utf8(browser.GetPath()));
        ShowPath(true);
    });
    FindWindow(IDC_HELP_BUTTON)->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) {
        if (help_) help_(NEW_PROJECT_HELP_TOPIC);
    });
}

void CNewProjectDlg::ShowPath(bool location) {
    if (location) LocationEdit->ChangeValue(wxString::FromUTF8(path_.Location));
    Result->SetLabel(wxString::FromUTF8(path_.ProjectFolder()));
}

bool CNewProjectDlg::TransferDataFromWindow() {
    path_.Name = Utf8(NameEdit->GetValue());
    ShowPath(false);
    return path_.CheckName();
}
