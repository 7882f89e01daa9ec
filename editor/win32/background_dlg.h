// CBackgroundPropertiesDlg: the menu's background, a bitmap or a colour,
// moved between the controls and the core's BackgroundForm.
#pragma once

#include "editor/forms/background_form.h"
#include "editor/win32/dialog_parts.h"

class CBackgroundPropertiesDlg : public CPropertyDlg {
  public:
    CBackgroundPropertiesDlg(CInstallerWnd& project, HelpFunction help);

  protected:
    void OnInitDialog() override;
    bool OnCommand(int id, int code) override;
    bool OnOK() override;
    void PreviewFields() override;

  private:
    BackgroundForm form_;
};
