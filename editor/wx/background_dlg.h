// CBackgroundPropertiesDlg: "Main Window Background Properties", a bitmap from
// res\ or a colour, plain or dithered, with a small preview of the choice.
#pragma once

#include <wx/dialog.h>

#include "editor/forms/background_form.h"
#include "editor/wx/dialog_parts.h"

class CInstallerWnd;
class wxRadioButton;
class wxStaticBitmap;

class CBackgroundPropertiesDlg : public dialog_parts::CFormDlg<BackgroundForm> {
  public:
    CBackgroundPropertiesDlg(wxWindow* parent, CInstallerWnd& project, HelpFunction help = {});

    wxRadioButton* BitmapRadio;

  private:
    void ShowPreview();

    wxStaticBitmap* preview_;
};
