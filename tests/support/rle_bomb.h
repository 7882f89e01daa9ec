// A 1,080-byte RLE8 file that claims 8192 x 8192 pixels and holds one
// end-of-bitmap code: a picture that would cost 256 MiB if taken at its word.
#pragma once

#include <cstdint>
#include <string>

namespace sandbox {

inline std::string RleBombBmp() {
    std::string out = "BM";
    auto put = [&out](std::uint32_t v) {
        for (int i = 0; i < 4; ++i) out += char(v >> (8 * i));
    };
    for (std::uint32_t v :
         {1080u, 0u, 1078u, 40u, 8192u, 8192u, 1u | 8u << 16, 1u, 2u, 0u, 0u, 256u, 0u})
        put(v);
    out.append(256 * 4, '\0');
    return out + std::string("\0\1", 2);
}

}  // namespace sandbox
