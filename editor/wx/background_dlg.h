// CBackgroundPropertiesDlg: "Main Window Background Properties", a bitmap from
// res\ or a colour, plain or dithered, with a small preview of the choice.
#pragma once

#include <wx/dialog.h>

#include "editor/forms/background_form.h"
#include "editor/wx/dialog_parts.h"

class CInstallerWnd;
class wxCheckBox;
class wxRadioButton;
class wxStaticBitmap;
class wxTextCtrl;

class CBackgroundPropertiesDlg : public dialog_parts::CPropertyDlg {
  public:
    CBackgroundPropertiesDlg(wxWindow* parent, CInstallerWnd& project, HelpFunction help = {});

    wxRadioButton* BitmapRadio;
    wxRadioButton* ColourRadio;
    wxTextCtrl* BitmapEdit;
    wxTextCtrl* ColourEdit;
    wxCheckBox* DitheredBox;
    wxRadioButton* ToWhite;
    wxRadioButton* ToBlack;
    wxRadioButton* Horiz;
    wxRadioButton* Vert;
    wxStaticBitmap* Preview;
    wxTextCtrl* IconEdit;

    // The fields as they stand, into the record for the preview (no messages,
    // nothing copied); Cancel's caller puts the record back.
    void PreviewFields();

  private:
    void ToControls();
    void FromControls();
    void Enable();
    void ShowPreview();
    bool Accept() override;

    BackgroundForm form_;
};
