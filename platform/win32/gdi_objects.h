// GDI handles wrapped as the platform's Bitmap, Font and DC.
#pragma once

#include <optional>

#include "platform/graphics.h"
#include "platform/win32/win32_api.h"

namespace platform::win32 {

// Owns its HBITMAP unless it wraps a DC's stock bitmap.
class Win32Bitmap : public Bitmap {
  public:
    Win32Bitmap(HBITMAP handle, bool owned) : handle_(handle), owned_(owned) {}
    ~Win32Bitmap() override;
    Win32Bitmap(const Win32Bitmap&) = delete;
    Win32Bitmap& operator=(const Win32Bitmap&) = delete;

    bool GetInfo(BitmapInfo* info) const override;
    HBITMAP handle() const { return handle_; }

  private:
    HBITMAP handle_;
    bool owned_;
};

// Owns its HFONT unless it wraps a DC's default font.
class Win32Font : public Font {
  public:
    Win32Font(HFONT handle, bool owned) : handle_(handle), owned_(owned) {}
    ~Win32Font() override;
    Win32Font(const Win32Font&) = delete;
    Win32Font& operator=(const Win32Font&) = delete;

    HFONT handle() const { return handle_; }

  private:
    HFONT handle_;
    bool owned_;
};

// A device context. A memory DC is deleted with the wrapper; a window's DC is
// given back by whoever lent it (ReleaseDC, EndPaint). The wrapper remembers
// which wrapper is selected so SelectBitmap/SelectFont can return the previous
// one; what the DC held at first gets a non-owning wrapper of its own.
class Win32DC : public DC {
  public:
    enum class Kind { Memory, Borrowed };
    Win32DC(HDC hdc, Kind kind) : hdc_(hdc), kind_(kind) {}
    ~Win32DC() override;
    Win32DC(const Win32DC&) = delete;
    Win32DC& operator=(const Win32DC&) = delete;

    HDC handle() const { return hdc_; }

    Bitmap* SelectBitmap(Bitmap* bitmap) override;
    Font* SelectFont(Font* font) override;
    ColorRef SetTextColor(ColorRef color) override;
    ColorRef SetBkColor(ColorRef color) override;
    ColorRef GetTextColor() const override;
    ColorRef GetBkColor() const override;
    BkMode SetBkMode(BkMode mode) override;
    bool BitBlt(int x, int y, int w, int h, DC& src, int sx, int sy, Rop rop) override;
    bool StretchBlt(int x, int y, int w, int h, DC& src, int sx, int sy, int sw, int sh,
                    Rop rop) override;
    bool GradientFill(const TriVertex& v0, const TriVertex& v1, GradientMode mode) override;
    bool FillSolidRect(const Rect& rect, ColorRef color) override;
    bool TextOutAt(int x, int y, const std::string& text) override;
    bool MeasureText(const std::string& text, Size* size) override;

  private:
    HDC hdc_;
    Kind kind_;
    Bitmap* selectedBitmap_ = nullptr;
    Font* selectedFont_ = nullptr;
    // In place: memory DCs are made and selected into on every animation frame.
    std::optional<Win32Bitmap> stockBitmap_;
    std::optional<Win32Font> stockFont_;
};

inline HDC HandleOf(DC& dc) { return static_cast<Win32DC&>(dc).handle(); }

}  // namespace platform::win32
