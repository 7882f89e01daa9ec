// Large pixel blocks share mappings: a random round of allocations and frees
// must never hand out memory that a live block still holds.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

#include "platform/raster/pixel_memory.h"

using platform::raster::AllocatePixels;
using platform::raster::FreePixels;

TEST(PixelMemory, LiveBlocksKeepTheirPixelsThroughRandomUse) {
    struct Block {
        std::uint32_t* pixels;
        std::size_t count;
        std::uint32_t mark;
    };
    std::mt19937 random(7);
    std::vector<Block> live;
    auto intact = [](const Block& b) {
        for (std::size_t i = 0; i < b.count; i += 997)
            if (b.pixels[i] != b.mark) return false;
        return b.pixels[b.count - 1] == b.mark;
    };
    for (std::uint32_t round = 1; round <= 400; ++round) {
        if (!live.empty() && random() % 3 == 0) {
            const std::size_t at = random() % live.size();
            ASSERT_TRUE(intact(live[at])) << "round " << round;
            FreePixels(live[at].pixels, live[at].count * 4);
            live.erase(live.begin() + std::ptrdiff_t(at));
            continue;
        }
        // From small heap blocks to blocks larger than a whole mapping.
        const std::size_t count = 1000 + random() % (round % 50 == 0 ? (12u << 20) : (700u << 10));
        Block b{static_cast<std::uint32_t*>(AllocatePixels(count * 4)), count, round};
        for (std::size_t i = 0; i < count; ++i) b.pixels[i] = round;
        live.push_back(b);
    }
    for (const Block& b : live) {
        EXPECT_TRUE(intact(b)) << "block " << b.mark;
        FreePixels(b.pixels, b.count * 4);
    }
}
