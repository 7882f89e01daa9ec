#include "platform/wx/surface_bitmap.h"

#include <wx/rawbmp.h>

namespace platform::wx {

void PresentSurface(wxDC& dc, const raster::Surface& surface, wxBitmap& buffer) {
    if (surface.width <= 0 || surface.height <= 0) return;
    if (!buffer.IsOk() || buffer.GetWidth() != surface.width ||
        buffer.GetHeight() != surface.height) {
        buffer.Create(surface.width, surface.height, 24);
    }
    {
        // The pixel access must end before the bitmap is drawn.
        wxNativePixelData data(buffer);
        if (!data) return;
        wxNativePixelData::Iterator row(data);
        const raster::Pixel* in = surface.pixels.data();
        for (int y = 0; y < surface.height; ++y, row.OffsetY(data, 1)) {
            wxNativePixelData::Iterator out = row;
            for (int x = 0; x < surface.width; ++x, ++out, ++in) {
                out.Red() = static_cast<unsigned char>(*in >> 16);
                out.Green() = static_cast<unsigned char>(*in >> 8);
                out.Blue() = static_cast<unsigned char>(*in);
            }
        }
    }
    dc.DrawBitmap(buffer, 0, 0, false);
}

}  // namespace platform::wx
