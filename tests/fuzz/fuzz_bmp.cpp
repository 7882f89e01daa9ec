// Any bytes into the BMP decoder: it must never read or write out of bounds,
// and a success must come with a whole surface.
#include <cstdint>
#include <cstdlib>

#include "platform/raster/bmp_decoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    platform::raster::Surface s;
    if (platform::raster::DecodeBmp(data, size, &s)) {
        if (s.width <= 0 || s.height <= 0 ||
            s.pixels.size() != std::size_t(s.width) * std::size_t(s.height))
            std::abort();
    } else if (!s.pixels.empty()) {
        std::abort();
    }
    return 0;
}
