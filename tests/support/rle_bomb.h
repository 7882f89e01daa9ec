// RLE8 files that claim side x side pixels and draw none: a picture that would
// cost side * side * 4 bytes if taken at its word.
#pragma once

#include <cstdint>
#include <string>

namespace sandbox {

// Header, a 256-colour table and `stream` bytes of end-of-line codes before the
// end-of-bitmap code.
inline std::string RleBombBmp(std::uint32_t side, std::uint32_t stream) {
    const std::uint32_t size = 1078 + stream + 2;
    std::string out = "BM";
    auto put = [&out](std::uint32_t v) {
        for (int i = 0; i < 4; ++i) out += char(v >> (8 * i));
    };
    for (std::uint32_t v :
         {size, 0u, 1078u, 40u, side, side, 1u | 8u << 16, 1u, stream + 2, 0u, 0u, 256u, 0u})
        put(v);
    out.append(256 * 4 + stream, '\0');
    return out + std::string("\0\1", 2);
}

// 1,080 bytes for 8192 x 8192: refused by the decoder as a stream too short
// for its picture.
inline std::string RleBombBmp() { return RleBombBmp(8192, 0); }

// As long as an encoder could need (a 132 KB file for 8192 x 8192), so every
// file passes on its own and only the pictures together can be refused.
inline std::string PlausibleRleBomb(std::uint32_t side) {
    return RleBombBmp(side, side / 512 * side);
}

}  // namespace sandbox
