// Drawing: the GDI-shaped part of the platform layer.
//
// Objects are owned through std::unique_ptr; the engine still follows GDI's
// discipline (select, use, select back, delete), and a backend may rely on it:
// a bitmap or font is never destroyed while it is selected into a device context.
#pragma once

#include <memory>
#include <string>

#include "platform/types.h"

namespace platform {

class Bitmap {
public:
    virtual ~Bitmap() = default;
    // GetObjectA on the bitmap: false when the header cannot be read.
    virtual bool GetInfo(BitmapInfo* info) const = 0;
};

class Font {
public:
    virtual ~Font() = default;
};

// A device context: a memory DC made by Graphics, or a window's DC lent by
// Window::GetDC / Window::BeginPaint. Deleting a memory DC deletes only the DC,
// never the bitmap or font selected into it.
class DC {
public:
    virtual ~DC() = default;

    // SelectObject. Returns what was selected before; for a fresh memory DC
    // that is the DC's own 1 x 1 monochrome stock bitmap (or the default font),
    // which stays owned by the DC and may be selected back. Selecting null
    // fails and returns null.
    virtual Bitmap* SelectBitmap(Bitmap* bitmap) = 0;
    virtual Font* SelectFont(Font* font) = 0;

    // Each setter returns the previous value.
    virtual ColorRef SetTextColor(ColorRef color) = 0;
    virtual ColorRef SetBkColor(ColorRef color) = 0;
    virtual ColorRef GetTextColor() const = 0;
    virtual ColorRef GetBkColor() const = 0;
    virtual BkMode SetBkMode(BkMode mode) = 0;

    // BitBlt / StretchBlt from src into this DC, with GDI's colour <-> monochrome
    // conversions: colour to mono makes pixels equal to the source's background
    // colour 1 and the rest 0; mono to colour gives 1 bits this DC's background
    // colour and 0 bits its text colour.
    virtual bool BitBlt(int x, int y, int w, int h, DC& src, int sx, int sy, Rop rop) = 0;
    virtual bool StretchBlt(int x, int y, int w, int h, DC& src, int sx, int sy, int sw, int sh,
                            Rop rop) = 0;

    // The window's transparent drawing of src's (sx, sy, sw, sh), stretched to
    // (x, y, w, h) as StretchBlt does, in one pass: the pixels the mask sequence
    // (a copy, a mask of the key colour, SRCAND, SRCPAINT) gives. False, having
    // drawn nothing, where the backend has no such pass or the case is not a
    // plain one; the caller then runs the sequence.
    virtual bool TransparentBlt(int /*x*/, int /*y*/, int /*w*/, int /*h*/, DC& /*src*/,
                                int /*sx*/, int /*sy*/, int /*sw*/, int /*sh*/,
                                ColorRef /*key*/) {
        return false;
    }
    // The same over a copy of what lies beneath: where src has the key colour
    // the pixel comes from `under` at (ux, uy) plus its offset in (x, y, w, h),
    // not from this DC. What a BitBlt of that part of `under` followed by
    // TransparentBlt leaves, in one pass; false, having drawn nothing, likewise.
    virtual bool TransparentBltOver(int /*x*/, int /*y*/, int /*w*/, int /*h*/, DC& /*src*/,
                                    int /*sx*/, int /*sy*/, int /*sw*/, int /*sh*/,
                                    ColorRef /*key*/, DC& /*under*/, int /*ux*/, int /*uy*/) {
        return false;
    }

    // GradientFill with two vertices and one GRADIENT_RECT (upper left v0, lower right v1).
    virtual bool GradientFill(const TriVertex& v0, const TriVertex& v1, GradientMode mode) = 0;

    // FillRect with a solid brush of the colour; right and bottom are exclusive.
    virtual bool FillSolidRect(const Rect& rect, ColorRef color) = 0;

    // TextOutA at top-left alignment, in the text colour, honouring the
    // background mode; MeasureText is GetTextExtentPoint32A.
    virtual bool TextOutAt(int x, int y, const std::string& text) = 0;
    virtual bool MeasureText(const std::string& text, Size* size) = 0;
};

// Factory of drawing objects.
class Graphics {
public:
    virtual ~Graphics() = default;

    // CreateCompatibleDC; ref may be null (compatible with the screen).
    virtual std::unique_ptr<DC> CreateCompatibleDC(DC* ref) = 0;
    // CreateCompatibleBitmap: colour, the depth of ref (null: the screen).
    virtual std::unique_ptr<Bitmap> CreateCompatibleBitmap(DC* ref, int width, int height) = 0;
    // CreateBitmap(w, h, 1 plane, 1 bit per pixel, no bits).
    virtual std::unique_ptr<Bitmap> CreateMonochromeBitmap(int width, int height) = 0;
    // CreateFontA.
    virtual std::unique_ptr<Font> CreateFontFor(const FontRequest& request) = 0;
    // LoadImageA(IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE): null on any failure. A
    // picture of more than maxPixels fails too, before its pixels are allocated
    // where the backend can tell; callers check the result's size as well.
    virtual std::unique_ptr<Bitmap> LoadBitmapFile(const std::string& path,
                                                   long long maxPixels) = 0;
};

}  // namespace platform
