#include "editor/wx/project_wizard_dlg.h"

#include <wx/checkbox.h>
#include <wx/radiobut.h>
#include <wx/statbmp.h>

#include "editor/wx/art.h"
#include "editor/wx/dialog_parts.h"

CProjectWizardDlg::CProjectWizardDlg(wxWindow* parent)
    : wxDialog(parent, wxID_ANY, ProjectWizardLayout().title) {
    dialog_parts::BuildDialog(this, ProjectWizardLayout());
    dialog_parts::Find<wxStaticBitmap>(this, IDC_WIZARD_PICTURE)
        ->SetBitmap(forge_art::WizardPicture());
    NewChoice = dialog_parts::Find<wxRadioButton>(this, IDC_CHOICE_NEW);
    OpenChoice = dialog_parts::Find<wxRadioButton>(this, IDC_CHOICE_OPEN);
    ShowAtStartupBox = dialog_parts::Find<wxCheckBox>(this, IDC_SHOW_AT_STARTUP);
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
