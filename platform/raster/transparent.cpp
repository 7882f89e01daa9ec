#include "platform/raster/transparent.h"

#include <cstddef>
#include <cstdint>

#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
#include <immintrin.h>
#endif

#include "platform/raster/pixel_ops.h"
#include "platform/raster/stretch_map.h"

namespace platform::raster {

namespace {

// Both loops pick by comparison, which the vectorizer turns into a blend.
void KeyRow(const Pixel* __restrict in, Pixel* __restrict out, int n, Pixel key) {
    for (int i = 0; i < n; ++i) {
        const Pixel s = in[i] & kWhite;
        out[i] = s == key ? out[i] & kWhite : s;
    }
}

void KeyGatherRow(const Pixel* __restrict line, const int* __restrict index, Pixel* __restrict out,
                  int n, Pixel key) {
    for (int i = 0; i < n; ++i) {
        const Pixel s = line[index[i]] & kWhite;
        out[i] = s == key ? out[i] & kWhite : s;
    }
}

// As above, the old pixels read from `below` instead, every one: a load
// made only where needed would keep the loop from being vectorized. A live
// frame's largest pass, so where the processor has them, eight lanes that
// read `below` only for the eights that have the key colour.
#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
#define VELOMAR_WIDE_ROWS 1
__attribute__((target("avx2"))) void KeyOverRowWide(const Pixel* __restrict in,
                                                    const Pixel* __restrict below,
                                                    Pixel* __restrict out, int n, Pixel key) {
    const __m256i white = _mm256_set1_epi32(int(kWhite)), k = _mm256_set1_epi32(int(key));
    int i = 0;
    for (; i + 8 <= n; i += 8) {
        const __m256i s =
            _mm256_and_si256(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(in + i)), white);
        const __m256i keyed = _mm256_cmpeq_epi32(s, k);
        __m256i o = s;
        if (!_mm256_testz_si256(keyed, keyed)) {
            const __m256i b = _mm256_and_si256(
                _mm256_loadu_si256(reinterpret_cast<const __m256i*>(below + i)), white);
            o = _mm256_blendv_epi8(s, b, keyed);
        }
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + i), o);
    }
    for (; i < n; ++i) {
        const Pixel s = in[i] & kWhite, b = below[i] & kWhite;
        out[i] = s == key ? b : s;
    }
}
#endif

void KeyOverRow(const Pixel* __restrict in, const Pixel* __restrict below, Pixel* __restrict out,
                int n, Pixel key) {
#ifdef VELOMAR_WIDE_ROWS
    static const bool wide = __builtin_cpu_supports("avx2");
    if (wide) return KeyOverRowWide(in, below, out, n, key);
#endif
    for (int i = 0; i < n; ++i) {
        const Pixel s = in[i] & kWhite, b = below[i] & kWhite;
        out[i] = s == key ? b : s;
    }
}

void KeyGatherOverRow(const Pixel* __restrict line, const int* __restrict index,
                      const Pixel* __restrict below, Pixel* __restrict out, int n, Pixel key) {
    for (int i = 0; i < n; ++i) {
        const Pixel s = line[index[i]] & kWhite, b = below[i] & kWhite;
        out[i] = s == key ? b : s;
    }
}

bool Inside(const Box& box, const Rect& r) {
    return box.left >= r.left && box.top >= r.top && box.right <= r.right && box.bottom <= r.bottom;
}

}  // namespace

bool TransparentViews(const View& dst, int x, int y, int w, int h, const View& src, int sx, int sy,
                      int sw, int sh, ColorRef key, const Beneath* beneath) {
    if (!dst.surface || !src.surface || dst.surface == src.surface) return false;
    if (dst.surface->monochrome || src.surface->monochrome) return false;
    if (sw <= 0 || sh <= 0 || w < sw || h < sh) return false;
    const Box reads = PlaceOnSurface(src, sx, sy, sw, sh);
    const Box readable = BoxOf(src.clip);
    if (!Inside(reads, src.clip)) return false;

    const Box whole = PlaceOnSurface(dst, x, y, w, h);
    const Box d = Intersect(whole, BoxOf(dst.clip));
    const Surface* under = beneath ? beneath->view.surface : nullptr;
    Box from;  // what `beneath` gives for d
    if (beneath) {
        if (!under || under == dst.surface || under->monochrome) return false;
        const std::int64_t dx =
            std::int64_t(beneath->view.origin.x) + beneath->x - dst.origin.x - x;
        const std::int64_t dy =
            std::int64_t(beneath->view.origin.y) + beneath->y - dst.origin.y - y;
        from = Box{d.left + dx, d.top + dy, d.right + dx, d.bottom + dy};
        if (!d.Empty() && !Inside(from, beneath->view.clip)) return false;
    }
    if (d.Empty()) return true;

    // Kept between calls: an animation frame allocates nothing. At the same
    // size no map is needed: pixel i of the run reads pixel i.
    thread_local AxisMap cols, rows;
    const bool sameSize = w == sw && h == sh;
    if (!sameSize) {
        MapAxis(&cols, whole.left, w, d.left, d.right, reads.left, sw, false, readable.left,
                readable.right);
        MapAxis(&rows, whole.top, h, d.top, d.bottom, reads.top, sh, false, readable.top,
                readable.bottom);
    }
    const std::int64_t firstCol = sameSize ? reads.left + d.left - whole.left : cols.first[0];
    const Pixel k = PixelOf(key);
    const int n = int(d.Width());
    const std::size_t stride = std::size_t(src.surface->width);
    for (int r = 0; r < int(d.Height()); ++r) {
        const std::int64_t row =
            sameSize ? reads.top + d.top - whole.top + r : rows.first[std::size_t(r)];
        const Pixel* line = src.surface->pixels.data() + std::size_t(row) * stride;
        Pixel* out = &dst.surface->At(int(d.left), int(d.top) + r);
        if (under) {
            const Pixel* below = under->pixels.data() +
                                 std::size_t(from.top + r) * std::size_t(under->width) +
                                 std::size_t(from.left);
            if (w == sw)
                KeyOverRow(line + firstCol, below, out, n, k);
            else
                KeyGatherOverRow(line, cols.first.data(), below, out, n, k);
        } else if (w == sw) {
            KeyRow(line + firstCol, out, n, k);
        } else {
            KeyGatherRow(line, cols.first.data(), out, n, k);
        }
    }
    return true;
}

}  // namespace platform::raster
