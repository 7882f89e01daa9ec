// CLogoPropertiesDlg: "Bitmaps & Logos", one logo's bitmap, place, mask colour
// and slide-in animation, with a preview of the bitmap and its transparency.
#pragma once

#include <wx/dialog.h>

#include "editor/forms/logo_form.h"
#include "editor/wx/dialog_parts.h"

class CInstallerWnd;
class wxCheckBox;
class wxStaticBitmap;
class wxTextCtrl;

class CLogoPropertiesDlg : public dialog_parts::CFormDlg<LogoForm> {
  public:
    CLogoPropertiesDlg(wxWindow* parent, CInstallerWnd& project, int index, HelpFunction help = {});

    wxTextCtrl* XEdit;
    wxTextCtrl* YEdit;
    wxTextCtrl* MaskEdit;
    wxCheckBox* AnimateBox;
    wxTextCtrl* StartXEdit;
    wxTextCtrl* StartYEdit;
    wxTextCtrl* DelayEdit;

  private:
    void ShowPreview();

    wxStaticBitmap* preview_;
};
