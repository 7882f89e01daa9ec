// BMP decoding with LoadImageA's acceptance: core (OS/2 1.x) and info headers up
// to V5; 1, 4, 8, 16, 24 and 32 bits per pixel; BI_RGB, BI_RLE4, BI_RLE8 and
// BI_BITFIELDS; bottom-up and top-down. Anything malformed, truncated or absurdly
// large fails: no allocation is made beyond what the file can describe.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "platform/raster/surface.h"

namespace platform::raster {

// Decodes a whole .bmp file held in memory into a colour surface (top row first).
// Returns false, leaving *out empty, on any failure.
[[nodiscard]] bool DecodeBmp(const std::uint8_t* data, std::size_t size, Surface* out);

// The same for a file of `size` bytes open at its start: uncompressed rows are
// read one at a time straight into the surface, so no copy of the file is held.
// A picture of more than maxPixels fails before anything is allocated.
[[nodiscard]] bool DecodeBmpFile(std::FILE* file, std::size_t size, Surface* out,
                                 std::uint64_t maxPixels);

}  // namespace platform::raster
