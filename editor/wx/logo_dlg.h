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

class CLogoPropertiesDlg : public wxDialog {
  public:
    CLogoPropertiesDlg(wxWindow* parent, CInstallerWnd& project, int index, HelpFunction help = {});

    // A slot without a file name entry ends at once with wxID_CANCEL, after
    // its message, without showing.
    int ShowModal() override;

    wxTextCtrl* BitmapEdit;
    wxTextCtrl* XEdit;
    wxTextCtrl* YEdit;
    wxTextCtrl* MaskEdit;
    wxCheckBox* AnimateBox;
    wxTextCtrl* StartXEdit;
    wxTextCtrl* StartYEdit;
    wxTextCtrl* DelayEdit;
    wxCheckBox* ScaleBox;  // never shown
    wxStaticBitmap* Preview;

    // The fields as they stand, into the record for the preview (no messages,
    // nothing copied); Cancel's caller puts the record back.
    void PreviewFields();

  private:
    void FromControls();
    void EnableAnimation();
    void ShowPreview();
    void OnOk(wxCommandEvent&);

    CInstallerWnd& project_;
    const int index_;
    LogoForm form_;
    bool loaded_ = false;
    HelpFunction help_;
};
