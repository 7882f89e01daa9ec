// A device context of the portable raster. Two kinds:
// - a memory DC (RasterDC()): draws into the RasterBitmap selected into it; a
//   fresh one holds its own 1 x 1 monochrome stock bitmap, as GDI does;
// - a window DC (RasterDC(target, origin, clip)): draws into a surface owned by
//   a window host, DC point (0, 0) at `origin` of the target, clipped to `clip`
//   (target coordinates). Selecting a bitmap into it fails.
// A DC is monochrome when the surface it draws into is.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/graphics.h"
#include "platform/raster/raster_bitmap.h"
#include "platform/raster/surface.h"

namespace platform::raster {

class FontInstance;
class RasterFont;
struct View;

class RasterDC : public DC {
  public:
    RasterDC();
    RasterDC(Surface* target, Point origin, Rect clip);
    ~RasterDC() override;
    RasterDC(const RasterDC&) = delete;
    RasterDC& operator=(const RasterDC&) = delete;

    Bitmap* SelectBitmap(Bitmap* bitmap) override;
    Font* SelectFont(Font* font) override;

    ColorRef SetTextColor(ColorRef color) override;
    ColorRef SetBkColor(ColorRef color) override;
    ColorRef GetTextColor() const override { return textColor_; }
    ColorRef GetBkColor() const override { return bkColor_; }
    BkMode SetBkMode(BkMode mode) override;

    bool BitBlt(int x, int y, int w, int h, DC& src, int sx, int sy, Rop rop) override;
    bool StretchBlt(int x, int y, int w, int h, DC& src, int sx, int sy, int sw, int sh,
                    Rop rop) override;
    bool TransparentBlt(int x, int y, int w, int h, DC& src, int sx, int sy, int sw, int sh,
                        ColorRef key) override;
    bool TransparentBltOver(int x, int y, int w, int h, DC& src, int sx, int sy, int sw, int sh,
                            ColorRef key, DC& under, int ux, int uy) override;
    bool GradientFill(const TriVertex& v0, const TriVertex& v1, GradientMode mode) override;
    bool FillSolidRect(const Rect& rect, ColorRef color) override;
    bool TextOutAt(int x, int y, const std::string& text) override;
    bool MeasureText(const std::string& text, Size* size) override;

    // The surface drawn into (for a memory DC, the selected bitmap's).
    Surface* surface();
    bool monochrome() const { return target_ && target_->monochrome; }
    bool isMemoryDC() const { return stock_ != nullptr; }
    // Where DC point (0, 0) lies on the surface, and the writable part of it.
    Point origin() const { return origin_; }
    Rect clip() const;
    // What the drawing calls so far may have changed, in target coordinates
    // (a bound, not exact): a host shows just that much.
    Rect Written() const { return written_; }

  private:
    friend class RasterBitmap;
    void BitmapDestroyed(RasterBitmap* bitmap);
    void Target(RasterBitmap* bitmap);
    View view() const;
    // Whether a SrcCopy from `source` writes every pixel of the selected
    // bitmap: (x, y, w, h) covers it and reads only from (sx, sy, sw, sh),
    // which the source can be read from everywhere, with no pixel shrunk away.
    bool CopyCoversBitmap(int x, int y, int w, int h, const View& source, int sx, int sy, int sw,
                          int sh, Rop rop) const;
    // Both transparent draws: over `under` at (ux, uy) when given.
    bool Transparent(int x, int y, int w, int h, DC& src, int sx, int sy, int sw, int sh,
                     ColorRef key, DC* under, int ux, int uy);
    FontInstance* CurrentFont() const;
    // Notes a drawing call's rectangle in DC coordinates (either sign of w, h).
    void Wrote(std::int64_t x, std::int64_t y, std::int64_t w, std::int64_t h);
    void WroteMirrorable(std::int64_t x, std::int64_t y, std::int64_t w, std::int64_t h);

    std::unique_ptr<RasterBitmap> stock_;  // memory DCs only
    RasterBitmap* selected_ = nullptr;     // memory DCs only
    Surface* target_ = nullptr;
    Point origin_;
    Rect clip_;  // target coordinates, before meeting the target's bounds
    Rect written_;

    std::unique_ptr<RasterFont> stockFont_;  // made when first handed out
    Font* font_ = nullptr;                   // null: the stock font
    std::shared_ptr<FontInstance> fontInstance_;

    ColorRef textColor_ = 0x000000;
    ColorRef bkColor_ = 0xFFFFFF;
    BkMode bkMode_ = BkMode::Opaque;
};

}  // namespace platform::raster
