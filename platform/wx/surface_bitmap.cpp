#include "platform/wx/surface_bitmap.h"

#include <wx/image.h>

#include <cstdlib>

namespace platform::wx {

wxBitmap BitmapOf(const raster::Surface& surface) {
    if (surface.width <= 0 || surface.height <= 0) return wxBitmap();
    const std::size_t count = std::size_t(surface.width) * std::size_t(surface.height);
    // wxImage takes ownership of malloc'ed data.
    auto* rgb = static_cast<unsigned char*>(std::malloc(count * 3));
    if (!rgb) return wxBitmap();
    for (std::size_t i = 0; i < count; ++i) {
        const raster::Pixel p = surface.pixels[i];
        rgb[3 * i] = static_cast<unsigned char>(p >> 16);
        rgb[3 * i + 1] = static_cast<unsigned char>(p >> 8);
        rgb[3 * i + 2] = static_cast<unsigned char>(p);
    }
    wxImage image(surface.width, surface.height, rgb);
    return wxBitmap(image);
}

void PresentSurface(wxDC& dc, const raster::Surface& surface) {
    wxBitmap bitmap = BitmapOf(surface);
    if (bitmap.IsOk()) dc.DrawBitmap(bitmap, 0, 0, false);
}

}  // namespace platform::wx
