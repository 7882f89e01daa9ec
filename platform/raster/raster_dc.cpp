#include "platform/raster/raster_dc.h"

#include <algorithm>
#include <cstdlib>

#include "platform/raster/blit.h"
#include "platform/raster/fill.h"
#include "platform/raster/font_instance.h"
#include "platform/raster/raster_font.h"
#include "platform/raster/raster_graphics.h"
#include "platform/raster/text.h"
#include "platform/raster/transparent.h"
#include "platform/raster/view.h"

namespace platform::raster {

RasterDC::RasterDC() : stock_(std::make_unique<RasterBitmap>(Surface(1, 1, true))) {
    stock_->selectedIn_ = this;  // for good: no other DC may take it
    Target(stock_.get());
}

RasterDC::RasterDC(Surface* target, Point origin, Rect clip)
    : target_(target), origin_(origin), clip_(clip) {}

RasterDC::~RasterDC() {
    if (selected_) selected_->selectedIn_ = nullptr;
    if (stock_) stock_->selectedIn_ = nullptr;
}

void RasterDC::Target(RasterBitmap* bitmap) {
    selected_ = bitmap;
    target_ = &bitmap->surface_;
    origin_ = Point{};
    clip_ = Rect{0, 0, target_->width, target_->height};
}

void RasterDC::BitmapDestroyed(RasterBitmap* bitmap) {
    if (bitmap == selected_) Target(stock_.get());
}

Rect RasterDC::clip() const { return target_ ? ClipInside(clip_, *target_) : Rect{}; }

Surface* RasterDC::surface() {
    if (selected_) selected_->Fill();
    return target_;
}

View RasterDC::view() const {
    if (selected_) selected_->Fill();
    View v;
    v.surface = target_;
    v.origin = origin_;
    v.clip = clip();
    v.textColor = textColor_;
    v.bkColor = bkColor_;
    return v;
}

void RasterDC::Wrote(std::int64_t x, std::int64_t y, std::int64_t w, std::int64_t h) {
    const Rect c = clip();
    const std::int64_t left = std::max<std::int64_t>(std::min(x, x + w) + origin_.x, c.left);
    const std::int64_t top = std::max<std::int64_t>(std::min(y, y + h) + origin_.y, c.top);
    const std::int64_t right = std::min<std::int64_t>(std::max(x, x + w) + origin_.x, c.right);
    const std::int64_t bottom = std::min<std::int64_t>(std::max(y, y + h) + origin_.y, c.bottom);
    if (left >= right || top >= bottom) return;
    if (written_.right <= written_.left || written_.bottom <= written_.top) {
        written_ = Rect{int(left), int(top), int(right), int(bottom)};
        return;
    }
    written_.left = std::min(written_.left, int(left));
    written_.top = std::min(written_.top, int(top));
    written_.right = std::max(written_.right, int(right));
    written_.bottom = std::max(written_.bottom, int(bottom));
}

// Reversed extents cover the pixels on the far side of their start: one more
// pixel each way bounds both directions.
void RasterDC::WroteMirrorable(std::int64_t x, std::int64_t y, std::int64_t w, std::int64_t h) {
    Wrote(std::min(x, x + w) - 1, std::min(y, y + h) - 1, std::llabs(w) + 2, std::llabs(h) + 2);
}

FontInstance* RasterDC::CurrentFont() const {
    if (fontInstance_) return fontInstance_.get();
    static const std::shared_ptr<FontInstance> fallback = RasterFont::DefaultInstance();
    return fallback.get();
}

Bitmap* RasterDC::SelectBitmap(Bitmap* bitmap) {
    if (!stock_ || !bitmap) return nullptr;
    auto* next = dynamic_cast<RasterBitmap*>(bitmap);
    if (!next || (next->selectedIn_ && next->selectedIn_ != this)) return nullptr;
    RasterBitmap* previous = selected_;
    if (previous != stock_.get()) previous->selectedIn_ = nullptr;
    next->selectedIn_ = this;
    Target(next);
    return previous;
}

Font* RasterDC::SelectFont(Font* font) {
    auto* next = dynamic_cast<RasterFont*>(font);
    if (!next) return nullptr;
    if (!font_) {
        if (!stockFont_) stockFont_ = std::make_unique<RasterFont>(FontRequest{}, nullptr);
        font_ = stockFont_.get();
    }
    Font* previous = font_;
    font_ = next;
    fontInstance_ = next->instance();  // null for the stock font: the default face
    return previous;
}

ColorRef RasterDC::SetTextColor(ColorRef color) {
    ColorRef previous = textColor_;
    textColor_ = color & 0xFFFFFF;
    return previous;
}

ColorRef RasterDC::SetBkColor(ColorRef color) {
    ColorRef previous = bkColor_;
    bkColor_ = color & 0xFFFFFF;
    return previous;
}

BkMode RasterDC::SetBkMode(BkMode mode) {
    BkMode previous = bkMode_;
    if (mode == BkMode::Transparent || mode == BkMode::Opaque) bkMode_ = mode;
    return previous;
}

bool RasterDC::CopyCoversBitmap(int x, int y, int w, int h, const View& source, int sx, int sy,
                                int sw, int sh, Rop rop) const {
    if (rop != Rop::SrcCopy || !selected_ || !source.surface || source.surface == target_)
        return false;
    // Growing or equal extents only: a shrink may leave a pixel nothing to read.
    if (sw <= 0 || sh <= 0 || w < sw || h < sh) return false;
    const Box writes = Intersect(
        BoxOf(clip()), Box{std::int64_t(origin_.x) + x, std::int64_t(origin_.y) + y,
                           std::int64_t(origin_.x) + x + w, std::int64_t(origin_.y) + y + h});
    const Box reads = PlaceOnSurface(source, sx, sy, sw, sh);
    const Box readable = BoxOf(source.clip);
    return writes.left <= 0 && writes.top <= 0 && writes.right >= target_->width &&
           writes.bottom >= target_->height && reads.left >= readable.left &&
           reads.top >= readable.top && reads.right <= readable.right &&
           reads.bottom <= readable.bottom;
}

bool RasterDC::BitBlt(int x, int y, int w, int h, DC& src, int sx, int sy, Rop rop) {
    auto* source = dynamic_cast<RasterDC*>(&src);
    if (!source || !target_) return false;
    const View s = source->view();
    if (selected_ && selected_->blank_ && s.surface &&
        CopyCoversBitmap(x, y, w, h, s, sx, sy, w, h, rop))
        selected_->blank_ = false;  // every pixel is written below
    Wrote(x, y, w, h);
    return BlitViews(view(), x, y, w, h, s.surface ? &s : nullptr, sx, sy, rop);
}

bool RasterDC::StretchBlt(int x, int y, int w, int h, DC& src, int sx, int sy, int sw, int sh,
                          Rop rop) {
    auto* source = dynamic_cast<RasterDC*>(&src);
    if (!source || !target_ || !source->target_) return false;
    const View s = source->view();
    if (selected_ && selected_->blank_ && CopyCoversBitmap(x, y, w, h, s, sx, sy, sw, sh, rop))
        selected_->blank_ = false;  // every pixel is written below
    WroteMirrorable(x, y, w, h);
    return StretchViews(view(), x, y, w, h, s, sx, sy, sw, sh, rop);
}

bool RasterDC::TransparentBlt(int x, int y, int w, int h, DC& src, int sx, int sy, int sw, int sh,
                              ColorRef key) {
    return Transparent(x, y, w, h, src, sx, sy, sw, sh, key, nullptr, 0, 0);
}

bool RasterDC::TransparentBltOver(int x, int y, int w, int h, DC& src, int sx, int sy, int sw,
                                  int sh, ColorRef key, DC& under, int ux, int uy) {
    return Transparent(x, y, w, h, src, sx, sy, sw, sh, key, &under, ux, uy);
}

bool RasterDC::Transparent(int x, int y, int w, int h, DC& src, int sx, int sy, int sw, int sh,
                           ColorRef key, DC* under, int ux, int uy) {
    auto* source = dynamic_cast<RasterDC*>(&src);
    auto* below = under ? dynamic_cast<RasterDC*>(under) : nullptr;
    if (!source || !target_ || !source->target_ || (under && (!below || !below->target_)))
        return false;
    // Beyond the largest bitmap the sequence cannot make its scratch bitmaps
    // and draws nothing: that case is left to it.
    if (static_cast<long long>(w) * h > RasterGraphics::kMaxPixels) return false;
    Wrote(x, y, w, h);
    if (!below) return TransparentViews(view(), x, y, w, h, source->view(), sx, sy, sw, sh, key);
    const Beneath beneath{below->view(), ux, uy};
    return TransparentViews(view(), x, y, w, h, source->view(), sx, sy, sw, sh, key, &beneath);
}

bool RasterDC::GradientFill(const TriVertex& v0, const TriVertex& v1, GradientMode mode) {
    if (!target_) return false;
    Wrote(v0.x, v0.y, std::int64_t(v1.x) - v0.x, std::int64_t(v1.y) - v0.y);
    return FillGradient(view(), v0, v1, mode);
}

bool RasterDC::FillSolidRect(const Rect& rect, ColorRef color) {
    if (!target_) return false;
    WroteMirrorable(rect.left, rect.top, std::int64_t(rect.right) - rect.left,
                    std::int64_t(rect.bottom) - rect.top);
    FillSolid(view(), rect, color);
    return true;
}

bool RasterDC::TextOutAt(int x, int y, const std::string& text) {
    FontInstance* font = CurrentFont();
    if (!target_ || !font) return false;
    // Ink stays inside the run's cell.
    Wrote(x, y, font->Advance(text), font->metrics().height);
    DrawTextRun(view(), *font, x, y, text, bkMode_);
    return true;
}

bool RasterDC::MeasureText(const std::string& text, Size* size) {
    FontInstance* font = CurrentFont();
    if (!size || !font) return false;
    *size = MeasureTextRun(*font, text);
    return true;
}

}  // namespace platform::raster
