#include "platform/raster/pixel_memory.h"

#include <cstdint>
#include <new>

#if defined(__linux__)
#include <sys/mman.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <vector>
#endif

namespace platform::raster {

#if defined(__linux__)
namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif
#else
constexpr bool kSanitized = false;
#endif

constexpr std::size_t kLarge = std::size_t(64) << 10;  // a 128 x 128 picture
constexpr std::size_t kHugePage = std::size_t(2) << 20;
constexpr std::size_t kChunk = std::size_t(32) << 20;
constexpr std::size_t kGrain = 64;
// Beyond this no size is real: rounding it up would wrap.
constexpr std::size_t kMaxBlock = std::size_t(PTRDIFF_MAX) / 2;

std::size_t RoundUp(std::size_t n, std::size_t to) { return (n + to - 1) / to * to; }

// One mapping, handed out first fit; free ranges are kept merged.
struct Chunk {
    char* base = nullptr;
    std::size_t size = 0;
    std::size_t used = 0;
    std::map<std::size_t, std::size_t> free;  // offset -> length

    ~Chunk() { munmap(base, size); }

    void* Take(std::size_t n) {
        for (auto it = free.begin(); it != free.end(); ++it) {
            if (it->second < n) continue;
            const std::size_t at = it->first, left = it->second - n;
            free.erase(it);
            if (left) free.emplace(at + n, left);
            used += n;
            return base + at;
        }
        return nullptr;
    }

    void Give(std::size_t at, std::size_t n) {
        used -= n;
        auto next = free.lower_bound(at);
        if (next != free.end() && at + n == next->first) {
            n += next->second;
            next = free.erase(next);
        }
        if (next != free.begin()) {
            auto prev = std::prev(next);
            if (prev->first + prev->second == at) {
                prev->second += n;
                return;
            }
        }
        free.emplace(at, n);
    }
};

// A mapping aligned to a huge page, so the kernel can back it with them.
std::unique_ptr<Chunk> MapChunk(std::size_t size) {
    auto chunk = std::make_unique<Chunk>();  // first, so a throw leaks no mapping
    void* raw = mmap(nullptr, size + kHugePage, PROT_READ | PROT_WRITE,
                     MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (raw == MAP_FAILED) return nullptr;
    const auto start = reinterpret_cast<std::uintptr_t>(raw);
    const std::uintptr_t aligned = RoundUp(start, kHugePage);
    if (aligned > start) munmap(raw, aligned - start);
    const std::uintptr_t end = start + size + kHugePage;
    if (end > aligned + size) munmap(reinterpret_cast<void*>(aligned + size), end - aligned - size);
    chunk->base = reinterpret_cast<char*>(aligned);
    chunk->size = size;
    chunk->free.emplace(0, size);
    madvise(chunk->base, size, MADV_HUGEPAGE);  // refused where huge pages are off: fine
    return chunk;
}

class PixelArena {
  public:
    // Null when no mapping can be had, not even one of just this block.
    void* Allocate(std::size_t bytes) {
        const std::size_t n = RoundUp(bytes, kGrain);
        std::lock_guard<std::mutex> hold(mutex_);
        for (auto& chunk : chunks_)
            if (void* p = chunk->Take(n)) return p;
        const std::size_t fitted = RoundUp(n, kHugePage);
        auto chunk = MapChunk(std::max(fitted, kChunk));
        if (!chunk && fitted < kChunk) chunk = MapChunk(fitted);
        if (!chunk) return nullptr;
        void* p = chunk->Take(n);
        chunks_.reserve(chunks_.size() + 1);
        chunks_.push_back(std::move(chunk));
        return p;
    }

    // An empty chunk goes back, except the last one, which the next window
    // reuses. False when the block is not from a chunk.
    bool Free(void* memory, std::size_t bytes) {
        const std::size_t n = RoundUp(bytes, kGrain);
        char* p = static_cast<char*>(memory);
        std::lock_guard<std::mutex> hold(mutex_);
        for (auto it = chunks_.begin(); it != chunks_.end(); ++it) {
            Chunk& chunk = **it;
            if (p < chunk.base || p >= chunk.base + chunk.size) continue;
            chunk.Give(std::size_t(p - chunk.base), n);
            if (chunk.used == 0 && chunks_.size() > 1) chunks_.erase(it);
            return true;
        }
        return false;
    }

  private:
    std::mutex mutex_;
    std::vector<std::unique_ptr<Chunk>> chunks_;
};

// Never destroyed: pixels may still be freed while the program ends.
PixelArena& Arena() {
    static PixelArena* arena = new PixelArena;
    return *arena;
}

}  // namespace

// Where no mapping can be had, the heap may still have room.
void* AllocatePixels(std::size_t bytes) {
    if (bytes > kMaxBlock) throw std::bad_alloc();
    if (kSanitized || bytes < kLarge) return ::operator new(bytes);
    if (void* p = Arena().Allocate(bytes)) return p;
    return ::operator new(bytes);
}

void FreePixels(void* memory, std::size_t bytes) {
    if (!memory) return;
    if (kSanitized || bytes < kLarge || !Arena().Free(memory, bytes)) ::operator delete(memory);
}

#else
// Elsewhere (the Windows test tools that share the surface type): the heap.
// Built without exceptions: operator new's own failure ends the tool.
void* AllocatePixels(std::size_t bytes) { return ::operator new(bytes); }
void FreePixels(void* memory, std::size_t) { ::operator delete(memory); }
#endif

}  // namespace platform::raster
