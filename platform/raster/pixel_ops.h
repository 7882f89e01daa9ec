// Per-pixel rules of the raster: raster operations, colour <-> monochrome
// conversion, and how a brush or text colour lands on a monochrome surface.
#pragma once

#include "platform/raster/surface.h"

namespace platform::raster {

constexpr Pixel kWhite = 0xFFFFFF;
constexpr Pixel kBlack = 0x000000;

// Raster operations on 0x00RRGGBB; the spare high byte stays zero.
inline Pixel ApplyRop(Rop rop, Pixel s, Pixel d) {
    switch (rop) {
        case Rop::SrcCopy:
            return s;
        case Rop::SrcPaint:
            return s | d;
        case Rop::SrcAnd:
            return s & d;
        case Rop::SrcInvert:
            return s ^ d;
        case Rop::SrcErase:
            return s & ~d & kWhite;
        case Rop::NotSrcCopy:
            return ~s & kWhite;
        case Rop::Blackness:
            return kBlack;
        case Rop::Whiteness:
            return kWhite;
    }
    return d;  // an unknown value changes nothing
}

inline bool RopUsesSource(Rop rop) { return rop != Rop::Blackness && rop != Rop::Whiteness; }

inline bool KnownRop(Rop rop) {
    switch (rop) {
        case Rop::SrcCopy:
        case Rop::SrcPaint:
        case Rop::SrcAnd:
        case Rop::SrcInvert:
        case Rop::SrcErase:
        case Rop::NotSrcCopy:
        case Rop::Blackness:
        case Rop::Whiteness:
            return true;
    }
    return false;
}

// A solid colour on a monochrome surface: the nearer of black and white.
inline Pixel MonoOf(ColorRef c) {
    return int(RedOf(c)) + GreenOf(c) + BlueOf(c) >= 3 * 128 ? kWhite : kBlack;
}

// A solid colour as stored on the given surface.
inline Pixel SolidFor(const Surface& s, ColorRef c) {
    return s.monochrome ? MonoOf(c) : PixelOf(c);
}

}  // namespace platform::raster
