// One axis of a stretch, in the default mode BLACKONWHITE: which source pixels
// feed each destination pixel.
#pragma once

#include <cstdint>
#include <vector>

namespace platform::raster {

// For each destination pixel of a clipped run, the source pixels [first, last)
// that feed it, already limited to what is readable.
struct AxisMap {
    std::vector<int> first;
    std::vector<int> last;
};

// Fills `map` for destination pixels [from, to) of the run (dstStart, dstLen)
// reading (srcStart, srcLen); the readable source is [readFrom, readTo).
// Refilling a map reuses its storage.
void MapAxis(AxisMap* map, std::int64_t dstStart, std::int64_t dstLen, std::int64_t from,
             std::int64_t to, std::int64_t srcStart, std::int64_t srcLen, bool mirror,
             std::int64_t readFrom, std::int64_t readTo);

}  // namespace platform::raster
