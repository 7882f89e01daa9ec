// A 32-bit raster surface: the pixels behind every bitmap and window of the
// portable backends.
#pragma once

#include <cstdint>
#include <memory>
#include <new>
#include <type_traits>
#include <utility>
#include <vector>

#include "platform/raster/pixel_memory.h"
#include "platform/types.h"

namespace platform::raster {

// A pixel is 0x00RRGGBB, the layout of a 32-bit DIB in memory (blue in the low
// byte). A monochrome surface holds only 0x000000 (bit 0) and 0xFFFFFF (bit 1).
using Pixel = std::uint32_t;

constexpr Pixel PixelOf(ColorRef c) {
    return (Pixel(RedOf(c)) << 16) | (Pixel(GreenOf(c)) << 8) | Pixel(BlueOf(c));
}
constexpr ColorRef ColorRefOf(Pixel p) {
    return Rgb(std::uint8_t(p >> 16), std::uint8_t(p >> 8), std::uint8_t(p));
}

// Leaves the elements a resize adds unwritten: writing a picture's worth of
// pixels that are overwritten at once costs as much as the copy itself. Large
// blocks come from the kernel whole (pixel_memory.h), or from a store. A copy
// of a surface is plain memory; a moved one keeps its store.
template <class T>
struct UnfilledAllocator : std::allocator<T> {
    template <class U>
    struct rebind {
        using other = UnfilledAllocator<U>;
    };
    using propagate_on_container_move_assignment = std::true_type;
    using propagate_on_container_swap = std::true_type;
    using is_always_equal = std::false_type;

    UnfilledAllocator() = default;
    explicit UnfilledAllocator(PixelStore* from) noexcept : store(from) {}
    template <class U>
    UnfilledAllocator(const UnfilledAllocator<U>& other) noexcept : store(other.store) {}
    UnfilledAllocator select_on_container_copy_construction() const { return {}; }

    T* allocate(std::size_t n) {  // the vector has checked n against max_size()
        return static_cast<T*>(store ? store->Allocate(n * sizeof(T))
                                     : AllocatePixels(n * sizeof(T)));
    }
    void deallocate(T* p, std::size_t n) noexcept {
        store ? store->Free(p, n * sizeof(T)) : FreePixels(p, n * sizeof(T));
    }
    template <class U>
    void construct(U* p) noexcept {
        ::new (static_cast<void*>(p)) U;
    }
    template <class U, class... Args>
    void construct(U* p, Args&&... args) {
        ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
    }
    friend bool operator==(const UnfilledAllocator& a, const UnfilledAllocator& b) {
        return a.store == b.store;
    }
    friend bool operator!=(const UnfilledAllocator& a, const UnfilledAllocator& b) {
        return a.store != b.store;
    }

    PixelStore* store = nullptr;
};

struct Surface {
    int width = 0;
    int height = 0;
    bool monochrome = false;
    std::vector<Pixel, UnfilledAllocator<Pixel>> pixels;  // row-major, top row first

    Surface() = default;
    Surface(int w, int h, bool mono = false, Pixel fill = 0, PixelStore* store = nullptr)
        : width(w),
          height(h),
          monochrome(mono),
          pixels(std::size_t(w) * std::size_t(h), fill, UnfilledAllocator<Pixel>(store)) {}

    // Pixels with no value yet: every one must be written before it is read.
    static Surface Unfilled(int w, int h, bool mono) {
        Surface s;
        s.width = w;
        s.height = h;
        s.monochrome = mono;
        s.pixels.resize(std::size_t(w) * std::size_t(h));
        return s;
    }

    Pixel& At(int x, int y) { return pixels[std::size_t(y) * std::size_t(width) + std::size_t(x)]; }
    Pixel At(int x, int y) const {
        return pixels[std::size_t(y) * std::size_t(width) + std::size_t(x)];
    }
};

}  // namespace platform::raster
