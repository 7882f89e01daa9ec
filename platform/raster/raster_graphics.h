// The portable Graphics factory: RasterDC, RasterBitmap and RasterFont.
#pragma once

#include <memory>
#include <string>
#include <thread>

#include "platform/graphics.h"

namespace platform::raster {

class RasterGraphics : public Graphics {
  public:
    // Largest bitmap made or loaded, in pixels (a 16384 x 16384 picture);
    // anything bigger fails rather than exhausting memory.
    static constexpr long long kMaxPixels = 16384LL * 16384LL;

    RasterGraphics();
    ~RasterGraphics() override;
    RasterGraphics(const RasterGraphics&) = delete;
    RasterGraphics& operator=(const RasterGraphics&) = delete;

    std::unique_ptr<DC> CreateCompatibleDC(DC* ref) override;
    // As GDI: monochrome when ref currently draws into a monochrome surface
    // (a fresh memory DC does), colour otherwise. A zero width or height gives
    // a 1 x 1 monochrome bitmap; a negative one fails.
    std::unique_ptr<Bitmap> CreateCompatibleBitmap(DC* ref, int width, int height) override;
    std::unique_ptr<Bitmap> CreateMonochromeBitmap(int width, int height) override;
    std::unique_ptr<Font> CreateFontFor(const FontRequest& request) override;
    std::unique_ptr<Bitmap> LoadBitmapFile(const std::string& path,
                                           long long maxPixels = kMaxPixels) override;

  private:
    // The font library's start (fontconfig reads its whole configuration)
    // runs beside the picture loading that comes first in a window's creation.
    std::thread fontStart_;
};

}  // namespace platform::raster
