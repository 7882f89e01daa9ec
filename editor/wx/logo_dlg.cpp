#include "editor/wx/logo_dlg.h"

#include <wx/checkbox.h>
#include <wx/dcmemory.h>
#include <wx/image.h>
#include <wx/log.h>
#include <wx/statbmp.h>
#include <wx/textctrl.h>

#include "editor/forms/colour_text.h"
#include "editor/forms/resource_import.h"
#include "engine/installer_wnd.h"

using dialog_parts::Find;

namespace {

constexpr int kPreviewSize = LOGO_PREVIEW_SIZE;

// Grey and white squares show where the mask colour lets the menu through.
wxBitmap Checkers() {
    wxBitmap b(kPreviewSize, kPreviewSize, 24);
    wxMemoryDC dc(b);
    dc.SetBackground(*wxWHITE_BRUSH);
    dc.Clear();
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(wxBrush(wxColour(204, 204, 204)));
    for (int y = 0; y < kPreviewSize; y += 8)
        for (int x = (y / 8) % 2 * 8; x < kPreviewSize; x += 16) dc.DrawRectangle(x, y, 8, 8);
    return b;
}

}  // namespace

CLogoPropertiesDlg::CLogoPropertiesDlg(wxWindow* parent, CInstallerWnd& project, int index,
                                       HelpFunction help)
    : CFormDlg(parent, LogoLayout(), project, index, help, LOGO_HELP_TOPIC),
      XEdit(Find<wxTextCtrl>(this, IDC_LOGO_X)),
      YEdit(Find<wxTextCtrl>(this, IDC_LOGO_Y)),
      MaskEdit(Find<wxTextCtrl>(this, IDC_LOGO_MASK)),
      AnimateBox(Find<wxCheckBox>(this, IDC_LOGO_ANIMATE)),
      StartXEdit(Find<wxTextCtrl>(this, IDC_LOGO_START_X)),
      StartYEdit(Find<wxTextCtrl>(this, IDC_LOGO_START_Y)),
      DelayEdit(Find<wxTextCtrl>(this, IDC_LOGO_DELAY)),
      preview_(Find<wxStaticBitmap>(this, IDC_LOGO_PREVIEW)) {
    ShowForm();
    ShowPreview();
    FollowChanges([this] { ShowPreview(); });
}

// The bitmap over checkers, its mask colour let through as the menu will.
void CLogoPropertiesDlg::ShowPreview() {
    wxBitmap shown = Checkers();
    wxImage image;
    const std::string file = FieldFilePath(project_.ProjectFolder, form_.bitmapPath);
    wxLogNull quiet;  // a half-typed path is no error
    if (!form_.bitmapPath.empty() && image.LoadFile(wxString::FromUTF8(file), wxBITMAP_TYPE_BMP)) {
        const ColourBytes m = ReadColourText(form_.maskColour);
        image.SetMaskColour(m.r, m.g, m.b);
        const double scale =
            std::min(1.0, double(kPreviewSize) / std::max(image.GetWidth(), image.GetHeight()));
        if (scale < 1.0)
            image.Rescale(std::max(1, int(image.GetWidth() * scale)),
                          std::max(1, int(image.GetHeight() * scale)));
        wxMemoryDC dc(shown);
        dc.DrawBitmap(wxBitmap(image), (kPreviewSize - image.GetWidth()) / 2,
                      (kPreviewSize - image.GetHeight()) / 2, true);
    }
    preview_->SetBitmap(shown);
}
