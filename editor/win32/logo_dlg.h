// CLogoPropertiesDlg: one logo's bitmap, place, mask colour and animation,
// moved between the controls and the core's LogoForm.
#pragma once

#include "editor/forms/logo_form.h"
#include "editor/win32/dialog_parts.h"

class CLogoPropertiesDlg : public CPropertyDlg {
  public:
    CLogoPropertiesDlg(CInstallerWnd& project, int index, HelpFunction help);

  protected:
    void OnInitDialog() override;
    bool OnCommand(int id, int code) override;
    bool OnOK() override;
    void PreviewFields() override;

  private:
    int index_;
    LogoForm form_;
};
