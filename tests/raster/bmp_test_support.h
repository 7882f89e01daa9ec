// Shared by the BMP tests: fixture files, and a builder for hand-made files
// whose every byte a test controls.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

#include "platform/raster/surface.h"

namespace bmp_test {

using Bytes = std::vector<std::uint8_t>;

inline std::string FixtureDir() {
    return std::string(VELOMAR_SOURCE_DIR) + "/tests/raster/fixtures/bmp/";
}

inline Bytes ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// The .bmp files of a fixture folder, sorted, as test parameters.
inline std::vector<std::string> BmpFiles(const std::string& dir) {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(dir))
        if (e.path().extension() == ".bmp") names.push_back(e.path().stem().string());
    std::sort(names.begin(), names.end());
    return names;
}

inline void Put16(Bytes* b, std::size_t at, std::uint32_t v) {
    (*b)[at] = std::uint8_t(v);
    (*b)[at + 1] = std::uint8_t(v >> 8);
}
inline void Put32(Bytes* b, std::size_t at, std::uint32_t v) {
    Put16(b, at, v & 0xFFFF);
    Put16(b, at + 2, v >> 16);
}
inline void Append32(Bytes* b, std::uint32_t v) {
    b->resize(b->size() + 4);
    Put32(b, b->size() - 4, v);
}

// A file with a 40-byte info header. Palette entries are 0x00RRGGBB; `masks`
// (three of them) follow the header; `pixels` is the raw pixel data as stored.
struct BmpSpec {
    std::int32_t width = 1;
    std::int32_t height = 1;
    std::uint16_t bitCount = 24;
    std::uint32_t compression = 0;
    std::uint32_t colorsUsed = 0;
    std::vector<std::uint32_t> palette;
    std::vector<std::uint32_t> masks;
    Bytes pixels;
};

inline Bytes MakeBmp(const BmpSpec& s) {
    Bytes b(54, 0);
    b[0] = 'B';
    b[1] = 'M';
    Put32(&b, 14, 40);
    Put32(&b, 18, std::uint32_t(s.width));
    Put32(&b, 22, std::uint32_t(s.height));
    Put16(&b, 26, 1);
    Put16(&b, 28, s.bitCount);
    Put32(&b, 30, s.compression);
    Put32(&b, 34, std::uint32_t(s.pixels.size()));
    Put32(&b, 46, s.colorsUsed);
    for (std::uint32_t m : s.masks) Append32(&b, m);
    for (std::uint32_t c : s.palette) Append32(&b, c);
    Put32(&b, 10, std::uint32_t(b.size()));
    b.insert(b.end(), s.pixels.begin(), s.pixels.end());
    Put32(&b, 2, std::uint32_t(b.size()));
    return b;
}

}  // namespace bmp_test

namespace platform::raster {
// Readable failures: a surface prints as its size and pixels.
inline void PrintTo(const Surface& s, std::ostream* os) {
    *os << s.width << "x" << s.height << " {";
    for (std::size_t i = 0; i < s.pixels.size() && i < 64; ++i) {
        char buf[8];
        std::snprintf(buf, sizeof buf, "%06x", unsigned(s.pixels[i]));
        *os << (i ? " " : "") << buf;
    }
    *os << (s.pixels.size() > 64 ? " ...}" : "}");
}
}  // namespace platform::raster
