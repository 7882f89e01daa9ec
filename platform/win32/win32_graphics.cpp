#include "platform/win32/win32_graphics.h"

#include "platform/win32/gdi_objects.h"

namespace platform::win32 {

namespace {

std::unique_ptr<Bitmap> Wrap(HBITMAP handle) {
    if (!handle) return nullptr;
    return std::make_unique<Win32Bitmap>(handle, true);
}

}  // namespace

std::unique_ptr<DC> Win32Graphics::CreateCompatibleDC(DC* ref) {
    HDC hdc = ::CreateCompatibleDC(ref ? HandleOf(*ref) : nullptr);
    if (!hdc) return nullptr;
    return std::make_unique<Win32DC>(hdc, Win32DC::Kind::Memory);
}

std::unique_ptr<Bitmap> Win32Graphics::CreateCompatibleBitmap(DC* ref, int width, int height) {
    if (width <= 0 || height <= 0) return nullptr;
    if (ref) return Wrap(::CreateCompatibleBitmap(HandleOf(*ref), width, height));
    HDC screen = GetDC(nullptr);
    if (!screen) return nullptr;
    HBITMAP handle = ::CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(nullptr, screen);
    return Wrap(handle);
}

std::unique_ptr<Bitmap> Win32Graphics::CreateMonochromeBitmap(int width, int height) {
    if (width <= 0 || height <= 0) return nullptr;
    return Wrap(CreateBitmap(width, height, 1, 1, nullptr));
}

std::unique_ptr<Font> Win32Graphics::CreateFontFor(const FontRequest& r) {
    HFONT handle = CreateFontA(r.height, r.width, r.escapement, r.orientation, r.weight, r.italic,
                               r.underline, r.strikeOut, r.charSet, r.outPrecision, r.clipPrecision,
                               r.quality, r.pitchAndFamily, r.faceName);
    if (!handle) return nullptr;
    return std::make_unique<Win32Font>(handle, true);
}

// LoadImageA cannot be asked for the size first: callers check the result's.
std::unique_ptr<Bitmap> Win32Graphics::LoadBitmapFile(const std::string& path, long long) {
    HANDLE handle = LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE);
    return Wrap(static_cast<HBITMAP>(handle));
}

}  // namespace platform::win32
