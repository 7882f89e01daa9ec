// Memory for pixels. A picture's pixels are written once, all of them, right
// after they are allocated; taking the pages from the kernel in one call
// instead of one fault per page saves a third of a first paint.
#pragma once

#include <cstddef>

namespace platform::raster {

void* AllocatePixels(std::size_t bytes);
void FreePixels(void* memory, std::size_t bytes);

}  // namespace platform::raster
