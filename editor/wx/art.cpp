#include "editor/wx/art.h"

#include <wx/image.h>
#include <wx/log.h>
#include <wx/mstream.h>

#include "editor/template_tree.h"

namespace forge_art {

namespace {

// A damaged picture leaves its place empty. `index` picks one image of an icon file.
wxImage Load(const Embedded& file, wxBitmapType type, int index = -1) {
    if (!wxImage::FindHandler(type)) wxInitAllImageHandlers();
    wxLogNull quiet;
    wxMemoryInputStream stream(file.data, file.size);
    wxImage image;
    image.LoadFile(stream, type, index);
    return image;
}

// Picture `index` of a strip of `width`-wide pictures, `clear` made transparent.
wxBitmap Cut(const wxImage& strip, int index, int width, const wxColour& clear) {
    if (!strip.IsOk() || (index + 1) * width > strip.GetWidth()) return wxBitmap(width, width);
    wxImage one = strip.GetSubImage(wxRect(index * width, 0, width, strip.GetHeight()));
    one.SetMaskColour(clear.Red(), clear.Green(), clear.Blue());
    return wxBitmap(one);
}

}  // namespace

wxBitmap ToolBitmap(ToolPicture picture) {
    static const wxImage strip = Load(forge_toolbar_bmp_file, wxBITMAP_TYPE_BMP);
    return Cut(strip, int(picture), 16, wxColour(192, 192, 192));
}

wxImageList* TreeImages() {
    const wxImage strip = Load(forge_tree_bmp_file, wxBITMAP_TYPE_BMP);
    auto* list = new wxImageList(16, 16, true, 6);
    for (int i = 0; i <= int(TreePicture::Item); ++i) list->Add(Cut(strip, i, 16, *wxRED));
    return list;
}

wxBitmap WizardPicture() { return wxBitmap(Load(forge_wizard_bmp_file, wxBITMAP_TYPE_BMP)); }

// Every size of the icon, so the desktop picks the one it draws at.
wxIconBundle ProgramIcons() {
    wxIconBundle bundle;
    wxImage image;
    for (int i = 0; (image = Load(velomar_ico_file, wxBITMAP_TYPE_ICO, i)).IsOk(); ++i) {
        wxIcon icon;
        icon.CopyFromBitmap(wxBitmap(image));
        bundle.AddIcon(icon);
    }
    return bundle;
}

}  // namespace forge_art
