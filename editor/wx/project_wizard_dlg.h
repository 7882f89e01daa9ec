// CProjectWizardDlg: at start-up, new project or existing one.
#pragma once

#include <wx/dialog.h>

class wxCheckBox;
class wxRadioButton;

class CProjectWizardDlg : public wxDialog {
  public:
    explicit CProjectWizardDlg(wxWindow* parent);

    bool TransferDataToWindow() override;
    bool TransferDataFromWindow() override;

    int ShowAtStartup = 1;
    int Choice = 0;  // 0 new, 1 existing

    wxRadioButton* NewChoice;
    wxRadioButton* OpenChoice;
    wxCheckBox* ShowAtStartupBox;
};
