#include "editor/wx/background_dlg.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/dcmemory.h>
#include <wx/image.h>
#include <wx/log.h>
#include <wx/radiobut.h>
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

constexpr int kPreviewWidth = 128, kPreviewHeight = 88;  // the menu at a fifth

wxBitmap Blank() {
    wxBitmap b(kPreviewWidth, kPreviewHeight, 24);
    wxMemoryDC dc(b);
    dc.SetBackground(*wxLIGHT_GREY_BRUSH);
    dc.Clear();
    return b;
}

}  // namespace

CBackgroundPropertiesDlg::CBackgroundPropertiesDlg(wxWindow* parent, CInstallerWnd& project,
                                                   HelpFunction help)
    : CPropertyDlg(parent, "Main Window Background Properties", project, std::move(help),
                   BACKGROUND_HELP_TOPIC) {
    // The two mode radios are one group, so they share a parent: each heads
    // its part of the dialog instead of sitting in a box of its own.
    auto heading = [this](const char* text) {
        auto* label = new wxStaticText(this, wxID_ANY, text);
        label->SetFont(label->GetFont().Bold());
        return label;
    };
    auto* imageHeading = heading("Select an Image for your background");
    BitmapRadio = new wxRadioButton(this, IDC_BG_BITMAP_MODE, "Bitmap / Image", wxDefaultPosition,
                                    wxDefaultSize, wxRB_GROUP);
    BitmapEdit =
        new wxTextCtrl(this, IDC_BG_BITMAP, wxEmptyString, wxDefaultPosition, wxSize(320, -1));
    auto* browse =
        new wxButton(this, IDC_BG_BROWSE, "...", wxDefaultPosition, wxDefaultSize, wxBU_EXACTFIT);
    auto* colourHeading = heading("Select a custom Color for your background");
    ColourRadio = new wxRadioButton(this, IDC_BG_COLOUR_MODE, "Specified Color");
    ColourEdit = new wxTextCtrl(this, IDC_BG_COLOUR);
    auto* choose = new wxButton(this, IDC_BG_CHOOSE, "Choose...");

    // A part of the dialog: its heading, its mode radio, and a field with its button.
    auto part = [](wxWindow* heading, wxWindow* radio, wxWindow* field, wxWindow* button,
                   wxWindow* swatch = nullptr) {
        auto* row = new wxBoxSizer(wxHORIZONTAL);
        row->Add(field, 1, wxALIGN_CENTRE_VERTICAL);
        row->Add(button, 0, wxLEFT, 4);
        if (swatch) row->Add(swatch, 0, wxALIGN_CENTRE_VERTICAL | wxLEFT, 4);
        auto* sizer = new wxBoxSizer(wxVERTICAL);
        sizer->Add(heading, 0, wxBOTTOM, 4);
        sizer->Add(radio, 0, wxLEFT | wxBOTTOM, 8);
        sizer->Add(row, 0, wxEXPAND | wxLEFT, 28);
        return sizer;
    };
    wxSizer* image = part(imageHeading, BitmapRadio, BitmapEdit, browse);
    wxSizer* colour = part(colourHeading, ColourRadio, ColourEdit, choose,
                           new dialog_parts::ColourSwatch(this, ColourEdit));

    auto* dither = new wxStaticBoxSizer(wxVERTICAL, this, "Dither the color...");
    wxWindow* in = dither->GetStaticBox();
    DitheredBox = new wxCheckBox(in, IDC_BG_DITHERED, "Dithered");
    ToWhite = new wxRadioButton(in, IDC_BG_TO_WHITE, "Dither To White", wxDefaultPosition,
                                wxDefaultSize, wxRB_GROUP);
    ToBlack = new wxRadioButton(in, IDC_BG_TO_BLACK, "Dither To Black");
    Horiz = new wxRadioButton(in, IDC_BG_HORIZ, "Dither Horiz", wxDefaultPosition, wxDefaultSize,
                              wxRB_GROUP);
    Vert = new wxRadioButton(in, IDC_BG_VERT, "Dither Vert");
    auto* choices = new wxFlexGridSizer(2, 4, 16);
    for (wxWindow* w : {static_cast<wxWindow*>(ToWhite), static_cast<wxWindow*>(Horiz),
                        static_cast<wxWindow*>(ToBlack), static_cast<wxWindow*>(Vert)})
        choices->Add(w);
    dither->Add(DitheredBox, 0, wxALL, 4);
    dither->Add(choices, 0, wxALL, 4);

    Preview = new wxStaticBitmap(this, wxID_ANY, Blank());
    auto* lower = new wxBoxSizer(wxHORIZONTAL);
    lower->Add(dither, 1, wxEXPAND);
    lower->Add(Preview, 0, wxLEFT | wxALIGN_CENTRE_VERTICAL, 10);

    // The disc's own settings.
    auto* disc = new wxStaticBoxSizer(wxVERTICAL, this, "The disc");
    wxWindow* box = disc->GetStaticBox();
    auto* titleRow = new wxBoxSizer(wxHORIZONTAL);
    titleRow->Add(new wxStaticText(box, wxID_ANY, "Disc title:"), 0, wxALIGN_CENTRE_VERTICAL);
    titleRow->Add(new wxTextCtrl(box, IDC_DISC_TITLE), 1, wxLEFT, 8);
    auto* autoPlay = new wxCheckBox(box, IDC_DISC_AUTOPLAY,
                                    "AutoPlay: Explorer shows the title and this icon");
    IconEdit = new wxTextCtrl(box, IDC_DISC_ICON);
    auto* iconBrowse = new wxButton(box, IDC_DISC_ICON_BROWSE, "...", wxDefaultPosition,
                                    wxDefaultSize, wxBU_EXACTFIT);
    auto* iconRow = new wxBoxSizer(wxHORIZONTAL);
    iconRow->Add(new wxStaticText(box, wxID_ANY, "Icon (.ico):"), 0, wxALIGN_CENTRE_VERTICAL);
    iconRow->Add(IconEdit, 1, wxLEFT, 8);
    iconRow->Add(iconBrowse, 0, wxLEFT, 4);
    disc->Add(titleRow, 0, wxEXPAND | wxALL, 4);
    disc->Add(autoPlay, 0, wxALL, 4);
    disc->Add(iconRow, 0, wxEXPAND | wxALL, 4);

    auto* all = new wxBoxSizer(wxVERTICAL);
    all->Add(image, 0, wxEXPAND | wxALL, 10);
    all->Add(colour, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 10);
    all->Add(lower, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 10);
    all->Add(disc, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 10);
    all->Add(dialog_parts::Buttons(this), 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 10);
    SetSizerAndFit(all);
    CentreOnParent();

    form_.Load(project_);
    ToControls();

    dialog_parts::OnFieldChange(this, [this] {
        FromControls();
        Enable();
        ShowPreview();
    });
    browse->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) {
        FromControls();
        dialog_parts::BrowseResource(this, BITMAP_FILE_FILTER, BitmapEdit);
    });
    iconBrowse->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) {
        FromControls();
        dialog_parts::BrowseResource(this, ICON_FILE_FILTER, IconEdit);
    });
    choose->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) {
        FromControls();
        dialog_parts::ChooseColour(this, ColourEdit, false);
    });
}

void CBackgroundPropertiesDlg::ToControls() {
    dialog_parts::Fill(this, BackgroundFields(), form_);
    ShowPreview();
}

void CBackgroundPropertiesDlg::FromControls() {
    dialog_parts::Read(this, BackgroundFields(), form_);
}

void CBackgroundPropertiesDlg::Enable() {
    dialog_parts::EnableFields(this, BackgroundFields(), form_);
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
            shown = wxBitmap(image.Scale(kPreviewWidth, kPreviewHeight, wxIMAGE_QUALITY_HIGH));
    } else if (IsColourTextFormat(form_.colourText)) {
        const ColourBytes c = ReadColourText(form_.colourText);
        const wxColour from(c.r, c.g, c.b);
        wxMemoryDC dc(shown);
        if (form_.dithered) {
            const wxColour to =
                form_.endColour == BackgroundForm::DitherToWhite ? *wxWHITE : *wxBLACK;
            const wxDirection way =
                form_.direction == BackgroundForm::DitherHoriz ? wxEAST : wxSOUTH;
            dc.GradientFillLinear(wxRect(0, 0, kPreviewWidth, kPreviewHeight), from, to, way);
        } else {
            dc.SetBackground(wxBrush(from));
            dc.Clear();
        }
    }
    Preview->SetBitmap(shown);
}

bool CBackgroundPropertiesDlg::Accept() {
    FromControls();
    return form_.Store(project_);
}

void CBackgroundPropertiesDlg::PreviewFields() {
    FromControls();
    PreviewBackground(form_, project_);
}
