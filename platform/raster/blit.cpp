#include "platform/raster/blit.h"

#include <cstring>
#include <vector>

#include "platform/raster/fill.h"
#include "platform/raster/pixel_ops.h"
#include "platform/raster/stretch_map.h"

namespace platform::raster {

namespace {

// Turns source pixels into the destination's format.
struct Converter {
    enum class Mode { Same, MonoToColor, ColorToMono } mode = Mode::Same;
    Pixel one = kWhite;   // mono to colour: what a 1 bit becomes
    Pixel zero = kBlack;  // mono to colour: what a 0 bit becomes
    Pixel key = 0;        // colour to mono: the colour that becomes 1

    Converter(const View& dst, const View& src) {
        if (src.surface->monochrome && !dst.surface->monochrome) {
            mode = Mode::MonoToColor;
            one = PixelOf(dst.bkColor);
            zero = PixelOf(dst.textColor);
        } else if (!src.surface->monochrome && dst.surface->monochrome) {
            mode = Mode::ColorToMono;
            key = PixelOf(src.bkColor);
        }
    }

    void Row(const Pixel* __restrict in, Pixel* __restrict out, int n) const {
        switch (mode) {
            case Mode::Same:
                std::memcpy(out, in, std::size_t(n) * sizeof(Pixel));
                break;
            case Mode::MonoToColor:
                for (int i = 0; i < n; ++i) out[i] = in[i] == kWhite ? one : zero;
                break;
            case Mode::ColorToMono:
                for (int i = 0; i < n; ++i) out[i] = (in[i] & kWhite) == key ? kWhite : kBlack;
                break;
        }
    }

    // The transparent drawing's steps in one pass each: making the mask, and
    // ANDing it into a colour picture. False for any other combination.
    bool RowInto(Rop rop, const Pixel* __restrict in, Pixel* __restrict out, int n) const {
        if (mode == Mode::ColorToMono && rop == Rop::SrcCopy) {
            for (int i = 0; i < n; ++i) out[i] = (in[i] & kWhite) == key ? kWhite : kBlack;
            return true;
        }
        if (mode == Mode::MonoToColor && rop == Rop::SrcAnd) {
            // A monochrome pixel is all ones or all zeros, so it selects by masking.
            for (int i = 0; i < n; ++i) out[i] &= (in[i] & one) | (~in[i] & zero);
            return true;
        }
        return false;
    }
};

// The switch stays outside the loops so each raster operation runs as a tight
// loop. Source and destination never overlap: callers combine from a row copy
// when they would.
void CombineRow(Rop rop, const Pixel* __restrict s, Pixel* __restrict d, int n) {
    switch (rop) {
        case Rop::SrcCopy:
            std::memcpy(d, s, std::size_t(n) * sizeof(Pixel));
            break;
        case Rop::SrcPaint:
            for (int i = 0; i < n; ++i) d[i] |= s[i];
            break;
        case Rop::SrcAnd:
            for (int i = 0; i < n; ++i) d[i] &= s[i];
            break;
        default:
            for (int i = 0; i < n; ++i) d[i] = ApplyRop(rop, s[i], d[i]);
            break;
    }
}

// out[c] = line[index[c]]; kept apart so the compiler knows the three never overlap.
void GatherRow(const Pixel* __restrict line, const int* __restrict index, Pixel* __restrict out,
               int from, int to) {
    for (int c = from; c < to; ++c) out[c] = line[index[c]];
}

// A run given as (start, length) with a possibly negative length, as a
// left-to-right [start, start + length) run and whether it was mirrored.
void Normalise(std::int64_t start, std::int64_t len, std::int64_t* left, std::int64_t* size,
               bool* mirrored) {
    if (len < 0) {
        *left = start + len + 1;
        *size = -len;
        *mirrored = true;
    } else {
        *left = start;
        *size = len;
        *mirrored = false;
    }
}

}  // namespace

bool BlitViews(const View& dst, int x, int y, int w, int h, const View* src, int sx, int sy,
               Rop rop) {
    if (!KnownRop(rop) || !dst.surface) return false;
    if (RopUsesSource(rop) && (!src || !src->surface)) return false;
    if (w <= 0 || h <= 0) return true;

    Box d = Intersect(PlaceOnSurface(dst, x, y, w, h), BoxOf(dst.clip));
    if (!RopUsesSource(rop)) {
        if (!d.Empty()) FillBox(*dst.surface, d, SolidFor(*dst.surface, ApplyRop(rop, 0, 0)));
        return true;
    }

    // A destination surface point plus (shiftX, shiftY) is the source surface point.
    const std::int64_t shiftX = std::int64_t(src->origin.x) + sx - (std::int64_t(dst.origin.x) + x);
    const std::int64_t shiftY = std::int64_t(src->origin.y) + sy - (std::int64_t(dst.origin.y) + y);
    Box readable = BoxOf(src->clip);
    d = Intersect(d, Box{readable.left - shiftX, readable.top - shiftY, readable.right - shiftX,
                         readable.bottom - shiftY});
    if (d.Empty()) return true;

    const Converter convert(dst, *src);
    const int n = int(d.Width());
    const bool sameSurface = src->surface == dst.surface;
    // Within one surface a source row above its destination must be read before it is overwritten.
    const bool bottomUp = sameSurface && shiftY < 0;
    std::vector<Pixel> row;  // made only for the rows that need it
    for (std::int64_t k = 0; k < d.Height(); ++k) {
        const int dy = int(bottomUp ? d.bottom - 1 - k : d.top + k);
        const Pixel* in = &src->surface->At(int(d.left + shiftX), int(dy + shiftY));
        Pixel* out = &dst.surface->At(int(d.left), dy);
        if (convert.mode == Converter::Mode::Same && !sameSurface) {
            CombineRow(rop, in, out, n);
        } else if (!convert.RowInto(rop, in, out, n)) {
            // Within one surface a row may overlap itself: combine from a copy.
            row.resize(static_cast<std::size_t>(n));
            convert.Row(in, row.data(), n);
            CombineRow(rop, row.data(), out, n);
        }
    }
    return true;
}

bool StretchViews(const View& dst, int x, int y, int w, int h, const View& src, int sx, int sy,
                  int sw, int sh, Rop rop) {
    if (!KnownRop(rop) || !dst.surface || !src.surface) return false;
    if (w == 0 || h == 0 || sw == 0 || sh == 0) return true;
    if (w == sw && h == sh && w > 0 && h > 0) return BlitViews(dst, x, y, w, h, &src, sx, sy, rop);

    std::int64_t dl, dw, dt, dh, sl, swn, st, shn;
    bool mx, my, smx, smy;
    Normalise(std::int64_t(dst.origin.x) + x, w, &dl, &dw, &mx);
    Normalise(std::int64_t(dst.origin.y) + y, h, &dt, &dh, &my);
    Normalise(std::int64_t(src.origin.x) + sx, sw, &sl, &swn, &smx);
    Normalise(std::int64_t(src.origin.y) + sy, sh, &st, &shn, &smy);

    const Box d = Intersect(Box{dl, dt, dl + dw, dt + dh}, BoxOf(dst.clip));
    if (d.Empty()) return true;
    if (!RopUsesSource(rop)) {
        FillBox(*dst.surface, d, SolidFor(*dst.surface, ApplyRop(rop, 0, 0)));
        return true;
    }

    // Reading from the surface being written: work from a copy of it.
    Surface copy;
    const Surface* from = src.surface;
    if (src.surface == dst.surface) {
        copy = *src.surface;
        from = &copy;
    }
    const Box readable = BoxOf(src.clip);
    AxisMap cols, rows;
    MapAxis(&cols, dl, dw, d.left, d.right, sl, swn, mx != smx, readable.left, readable.right);
    MapAxis(&rows, dt, dh, d.top, d.bottom, st, shn, my != smy, readable.top, readable.bottom);

    // The columns that read anything form one run: the readable area is one
    // interval and the spans move monotonically along it.
    const int n = int(d.Width());
    const int* first = cols.first.data();
    const int* last = cols.last.data();
    int c0 = 0, c1 = n;
    while (c0 < c1 && first[c0] >= last[c0]) ++c0;
    while (c1 > c0 && first[c1 - 1] >= last[c1 - 1]) --c1;
    if (c0 >= c1) return true;

    // A plain copy builds each row in the destination itself; anything else
    // builds it aside, then converts and combines it.
    const Converter convert(dst, src);
    const bool direct = rop == Rop::SrcCopy && convert.mode == Converter::Mode::Same;
    bool oneColumnEach = true;  // growing across: each column reads one source pixel
    for (int c = c0; c < c1 && oneColumnEach; ++c) oneColumnEach = last[c] - first[c] == 1;
    std::vector<Pixel> acc(direct ? 0 : static_cast<std::size_t>(n));
    std::vector<Pixel> converted(direct ? 0 : static_cast<std::size_t>(n));
    const Pixel* previous = nullptr;  // the last row built, while the next reads the same rows
    for (int r = 0; r < int(d.Height()); ++r) {
        const int r0 = rows.first[std::size_t(r)];
        const int r1 = rows.last[std::size_t(r)];
        if (r0 >= r1) {
            previous = nullptr;
            continue;
        }
        Pixel* out = &dst.surface->At(int(d.left), int(d.top) + r);
        Pixel* row = direct ? out : acc.data();
        const bool sameRows = previous && r > 0 && rows.first[std::size_t(r - 1)] == r0 &&
                              rows.last[std::size_t(r - 1)] == r1;
        if (sameRows && direct) {
            std::memcpy(out + c0, previous + c0, std::size_t(c1 - c0) * sizeof(Pixel));
        } else if (!sameRows) {
            for (int sy2 = r0; sy2 < r1; ++sy2) {
                const Pixel* line =
                    from->pixels.data() + std::size_t(sy2) * std::size_t(from->width);
                if (oneColumnEach && sy2 == r0) {
                    GatherRow(line, first, row, c0, c1);
                    continue;
                }
                for (int c = c0; c < c1; ++c) {
                    Pixel v = line[first[c]];
                    for (int sx2 = first[c] + 1; sx2 < last[c]; ++sx2) v &= line[sx2];
                    row[c] = sy2 == r0 ? v : row[c] & v;
                }
            }
        }
        previous = row;
        if (direct) continue;
        convert.Row(acc.data() + c0, converted.data() + c0, c1 - c0);
        CombineRow(rop, converted.data() + c0, out + c0, c1 - c0);
    }
    return true;
}

}  // namespace platform::raster
