// CBackgroundPropertiesDlg: "Main Window Background Properties", a bitmap from
// res\ or a colour, plain or dithered, with a small preview of the choice.
#pragma once

#include <wx/dialog.h>

#include "editor/dialogs/background_form.h"
#include "editor/wx/dialog_parts.h"

class CInstallerWnd;
class wxCheckBox;
class wxRadioButton;
class wxStaticBitmap;
class wxTextCtrl;

class CBackgroundPropertiesDlg : public wxDialog {
  public:
    CBackgroundPropertiesDlg(wxWindow* parent, CInstallerWnd& project, HelpFunction help = {});

    wxRadioButton* BitmapRadio;  // 1000
    wxRadioButton* ColourRadio;  // 1001
    wxTextCtrl* BitmapEdit;      // 1002
    wxTextCtrl* ColourEdit;      // 1004
    wxCheckBox* DitheredBox;     // 1005
    wxRadioButton* ToWhite;      // 1006
    wxRadioButton* ToBlack;      // 1007
    wxRadioButton* Horiz;        // 1008
    wxRadioButton* Vert;         // 1009
    wxStaticBitmap* Preview;

    // The fields as they stand, into the record for the preview (no messages,
    // nothing copied); Cancel's caller puts the record back.
    void PreviewFields();

  private:
    void ToControls();
    void FromControls();
    void Enable();
    void ShowPreview();
    void OnMode(bool colour);
    void OnOk(wxCommandEvent&);

    CInstallerWnd& project_;
    BackgroundForm form_;
    HelpFunction help_;
};
