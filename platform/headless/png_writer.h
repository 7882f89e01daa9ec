// PNG files of surfaces: what `render` writes, and what tests read back.
#pragma once

#include <string>

#include "platform/raster/surface.h"
#include "platform/types.h"

namespace platform {

// Writes `area` of the surface as an 8-bit RGB PNG without alpha. The area must
// lie wholly inside the surface and not be empty. The file appears only once it
// is complete: a failure leaves an existing file at `path` as it was.
[[nodiscard]] bool WritePng(const raster::Surface& surface, const Rect& area,
                            const std::string& path);

// Reads a PNG into a colour surface (libpng flattens any alpha). False, with
// *out empty, when the file is missing, not a PNG, or above 64 Mi pixels.
[[nodiscard]] bool ReadPng(const std::string& path, raster::Surface* out);

}  // namespace platform
