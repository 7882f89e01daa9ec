#include "editor/wx/new_project_dlg.h"

#include <wx/button.h>
#include <wx/dirdlg.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "editor/command_ids.h"

namespace {

constexpr int ID_NAME = IDC_PROJECT_NAME;
constexpr int ID_LOCATION = IDC_PROJECT_LOCATION;
constexpr int ID_BROWSE = IDC_BROWSE_LOCATION;
constexpr int ID_RESULT = IDC_PROJECT_RESULT;
constexpr int ID_HELP_BUTTON = IDC_HELP_BUTTON;

std::string Utf8(const wxString& s) { return s.utf8_string(); }

}  // namespace

CNewProjectDlg::CNewProjectDlg(wxWindow* parent, const std::string& defaultParent,
                               std::function<void(const std::string&)> help)
    : wxDialog(parent, wxID_ANY, "Create a New Project"), help_(std::move(help)) {
    path_.Separator = '/';
    path_.Open(defaultParent);

    auto* box =
        new wxStaticBoxSizer(wxVERTICAL, this, "Select the name and location of your new project:");
    wxWindow* in = box->GetStaticBox();
    auto* grid = new wxFlexGridSizer(3, 8, 8);
    grid->AddGrowableCol(1);
    NameEdit = new wxTextCtrl(in, ID_NAME, wxString::FromUTF8(path_.Name));
    LocationEdit = new wxTextCtrl(in, ID_LOCATION, wxString::FromUTF8(path_.Location),
                                  wxDefaultPosition, wxSize(380, -1));
    Result = new wxStaticText(in, ID_RESULT, "Static");
    grid->Add(new wxStaticText(in, wxID_ANY, "Project Name:"), 0, wxALIGN_CENTRE_VERTICAL);
    grid->Add(NameEdit, 1, wxEXPAND);
    grid->AddSpacer(0);
    grid->Add(new wxStaticText(in, wxID_ANY, "Project Location:"), 0, wxALIGN_CENTRE_VERTICAL);
    grid->Add(LocationEdit, 1, wxEXPAND);
    grid->Add(new wxButton(in, ID_BROWSE, "Browse..."));
    grid->Add(new wxStaticText(in, wxID_ANY, "Project to be created:"));
    grid->Add(Result, 1, wxEXPAND);
    box->Add(grid, 1, wxEXPAND | wxALL, 8);

    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    auto* ok = new wxButton(this, wxID_OK, "Create Project");
    ok->SetDefault();
    buttons->Add(ok);
    buttons->Add(new wxButton(this, wxID_CANCEL, "Cancel"), 0, wxLEFT, 8);
    buttons->AddStretchSpacer();
    buttons->Add(new wxButton(this, ID_HELP_BUTTON, "Help"));

    auto* all = new wxBoxSizer(wxVERTICAL);
    all->Add(box, 1, wxEXPAND | wxALL, 10);
    all->Add(buttons, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 10);
    SetSizerAndFit(all);
    CentreOnParent();

    ShowResult();
    NameEdit->Bind(wxEVT_TEXT, &CNewProjectDlg::OnNameChanged, this);
    LocationEdit->Bind(wxEVT_TEXT, &CNewProjectDlg::OnLocationChanged, this);
    Bind(wxEVT_BUTTON, &CNewProjectDlg::OnBrowse, this, ID_BROWSE);
    Bind(wxEVT_BUTTON, &CNewProjectDlg::OnHelp, this, ID_HELP_BUTTON);
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
