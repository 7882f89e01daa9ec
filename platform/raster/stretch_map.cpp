#include "platform/raster/stretch_map.h"

#include <algorithm>

namespace platform::raster {

namespace {

// Division rounding down, for a numerator of any sign and a positive divisor.
std::int64_t FloorDiv(std::int64_t n, std::int64_t d) {
    return n >= 0 ? n / d : -((-n + d - 1) / d);
}

}  // namespace

void MapAxis(AxisMap* map, std::int64_t dstStart, std::int64_t dstLen, std::int64_t from,
             std::int64_t to, std::int64_t srcStart, std::int64_t srcLen, bool mirror,
             std::int64_t readFrom, std::int64_t readTo) {
    map->first.clear();
    map->last.clear();
    map->first.reserve(std::size_t(to - from));
    map->last.reserve(std::size_t(to - from));
    for (auto p = from; p < to; ++p) {
        std::int64_t i = p - dstStart;
        std::int64_t j = mirror ? dstLen - 1 - i : i;
        // GDI's mapping, by pixel centres: growing takes the source pixel under
        // the destination pixel's centre; shrinking merges the source pixels
        // whose centres fall inside the destination pixel. A centre exactly on
        // an edge belongs to the pixel before it.
        std::int64_t a, b;
        if (dstLen >= srcLen) {
            a = ((2 * j + 1) * srcLen - 1) / (2 * dstLen);
            b = a + 1;
        } else {
            a = FloorDiv(2 * j * srcLen - dstLen, 2 * dstLen) + 1;
            b = FloorDiv(2 * (j + 1) * srcLen - dstLen, 2 * dstLen) + 1;
        }
        a = std::max(srcStart + a, readFrom);
        b = std::min(srcStart + b, readTo);
        map->first.push_back(int(a));
        map->last.push_back(int(std::max(a, b)));
    }
}

}  // namespace platform::raster
