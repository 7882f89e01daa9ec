// Showing a raster surface in wx.
#pragma once

#include <wx/bitmap.h>
#include <wx/dc.h>

#include "platform/raster/surface.h"
#include "platform/types.h"

namespace platform::wx {

// Draws the surface's pixels inside `area` (surface coordinates) at the same
// place in the DC. buffer is kept by the caller between calls, so a frame
// costs one pixel copy and no new bitmap.
void PresentSurface(wxDC& dc, const raster::Surface& surface, wxBitmap& buffer, const Rect& area);

}  // namespace platform::wx
