#include "platform/win32/gdi_objects.h"

namespace platform::win32 {

Win32Bitmap::~Win32Bitmap() {
    if (owned_ && handle_) DeleteObject(handle_);
}

bool Win32Bitmap::GetInfo(BitmapInfo* info) const {
    BITMAP bm = {};
    if (!handle_ || GetObjectA(handle_, sizeof(bm), &bm) != int(sizeof(bm))) return false;
    info->width = bm.bmWidth;
    info->height = bm.bmHeight;
    info->planes = bm.bmPlanes;
    info->bitsPixel = bm.bmBitsPixel;
    return true;
}

Win32Font::~Win32Font() {
    if (owned_ && handle_) DeleteObject(handle_);
}

Win32DC::~Win32DC() {
    if (kind_ == Kind::Memory && hdc_) DeleteDC(hdc_);
}

Bitmap* Win32DC::SelectBitmap(Bitmap* bitmap) {
    if (!bitmap) return nullptr;
    HGDIOBJ old = SelectObject(hdc_, static_cast<Win32Bitmap*>(bitmap)->handle());
    if (!old || old == HGDI_ERROR) return nullptr;
    Bitmap* previous = selectedBitmap_;
    if (!previous) {
        previous = &stockBitmap_.emplace(static_cast<HBITMAP>(old), false);
    }
    selectedBitmap_ = bitmap;
    return previous;
}

Font* Win32DC::SelectFont(Font* font) {
    if (!font) return nullptr;
    HGDIOBJ old = SelectObject(hdc_, static_cast<Win32Font*>(font)->handle());
    if (!old || old == HGDI_ERROR) return nullptr;
    Font* previous = selectedFont_;
    if (!previous) {
        previous = &stockFont_.emplace(static_cast<HFONT>(old), false);
    }
    selectedFont_ = font;
    return previous;
}

ColorRef Win32DC::SetTextColor(ColorRef color) { return ::SetTextColor(hdc_, color); }
ColorRef Win32DC::SetBkColor(ColorRef color) { return ::SetBkColor(hdc_, color); }
ColorRef Win32DC::GetTextColor() const { return ::GetTextColor(hdc_); }
ColorRef Win32DC::GetBkColor() const { return ::GetBkColor(hdc_); }

BkMode Win32DC::SetBkMode(BkMode mode) {
    int old = ::SetBkMode(hdc_, int(mode));
    return old == TRANSPARENT ? BkMode::Transparent : BkMode::Opaque;
}

bool Win32DC::BitBlt(int x, int y, int w, int h, DC& src, int sx, int sy, Rop rop) {
    return ::BitBlt(hdc_, x, y, w, h, HandleOf(src), sx, sy, DWORD(rop)) != FALSE;
}

bool Win32DC::StretchBlt(int x, int y, int w, int h, DC& src, int sx, int sy, int sw, int sh,
                         Rop rop) {
    return ::StretchBlt(hdc_, x, y, w, h, HandleOf(src), sx, sy, sw, sh, DWORD(rop)) != FALSE;
}

bool Win32DC::GradientFill(const TriVertex& v0, const TriVertex& v1, GradientMode mode) {
    TRIVERTEX vertices[2] = {};
    const TriVertex* in[2] = {&v0, &v1};
    for (int i = 0; i < 2; ++i) {
        vertices[i].x = in[i]->x;
        vertices[i].y = in[i]->y;
        vertices[i].Red = in[i]->red;
        vertices[i].Green = in[i]->green;
        vertices[i].Blue = in[i]->blue;
        vertices[i].Alpha = in[i]->alpha;
    }
    GRADIENT_RECT rect = {0, 1};
    ULONG fill = mode == GradientMode::RectH ? GRADIENT_FILL_RECT_H : GRADIENT_FILL_RECT_V;
    return ::GradientFill(hdc_, vertices, 2, &rect, 1, fill) != FALSE;
}

bool Win32DC::FillSolidRect(const Rect& rect, ColorRef color) {
    HBRUSH brush = CreateSolidBrush(color);
    if (!brush) return false;
    RECT r = {rect.left, rect.top, rect.right, rect.bottom};
    bool ok = FillRect(hdc_, &r, brush) != 0;
    DeleteObject(brush);
    return ok;
}

bool Win32DC::TextOutAt(int x, int y, const std::string& text) {
    return TextOutA(hdc_, x, y, text.data(), int(text.size())) != FALSE;
}

bool Win32DC::MeasureText(const std::string& text, Size* size) {
    SIZE s = {};
    if (!GetTextExtentPoint32A(hdc_, text.data(), int(text.size()), &s)) return false;
    size->cx = s.cx;
    size->cy = s.cy;
    return true;
}

}  // namespace platform::win32
