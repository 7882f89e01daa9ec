#include "editor/wx/logo_dlg.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/dcmemory.h>
#include <wx/image.h>
#include <wx/log.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "editor/command_ids.h"
#include "editor/forms/colour_text.h"
#include "editor/forms/live_preview.h"
#include "editor/forms/resource_import.h"
#include "engine/installer_wnd.h"

namespace {

constexpr int kPreviewSize = 96;

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
    : CPropertyDlg(parent, "Bitmaps & Logos", project, std::move(help), LOGO_HELP_TOPIC),
      index_(index) {
    auto* draw = new wxStaticBoxSizer(wxVERTICAL, this, "Bitmap / Logo to Draw");
    wxWindow* in = draw->GetStaticBox();
    auto* grid = new wxFlexGridSizer(3, 6, 6);
    grid->AddGrowableCol(1);
    auto label = [&grid](wxWindow* at, const char* text) {
        grid->Add(new wxStaticText(at, wxID_ANY, text), 0, wxALIGN_CENTRE_VERTICAL);
    };
    auto number = [](wxWindow* at, int id) {
        return new wxTextCtrl(at, id, wxEmptyString, wxDefaultPosition, wxSize(80, -1));
    };
    BitmapEdit =
        new wxTextCtrl(in, IDC_LOGO_BITMAP, wxEmptyString, wxDefaultPosition, wxSize(300, -1));
    auto* browse =
        new wxButton(in, IDC_LOGO_BROWSE, "...", wxDefaultPosition, wxDefaultSize, wxBU_EXACTFIT);
    XEdit = number(in, IDC_LOGO_X);
    YEdit = number(in, IDC_LOGO_Y);
    MaskEdit = number(in, IDC_LOGO_MASK);
    auto* mask = new wxButton(in, IDC_LOGO_MASK_CHOOSE, "...", wxDefaultPosition, wxDefaultSize,
                              wxBU_EXACTFIT);
    label(in, "Bitmap / Logo To Draw:");
    grid->Add(BitmapEdit, 1, wxEXPAND);
    grid->Add(browse);
    label(in, "X - Location:");
    grid->Add(XEdit);
    grid->AddSpacer(0);
    label(in, "Y - Location:");
    grid->Add(YEdit);
    grid->AddSpacer(0);
    label(in, "Pixel Mask (transparent) Color:");
    auto* maskRow = new wxBoxSizer(wxHORIZONTAL);
    maskRow->Add(MaskEdit);
    maskRow->Add(mask, 0, wxLEFT, 4);
    maskRow->Add(new dialog_parts::ColourSwatch(in, MaskEdit), 0, wxALIGN_CENTRE_VERTICAL | wxLEFT,
                 4);
    grid->Add(maskRow);
    grid->AddSpacer(0);
    draw->Add(grid, 0, wxEXPAND | wxALL, 4);

    auto* animation = new wxStaticBoxSizer(wxVERTICAL, this, "Bitmap / Logo Animation Parameters");
    in = animation->GetStaticBox();
    AnimateBox = new wxCheckBox(in, IDC_LOGO_ANIMATE, "Animate Bitmap / Logo");
    StartXEdit = number(in, IDC_LOGO_START_X);
    StartYEdit = number(in, IDC_LOGO_START_Y);
    DelayEdit = number(in, IDC_LOGO_DELAY);
    ScaleBox = new wxCheckBox(in, IDC_LOGO_SCALE, "Scale Bitmap / Logo");
    ScaleBox->Hide();  // ResizeLogo passes through unseen
    auto* moves = new wxFlexGridSizer(2, 6, 6);
    const std::pair<const char*, wxTextCtrl*> rows[] = {{"Animate Start X - Location:", StartXEdit},
                                                        {"Animate Start Y - Location:", StartYEdit},
                                                        {"Animation Delay (ms):", DelayEdit}};
    for (const auto& [text, edit] : rows) {
        moves->Add(new wxStaticText(in, wxID_ANY, text), 0, wxALIGN_CENTRE_VERTICAL);
        moves->Add(edit);
    }
    animation->Add(AnimateBox, 0, wxALL, 4);
    animation->Add(moves, 0, wxALL, 4);

    Preview = new wxStaticBitmap(this, wxID_ANY, Checkers());
    auto* lower = new wxBoxSizer(wxHORIZONTAL);
    lower->Add(animation, 1, wxEXPAND);
    lower->Add(Preview, 0, wxLEFT | wxALIGN_CENTRE_VERTICAL, 10);

    auto* all = new wxBoxSizer(wxVERTICAL);
    all->Add(draw, 0, wxEXPAND | wxALL, 10);
    all->Add(lower, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 10);
    all->Add(dialog_parts::Buttons(this), 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 10);
    SetSizerAndFit(all);
    CentreOnParent();

    loaded_ = form_.Load(project_, index_);
    dialog_parts::Fill(this, LogoFields(), form_);
    ShowPreview();

    dialog_parts::OnFieldChange(this, [this] {
        FromControls();
        dialog_parts::EnableFields(this, LogoFields(), form_);
        ShowPreview();
    });
    browse->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) {
        dialog_parts::BrowseResource(this, BITMAP_FILE_FILTER, BitmapEdit);
    });
    mask->Bind(wxEVT_BUTTON,
               [this](wxCommandEvent&) { dialog_parts::ChooseColour(this, MaskEdit); });
}

void CLogoPropertiesDlg::FromControls() { dialog_parts::Read(this, LogoFields(), form_); }

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
    Preview->SetBitmap(shown);
}

bool CLogoPropertiesDlg::Accept() {
    FromControls();
    return form_.Store(project_, index_);
}

void CLogoPropertiesDlg::PreviewFields() {
    FromControls();
    PreviewLogo(form_, project_, index_);
}
