#include "editor/wx/project_wizard_dlg.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/radiobut.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/statbox.h>

#include "editor/command_ids.h"
#include "editor/wx/art.h"

CProjectWizardDlg::CProjectWizardDlg(wxWindow* parent)
    : wxDialog(parent, wxID_ANY, "Project Wizard") {
    auto* choices = new wxStaticBoxSizer(wxVERTICAL, this, "Please Select Project Type:");
    NewChoice = new wxRadioButton(choices->GetStaticBox(), IDC_CHOICE_NEW, "Create a New Project",
                                  wxDefaultPosition, wxDefaultSize, wxRB_GROUP);
    OpenChoice =
        new wxRadioButton(choices->GetStaticBox(), IDC_CHOICE_OPEN, "Open an Existing Project");
    choices->Add(NewChoice, 0, wxALL, 8);
    choices->Add(OpenChoice, 0, wxALL, 8);
    ShowAtStartupBox = new wxCheckBox(this, IDC_SHOW_AT_STARTUP,
                                      "Show this window each time the application starts");

    auto* right = new wxBoxSizer(wxVERTICAL);
    right->Add(choices, 0, wxEXPAND);
    right->Add(ShowAtStartupBox, 0, wxTOP, 12);
    right->AddStretchSpacer();
    right->Add(CreateStdDialogButtonSizer(wxOK | wxCANCEL), 0, wxEXPAND);

    auto* all = new wxBoxSizer(wxHORIZONTAL);
    all->Add(new wxStaticBitmap(this, wxID_ANY, forge_art::WizardPicture()), 0, wxALL, 10);
    all->Add(right, 1, wxEXPAND | wxALL, 10);
    SetSizerAndFit(all);
    CentreOnParent();
    TransferDataToWindow();
}

bool CProjectWizardDlg::TransferDataToWindow() {
    NewChoice->SetValue(Choice == 0);
    OpenChoice->SetValue(Choice != 0);
    ShowAtStartupBox->SetValue(ShowAtStartup != 0);
    return true;
}

bool CProjectWizardDlg::TransferDataFromWindow() {
    Choice = OpenChoice->GetValue() ? 1 : 0;
    ShowAtStartup = ShowAtStartupBox->GetValue() ? 1 : 0;
    return true;
}
