#include "editor/wx/audio_dlg.h"

#include <wx/textctrl.h>

CAudioPropertiesDlg::CAudioPropertiesDlg(wxWindow* parent, CInstallerWnd& project,
                                         HelpFunction help)
    : CFormDlg(parent, AudioLayout(), project, 0, help, AUDIO_HELP_TOPIC),
      IntroEdit(dialog_parts::Find<wxTextCtrl>(this, IDC_AUDIO_INTRO)),
      HoverEdit(dialog_parts::Find<wxTextCtrl>(this, IDC_AUDIO_HOVER)) {
    ShowForm();
}
