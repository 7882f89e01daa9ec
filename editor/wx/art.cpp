#include "editor/wx/art.h"

#include <wx/artprov.h>
#include <wx/dcgraph.h>
#include <wx/dcmemory.h>
#include <wx/graphics.h>
#include <wx/imagbmp.h>
#include <wx/image.h>
#include <wx/log.h>
#include <wx/mstream.h>

#include <algorithm>

#include "editor/wx/program_icon.h"

namespace forge_art {

namespace {

// Draws on a transparent picture, antialiased against nothing.
template <typename Draw>
wxBitmap Drawn(int w, int h, Draw draw) {
    wxImage image(w, h);
    image.InitAlpha();
    std::fill_n(image.GetAlpha(), w * h, static_cast<unsigned char>(0));
    {
        wxGCDC dc(wxGraphicsContext::Create(image));
        draw(dc);
    }  // the context writes the picture back here
    return wxBitmap(image);
}

void Disc(wxDC& dc, int x, int y, int r) {
    dc.SetPen(wxPen(wxColour(90, 90, 110)));
    dc.SetBrush(wxBrush(wxColour(200, 210, 235)));
    dc.DrawCircle(x, y, r);
    dc.SetBrush(wxBrush(wxColour(150, 170, 220)));
    dc.DrawCircle(x, y, r / 2);
    dc.SetBrush(wxBrush(wxColour(255, 255, 255)));
    dc.DrawCircle(x, y, 1);
}

// A hammer over a disc: build the finished folder.
wxBitmap BuildBitmap() {
    return Drawn(16, 16, [](wxDC& dc) {
        Disc(dc, 10, 10, 5);
        dc.SetPen(wxPen(wxColour(120, 72, 30), 2));
        dc.DrawLine(2, 14, 9, 6);
        dc.SetPen(wxPen(wxColour(60, 60, 60)));
        dc.SetBrush(wxBrush(wxColour(110, 110, 120)));
        dc.DrawRectangle(6, 1, 7, 4);
    });
}

// A folder and an arrow into a disc: copy the files to the disc.
wxBitmap CopyBitmap() {
    return Drawn(16, 16, [](wxDC& dc) {
        dc.SetPen(wxPen(wxColour(150, 110, 20)));
        dc.SetBrush(wxBrush(wxColour(240, 200, 80)));
        dc.DrawRectangle(0, 2, 8, 6);
        Disc(dc, 10, 10, 5);
        dc.SetPen(wxPen(wxColour(20, 110, 30), 2));
        dc.DrawLine(4, 9, 4, 13);
        dc.DrawLine(4, 13, 7, 13);
    });
}

// A disc in front of its image file: write the disc image.
wxBitmap ImageBitmap() {
    return Drawn(16, 16, [](wxDC& dc) {
        dc.SetPen(wxPen(wxColour(90, 90, 110)));
        dc.SetBrush(wxBrush(wxColour(250, 250, 250)));
        dc.DrawRectangle(1, 0, 10, 13);
        dc.SetPen(wxPen(wxColour(160, 160, 170)));
        for (int y = 3; y <= 9; y += 3) dc.DrawLine(3, y, 9, y);
        Disc(dc, 10, 10, 5);
    });
}

// A dashed selection around a tile, with the pointer that drags it: arrange.
wxBitmap ArrangeBitmap() {
    return Drawn(16, 16, [](wxDC& dc) {
        dc.SetPen(wxPen(wxColour(40, 40, 40), 1, wxPENSTYLE_SHORT_DASH));
        dc.SetBrush(wxBrush(wxColour(150, 200, 245)));
        dc.DrawRectangle(0, 0, 11, 9);
        dc.SetPen(wxPen(wxColour(20, 20, 20)));
        dc.SetBrush(wxBrush(wxColour(255, 255, 255)));
        const wxPoint arrow[] = {{7, 5}, {7, 15}, {9, 13}, {11, 16}, {13, 15}, {11, 12}, {14, 12}};
        dc.DrawPolygon(7, arrow);
    });
}

wxBitmap Themed(const char* iconName, const wxArtID& fallback) {
    const wxSize size(16, 16);
    wxBitmap bitmap = wxArtProvider::GetBitmap(wxASCII_STR(iconName), wxART_TOOLBAR, size);
    if (!bitmap.IsOk()) bitmap = wxArtProvider::GetBitmap(fallback, wxART_TOOLBAR, size);
    return bitmap;
}

}  // namespace

wxBitmap ToolBitmap(Tool tool) {
    switch (tool) {
        case Tool::New:
            return Themed("document-new", wxART_NEW);
        case Tool::Open:
            return Themed("document-open", wxART_FILE_OPEN);
        case Tool::Save:
            return Themed("document-save", wxART_FILE_SAVE);
        case Tool::Test:
            return Themed("system-run", wxART_EXECUTABLE_FILE);
        case Tool::Build:
            return BuildBitmap();
        case Tool::Copy:
            return CopyBitmap();
        case Tool::Image:
            return ImageBitmap();
        case Tool::Help:
            return Themed("help-contents", wxART_HELP);
        case Tool::About:
            return Themed("help-about", wxART_INFORMATION);
        case Tool::Arrange:
            return ArrangeBitmap();
        case Tool::None:
            break;
    }
    return wxBitmap();
}

wxImageList* TreeImages() {
    auto* list = new wxImageList(16, 16, true, 6);
    // The root: the disc the menu is for.
    list->Add(Drawn(16, 16, [](wxDC& dc) { Disc(dc, 8, 8, 7); }));
    // Audio: a speaker with one sound wave.
    list->Add(Drawn(16, 16, [](wxDC& dc) {
        dc.SetPen(wxPen(wxColour(60, 60, 70)));
        dc.SetBrush(wxBrush(wxColour(90, 100, 120)));
        const wxPoint cone[] = {{1, 6}, {4, 6}, {8, 2}, {8, 14}, {4, 10}, {1, 10}};
        dc.DrawPolygon(6, cone);
        dc.SetPen(wxPen(wxColour(40, 120, 200), 2));
        dc.SetBrush(*wxTRANSPARENT_BRUSH);
        dc.DrawEllipticArc(6, 4, 8, 8, -60, 60);
    }));
    // Background image: a framed landscape, sky over a green hill.
    list->Add(Drawn(16, 16, [](wxDC& dc) {
        dc.SetPen(wxPen(wxColour(70, 70, 80)));
        dc.SetBrush(wxBrush(wxColour(150, 200, 245)));
        dc.DrawRectangle(0, 2, 16, 12);
        dc.SetPen(*wxTRANSPARENT_PEN);
        dc.SetBrush(wxBrush(wxColour(70, 160, 70)));
        dc.DrawEllipse(-2, 8, 14, 10);
        dc.SetBrush(wxBrush(wxColour(250, 210, 60)));
        dc.DrawCircle(12, 6, 2);
    }));
    // Bitmaps and logos: two overlapping coloured tiles.
    list->Add(Drawn(16, 16, [](wxDC& dc) {
        dc.SetPen(wxPen(wxColour(70, 70, 80)));
        dc.SetBrush(wxBrush(wxColour(230, 120, 60)));
        dc.DrawRectangle(1, 1, 9, 9);
        dc.SetBrush(wxBrush(wxColour(80, 130, 220)));
        dc.DrawRectangle(6, 6, 9, 9);
    }));
    // Hyper-links: two chain links.
    list->Add(Drawn(16, 16, [](wxDC& dc) {
        dc.SetBrush(*wxTRANSPARENT_BRUSH);
        dc.SetPen(wxPen(wxColour(30, 80, 190), 2));
        dc.DrawRoundedRectangle(1, 5, 8, 6, 3);
        dc.DrawRoundedRectangle(7, 5, 8, 6, 3);
    }));
    // One link or logo: a small page.
    list->Add(Drawn(16, 16, [](wxDC& dc) {
        dc.SetPen(wxPen(wxColour(90, 90, 100)));
        dc.SetBrush(*wxWHITE_BRUSH);
        dc.DrawRectangle(3, 1, 10, 14);
        dc.SetPen(wxPen(wxColour(150, 160, 190)));
        for (int y = 4; y < 13; y += 3) dc.DrawLine(5, y, 11, y);
    }));
    return list;
}

wxBitmap WizardPicture() {
    constexpr int kWidth = 145, kHeight = 343;
    wxBitmap bitmap(kWidth, kHeight, 24);
    wxMemoryDC dc(bitmap);
    dc.GradientFillLinear(wxRect(0, 0, kWidth, kHeight), wxColour(18, 40, 92),
                          wxColour(120, 170, 230), wxSOUTH);
    // A disc rising from the bottom, with the menu's three links on it.
    dc.SetPen(wxPen(wxColour(230, 235, 250), 2));
    dc.SetBrush(wxBrush(wxColour(190, 205, 235)));
    dc.DrawCircle(72, 250, 60);
    dc.SetBrush(wxBrush(wxColour(140, 165, 220)));
    dc.DrawCircle(72, 250, 22);
    dc.SetBrush(wxBrush(wxColour(18, 40, 92)));
    dc.DrawCircle(72, 250, 6);
    dc.SetTextForeground(wxColour(255, 255, 255));
    wxFont title(wxFontInfo(17).Bold().Family(wxFONTFAMILY_SWISS));
    dc.SetFont(title);
    dc.DrawLabel("Velomar", wxRect(0, 24, kWidth, 30), wxALIGN_CENTRE);
    dc.SetFont(wxFontInfo(9).Italic().Underlined().Family(wxFONTFAMILY_SWISS));
    dc.SetTextForeground(wxColour(255, 230, 120));
    const char* links[] = {"Install", "Read me", "Quit"};
    for (int i = 0; i < 3; ++i)
        dc.DrawLabel(links[i], wxRect(0, 78 + 22 * i, kWidth, 18), wxALIGN_CENTRE);
    dc.SelectObject(wxNullBitmap);
    return bitmap;
}

wxIconBundle ProgramIcons() {
    wxIconBundle bundle;
    if (kProgramIconSize == 0) return bundle;
    if (!wxImage::FindHandler(wxBITMAP_TYPE_ICO)) wxImage::AddHandler(new wxICOHandler);
    wxLogNull quiet;  // a damaged picture leaves the frame without icon
    wxMemoryInputStream stream(kProgramIconData, kProgramIconSize);
    wxImage image;
    if (image.LoadFile(stream, wxBITMAP_TYPE_ICO)) {
        wxIcon icon;
        icon.CopyFromBitmap(wxBitmap(image));
        bundle.AddIcon(icon);
    }
    return bundle;
}

}  // namespace forge_art
