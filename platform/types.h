// Plain value types shared by every platform backend and the engine.
// Shapes and numeric values follow Win32 GDI so the engine reads like the
// drawing code it models, but no name here collides with a <windows.h> macro.
#pragma once

#include <cstdint>
#include <ostream>

namespace platform {

// Red in the low byte, then green, then blue (Win32 COLORREF layout).
using ColorRef = std::uint32_t;

constexpr ColorRef Rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return ColorRef(r) | (ColorRef(g) << 8) | (ColorRef(b) << 16);
}
constexpr std::uint8_t RedOf(ColorRef c) { return std::uint8_t(c & 0xFF); }
constexpr std::uint8_t GreenOf(ColorRef c) { return std::uint8_t((c >> 8) & 0xFF); }
constexpr std::uint8_t BlueOf(ColorRef c) { return std::uint8_t((c >> 16) & 0xFF); }

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point& o) const { return x == o.x && y == o.y; }
    bool operator!=(const Point& o) const { return !(*this == o); }
};

struct Size {
    int cx = 0;
    int cy = 0;
    bool operator==(const Size& o) const { return cx == o.cx && cy == o.cy; }
    bool operator!=(const Size& o) const { return !(*this == o); }
};

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    // PtInRect: the right and bottom edges are outside.
    bool Contains(Point p) const {
        return left <= p.x && p.x < right && top <= p.y && p.y < bottom;
    }
    bool operator==(const Rect& o) const {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
    bool operator!=(const Rect& o) const { return !(*this == o); }
};

// Ternary raster operations, with their Win32 values.
enum class Rop : std::uint32_t {
    SrcCopy = 0x00CC0020,
    SrcPaint = 0x00EE0086,
    SrcAnd = 0x008800C6,
    SrcInvert = 0x00660046,
    SrcErase = 0x00440328,
    NotSrcCopy = 0x00330008,
    Blackness = 0x00000042,
    Whiteness = 0x00FF0062,
};

enum class BkMode : int { Transparent = 1, Opaque = 2 };

// One GradientFill vertex: 16-bit colour channels, as TRIVERTEX.
struct TriVertex {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::uint16_t red = 0;
    std::uint16_t green = 0;
    std::uint16_t blue = 0;
    std::uint16_t alpha = 0;
};

enum class GradientMode : std::uint32_t { RectH = 0, RectV = 1 };

// The arguments of CreateFontA.
struct FontRequest {
    int height = 0;  // negative: character height in pixels; positive: cell height
    int width = 0;
    int escapement = 0;
    int orientation = 0;
    int weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    std::uint8_t charSet = 0;
    std::uint8_t outPrecision = 0;
    std::uint8_t clipPrecision = 0;
    std::uint8_t quality = 0;
    std::uint8_t pitchAndFamily = 0;
    const char* faceName = nullptr;  // null: the font mapper picks a face
};

// What GetObjectA reports of a bitmap (the fields the engine uses).
struct BitmapInfo {
    int width = 0;
    int height = 0;
    int planes = 1;
    int bitsPixel = 32;
};

// Window styles, Win32 values.
namespace ws {
constexpr std::uint32_t Popup = 0x80000000u;
constexpr std::uint32_t Child = 0x40000000u;
constexpr std::uint32_t Visible = 0x10000000u;
constexpr std::uint32_t Border = 0x00800000u;
constexpr std::uint32_t SysMenu = 0x00080000u;
}  // namespace ws

// Class styles, Win32 values.
namespace cs {
constexpr std::uint32_t VRedraw = 0x0001;
constexpr std::uint32_t HRedraw = 0x0002;
constexpr std::uint32_t DblClks = 0x0008;
}  // namespace cs

// Mouse key flags passed with mouse messages (MK_*).
namespace mk {
constexpr unsigned LButton = 0x0001;
constexpr unsigned RButton = 0x0002;
}  // namespace mk

// Virtual-key codes carried by key messages (VK_*).
namespace vk {
constexpr unsigned Back = 0x08;
constexpr unsigned Tab = 0x09;
constexpr unsigned Return = 0x0D;
constexpr unsigned Escape = 0x1B;
constexpr unsigned Space = 0x20;
constexpr unsigned Left = 0x25;
constexpr unsigned Up = 0x26;
constexpr unsigned Right = 0x27;
constexpr unsigned Down = 0x28;
constexpr unsigned Insert = 0x2D;
constexpr unsigned Delete = 0x2E;
constexpr unsigned F1 = 0x70;
constexpr unsigned F5 = 0x74;
constexpr unsigned F6 = 0x75;
constexpr unsigned F7 = 0x76;
constexpr unsigned F8 = 0x77;
}  // namespace vk

// Flags passed with a key message: MK_SHIFT's bit for a held Shift, and
// WM_KEYDOWN's previous-state bit for a key held down (auto-repeat).
namespace keyflag {
constexpr unsigned Shift = 0x0004;
constexpr unsigned Repeat = 0x40000000;
}  // namespace keyflag

inline std::ostream& operator<<(std::ostream& os, const Point& p) {
    return os << "(" << p.x << "," << p.y << ")";
}
inline std::ostream& operator<<(std::ostream& os, const Size& s) {
    return os << s.cx << "x" << s.cy;
}
inline std::ostream& operator<<(std::ostream& os, const Rect& r) {
    return os << "[" << r.left << "," << r.top << " - " << r.right << "," << r.bottom << ")";
}

}  // namespace platform
