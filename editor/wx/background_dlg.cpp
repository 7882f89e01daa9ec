#include "editor/wx/background_dlg.h"

#include <wx/dcmemory.h>
#include <wx/image.h>
#include <wx/log.h>
#include <wx/radiobut.h>
#include <wx/statbmp.h>

#include "editor/forms/colour_text.h"
#include "editor/forms/resource_import.h"
#include "engine/installer_wnd.h"

using dialog_parts::Find;

namespace {

constexpr int kWidth = BACKGROUND_PREVIEW_WIDTH, kHeight = BACKGROUND_PREVIEW_HEIGHT;

wxBitmap Blank() {
    wxBitmap b(kWidth, kHeight, 24);
    wxMemoryDC dc(b);
    dc.SetBackground(*wxLIGHT_GREY_BRUSH);
    dc.Clear();
    return b;
}

}  // namespace

CBackgroundPropertiesDlg::CBackgroundPropertiesDlg(wxWindow* parent, CInstallerWnd& project,
                                                   HelpFunction help)
    : CFormDlg(parent, BackgroundLayout(), project, 0, help, BACKGROUND_HELP_TOPIC),
      BitmapRadio(Find<wxRadioButton>(this, IDC_BG_BITMAP_MODE)),
      preview_(Find<wxStaticBitmap>(this, IDC_BG_PREVIEW)) {
    ShowForm();
    ShowPreview();
    FollowChanges([this] { ShowPreview(); });
}

// The picture or the colour, roughly as the menu will show it.
void CBackgroundPropertiesDlg::ShowPreview() {
    wxBitmap shown = Blank();
    if (!form_.colourMode) {
        wxImage image;
        const std::string file = FieldFilePath(project_.ProjectFolder, form_.bitmapPath);
        wxLogNull quiet;  // a half-typed path is no error
        if (!form_.bitmapPath.empty() &&
            image.LoadFile(wxString::FromUTF8(file), wxBITMAP_TYPE_BMP))
            shown = wxBitmap(image.Scale(kWidth, kHeight, wxIMAGE_QUALITY_HIGH));
    } else if (IsColourTextFormat(form_.colourText)) {
        const ColourBytes c = ReadColourText(form_.colourText);
        const wxColour from(c.r, c.g, c.b);
        wxMemoryDC dc(shown);
        if (form_.dithered) {
            const wxColour to =
                form_.endColour == BackgroundForm::DitherToWhite ? *wxWHITE : *wxBLACK;
            const wxDirection way =
                form_.direction == BackgroundForm::DitherHoriz ? wxEAST : wxSOUTH;
            dc.GradientFillLinear(wxRect(0, 0, kWidth, kHeight), from, to, way);
        } else {
            dc.SetBackground(wxBrush(from));
            dc.Clear();
        }
    }
    preview_->SetBitmap(shown);
}
