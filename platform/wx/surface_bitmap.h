// Showing a raster surface in wx.
#pragma once

#include <wx/bitmap.h>
#include <wx/dc.h>

#include "platform/raster/surface.h"

namespace platform::wx {

// The surface's pixels as a wx bitmap (monochrome surfaces come out black and white).
wxBitmap BitmapOf(const raster::Surface& surface);

// Draws the whole surface at the DC's origin.
void PresentSurface(wxDC& dc, const raster::Surface& surface);

}  // namespace platform::wx
