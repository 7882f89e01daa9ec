#include "platform/raster/pixel_memory.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <new>

#ifndef MADV_POPULATE_WRITE
#define MADV_POPULATE_WRITE 23
#endif

namespace platform::raster {

namespace {
// Below this, the heap serves the request from pages it already has.
constexpr std::size_t kPagesAtOnce = std::size_t(256) << 10;
}  // namespace

// From the heap, so memory given back is reused without new pages; only pages
// that are not there yet are asked for, in one call. An older kernel refuses
// the request and the pages come one fault at a time, as before.
void* AllocatePixels(std::size_t bytes) {
    void* memory = ::operator new(bytes);
    if (bytes >= kPagesAtOnce) {
        const std::uintptr_t page = std::uintptr_t(sysconf(_SC_PAGESIZE));
        const std::uintptr_t from = (std::uintptr_t(memory) + page - 1) & ~(page - 1);
        const std::uintptr_t to = (std::uintptr_t(memory) + bytes) & ~(page - 1);
        if (to > from) madvise(reinterpret_cast<void*>(from), to - from, MADV_POPULATE_WRITE);
    }
    return memory;
}

void FreePixels(void* memory, std::size_t) { ::operator delete(memory); }

}  // namespace platform::raster
