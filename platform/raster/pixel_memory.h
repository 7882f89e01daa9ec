// Memory for pixels. A picture's pixels are all written right after they are
// allocated; asking for the missing pages in one call instead of one fault per
// page saves about a third of a first paint.
#pragma once

#include <cstddef>

namespace platform::raster {

void* AllocatePixels(std::size_t bytes);
void FreePixels(void* memory, std::size_t bytes);

}  // namespace platform::raster
