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
// Address space more than memory: a chunk reserved and not yet used still
// counts against a limit on it, where a thread that cannot start ends GLib.
constexpr std::size_t kChunk = std::size_t(8) << 20;
constexpr std::size_t kGrain = 64;
constexpr std::size_t kHugeFrom = std::size_t(8) << 20;
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

    // Null, or the offset of n bytes starting on a multiple of align.
    void* Take(std::size_t n, std::size_t align) {
        for (auto it = free.begin(); it != free.end(); ++it) {
            const std::size_t at = it->first, end = at + it->second;
            const std::size_t start = RoundUp(at, align);
            if (start > end || end - start < n) continue;
            free.erase(it);
            if (start > at) free.emplace(at, start - at);
            if (end > start + n) free.emplace(start + n, end - start - n);
            used += n;
            return base + start;
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
    return chunk;
}

// Huge pages only where the block fills them, while the pixels are few: a
// huge page half used costs a whole one, 2 MiB for a 1 MiB frame. Past
// kHugeFrom a large project's first touches cost more than that slack.
void AdviseHugePages(void* block, std::size_t n, bool many) {
    const auto start = reinterpret_cast<std::uintptr_t>(block);
    const std::uintptr_t first = many ? start / kHugePage * kHugePage : RoundUp(start, kHugePage);
    const std::uintptr_t last =
        many ? RoundUp(start + n, kHugePage) : (start + n) / kHugePage * kHugePage;
    if (last > first)  // refused where huge pages are off: fine
        madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
}

class PixelArena {
  public:
    // Null when no mapping can be had, not even one of just this block.
    void* Allocate(std::size_t bytes) {
        const std::size_t n = RoundUp(bytes, kGrain);
        // A block of a huge page or more starts on one, so all but its tail
        // can be huge; smaller ones fill the gaps that leaves.
        const std::size_t align = n >= kHugePage ? kHugePage : kGrain;
        std::lock_guard<std::mutex> hold(mutex_);
        void* p = nullptr;
        for (auto& chunk : chunks_)
            if ((p = chunk->Take(n, align))) break;
        if (!p) {
            const std::size_t fitted = RoundUp(n, kHugePage);
            auto chunk = MapChunk(std::max(fitted, kChunk));
            if (!chunk && fitted < kChunk) chunk = MapChunk(fitted);
            if (!chunk) return nullptr;
            p = chunk->Take(n, align);
            chunks_.reserve(chunks_.size() + 1);
            chunks_.push_back(std::move(chunk));
        }
        live_ += n;
        AdviseHugePages(p, n, live_ > kHugeFrom);
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
            live_ -= n;
            if (chunk.used == 0 && chunks_.size() > 1) chunks_.erase(it);
            return true;
        }
        return false;
    }

  private:
    std::mutex mutex_;
    std::size_t live_ = 0;  // bytes handed out from chunks
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
