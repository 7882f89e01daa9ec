#include "platform/raster/pixel_memory.h"

#include <sys/mman.h>

#include <new>

namespace platform::raster {

namespace {
// Below this, the heap serves the request from pages it already has.
constexpr std::size_t kPagesAtOnce = std::size_t(256) << 10;
}  // namespace

void* AllocatePixels(std::size_t bytes) {
    if (bytes < kPagesAtOnce) return ::operator new(bytes);
    void* memory = mmap(nullptr, bytes, PROT_READ | PROT_WRITE,
                        MAP_PRIVATE | MAP_ANONYMOUS | MAP_POPULATE, -1, 0);
    if (memory == MAP_FAILED) throw std::bad_alloc();
    return memory;
}

void FreePixels(void* memory, std::size_t bytes) {
    if (bytes < kPagesAtOnce) {
        ::operator delete(memory);
        return;
    }
    munmap(memory, bytes);
}

}  // namespace platform::raster
