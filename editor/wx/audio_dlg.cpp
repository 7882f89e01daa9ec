#include "editor/wx/audio_dlg.h"

CAudioPropertiesDlg::CAudioPropertiesDlg(wxWindow* parent, CInstallerWnd& project,
                                         HelpFunction help)
    : CFormDlg(parent, AudioLayout(), project, 0, help, AUDIO_HELP_TOPIC) {
    ShowForm();
}
