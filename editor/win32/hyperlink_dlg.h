// CHyperlinkPropertiesDlg: one link's action, paths, label and place, and the
// colours and size all links share, moved between the controls and the
// core's HyperlinkForm.
#pragma once

#include "editor/forms/hyperlink_form.h"
#include "editor/win32/dialog_parts.h"

class CHyperlinkPropertiesDlg : public CPropertyDlg {
  public:
    CHyperlinkPropertiesDlg(CInstallerWnd& project, int index, HelpFunction help);

  protected:
    void OnInitDialog() override;
    bool OnCommand(int id, int code) override;
    bool OnOK() override;
    void PreviewFields() override;

  private:
    void ToControls();
    bool FromControls();
    void Browse();
    void AddToDisc();

    int index_;
    HyperlinkForm form_;
};
