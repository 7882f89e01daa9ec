#include "platform/wx/hand_cursor.h"

#include <wx/imagbmp.h>
#include <wx/image.h>
#include <wx/log.h>
#include <wx/mstream.h>

namespace platform::wx {

wxCursor CursorFromCurFile(const unsigned char* data, std::size_t size) {
    if (!data || size == 0) return wxCursor();
    if (!wxImage::FindHandler(wxBITMAP_TYPE_CUR)) wxImage::AddHandler(new wxCURHandler);
    wxMemoryInputStream stream(data, size);
    wxImage image;
    {
        wxLogNull quiet;  // a bad picture falls back silently
        if (!image.LoadFile(stream, wxBITMAP_TYPE_CUR)) return wxCursor();
    }
    return wxCursor(image);
}

wxCursor LoadHandCursor() {
    wxCursor cursor = CursorFromCurFile(kHandCursorData, kHandCursorSize);
    return cursor.IsOk() ? cursor : wxCursor(wxCURSOR_HAND);
}

}  // namespace platform::wx
