#include "platform/wx/surface_bitmap.h"

#include <X11/Xlib.h>
#include <cairo.h>
#include <wx/graphics.h>
#include <wx/rawbmp.h>
#include <wx/utils.h>

#include <algorithm>

namespace platform::wx {

namespace {

constexpr int kBandBytes = 128 << 10;

// On X, cairo sends pixels through shared memory and keeps that block until
// the server is done with it; what is sent meanwhile would take another one.
// Waiting here lets the next upload reuse the same block.
void WaitForUpload(cairo_t* cr) {
    const wxDisplayInfo display = wxGetDisplayInfo();
    if (display.type != wxDisplayX11 || !display.dpy) return;
    cairo_surface_flush(cairo_get_target(cr));
    XSync(static_cast<Display*>(display.dpy), False);
}

// A surface pixel is 0x00RRGGBB in a 32-bit word, which is cairo's RGB24:
// cairo reads the surface in place, with no copy and no conversion (wxBitmap
// would convert its pixbuf to a new cairo image at every draw).
bool PaintWithCairo(wxDC& dc, const raster::Surface& surface, const Rect& area) {
    wxGraphicsContext* gc = dc.GetGraphicsContext();
    if (!gc || gc->GetRenderer() != wxGraphicsRenderer::GetCairoRenderer()) return false;
    auto* cr = static_cast<cairo_t*>(gc->GetNativeContext());
    const int stride = cairo_format_stride_for_width(CAIRO_FORMAT_RGB24, surface.width);
    if (!cr || stride != surface.width * int(sizeof(raster::Pixel))) return false;
    // The data is only read: cairo's interface just lacks a const.
    auto* data =
        reinterpret_cast<unsigned char*>(const_cast<raster::Pixel*>(surface.pixels.data()));
    cairo_surface_t* image = cairo_image_surface_create_for_data(
        data, CAIRO_FORMAT_RGB24, surface.width, surface.height, stride);
    const bool ok = cairo_surface_status(image) == CAIRO_STATUS_SUCCESS;
    if (ok) {
        cairo_save(cr);
        cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
        cairo_set_source_surface(cr, image, 0, 0);
        // In bands, each sent before the next is made: cairo's shared memory
        // for the upload stays one band, not one frame (1 MiB for the menu).
        const int rows = std::max(1, kBandBytes / stride);
        for (int top = area.top; top < area.bottom; top += rows) {
            cairo_rectangle(cr, area.left, top, area.Width(), std::min(rows, area.bottom - top));
            cairo_fill(cr);
            WaitForUpload(cr);
        }
        cairo_restore(cr);
    }
    // The target holds no reference once the source is dropped: the pixels may change next.
    cairo_surface_finish(image);
    cairo_surface_destroy(image);
    return ok;
}

}  // namespace

void PresentSurface(wxDC& dc, const raster::Surface& surface, wxBitmap& buffer,
                    const Rect& wanted) {
    const Rect area{std::max(wanted.left, 0), std::max(wanted.top, 0),
                    std::min(wanted.right, surface.width), std::min(wanted.bottom, surface.height)};
    if (area.right <= area.left || area.bottom <= area.top) return;
    if (PaintWithCairo(dc, surface, area)) return;
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
    wxDCClipper clip(dc, area.left, area.top, area.Width(), area.Height());
    dc.DrawBitmap(buffer, 0, 0, false);
}

}  // namespace platform::wx
