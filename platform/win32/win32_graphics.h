// Factory of GDI objects.
#pragma once

#include "platform/graphics.h"

namespace platform::win32 {

class Win32Graphics : public Graphics {
  public:
    std::unique_ptr<DC> CreateCompatibleDC(DC* ref) override;
    std::unique_ptr<Bitmap> CreateCompatibleBitmap(DC* ref, int width, int height) override;
    std::unique_ptr<Bitmap> CreateMonochromeBitmap(int width, int height) override;
    std::unique_ptr<Font> CreateFontFor(const FontRequest& request) override;
    std::unique_ptr<Bitmap> LoadBitmapFile(const std::string& path, long long maxPixels) override;
};

}  // namespace platform::win32
