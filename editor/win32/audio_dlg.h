// CAudioPropertiesDlg: the startup and mouse-over sounds, moved between the
// controls and the core's AudioForm.
#pragma once

#include "editor/forms/audio_form.h"
#include "editor/win32/dialog_parts.h"

class CAudioPropertiesDlg : public CPropertyDlg {
  public:
    CAudioPropertiesDlg(CInstallerWnd& project, HelpFunction help);

  protected:
    void OnInitDialog() override;
    bool OnCommand(int id, int code) override;
    bool OnOK() override;

  private:
    AudioForm form_;
};
