// Memory for pictures and frames. Large pixel blocks come from chunks of huge
// pages: a page's first touch is costly (under a hypervisor with shadow page
// tables about 14 us per 4 KiB page, more than decoding it), and a large
// project's first paint writes 17 MB of fresh pixels. Small blocks, and every
// block in a sanitizer build (so it sees overruns), come from the heap.
#pragma once

#include <cstddef>

namespace platform::raster {

// Throws std::bad_alloc when there is no memory, as operator new does. Where a
// chunk cannot be mapped, a mapping of just the block, then the heap, serve.
void* AllocatePixels(std::size_t bytes);
void FreePixels(void* memory, std::size_t bytes);

// Somewhere else a surface's pixels may live: a window host keeps its window's
// where the display reads them. Allocate throws std::bad_alloc as
// AllocatePixels does; Free takes back what Allocate gave.
class PixelStore {
  public:
    virtual void* Allocate(std::size_t bytes) = 0;
    virtual void Free(void* memory, std::size_t bytes) noexcept = 0;

  protected:
    ~PixelStore() = default;
};

}  // namespace platform::raster
