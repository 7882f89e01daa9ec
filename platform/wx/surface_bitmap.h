// Showing a raster surface in wx.
#pragma once

#include <wx/bitmap.h>
#include <wx/dc.h>

#include "platform/raster/surface.h"

namespace platform::wx {

// Draws the whole surface at the DC's origin. buffer is kept by the caller
// between calls, so a frame costs one pixel copy and no new bitmap.
void PresentSurface(wxDC& dc, const raster::Surface& surface, wxBitmap& buffer);

}  // namespace platform::wx
