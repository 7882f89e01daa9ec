// CAudioPropertiesDlg: "Audio Properties", the startup sound and the sound of
// a link under the mouse.
#pragma once

#include <wx/dialog.h>

#include "editor/forms/audio_form.h"
#include "editor/wx/dialog_parts.h"

class CInstallerWnd;

class CAudioPropertiesDlg : public dialog_parts::CFormDlg<AudioForm> {
  public:
    CAudioPropertiesDlg(wxWindow* parent, CInstallerWnd& project, HelpFunction help = {});
};
