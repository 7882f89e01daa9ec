// CProjectWizardDlg: the start-up choice between a new and an existing
// project, beside picture 138.
#pragma once

#include "editor/win32/dialog.h"

class CProjectWizardDlg : public CDialog {
  public:
    CProjectWizardDlg();

    int ShowAtStartup = 1;
    int Choice = 0;  // 0 New Project, 1 Open Existing Project

  protected:
    void OnInitDialog() override;
    bool OnOK() override;
    void OnPaint() override;
};
