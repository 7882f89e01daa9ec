#include "editor/wx/audio_dlg.h"

#include <wx/textctrl.h>

CAudioPropertiesDlg::CAudioPropertiesDlg(wxWindow* parent, CInstallerWnd& project,
                                         HelpFunction help)
    : CPropertyDlg(parent, AudioLayout(), project, std::move(help), AUDIO_HELP_TOPIC),
      IntroEdit(dialog_parts::Find<wxTextCtrl>(this, IDC_AUDIO_INTRO)),
      HoverEdit(dialog_parts::Find<wxTextCtrl>(this, IDC_AUDIO_HOVER)) {
    form_.Load(project_);
    dialog_parts::Fill(this, AudioFields(), form_);
}

bool CAudioPropertiesDlg::Accept() {
    dialog_parts::Read(this, AudioFields(), form_);
    return form_.Store(project_);
}
