// A bitmap of the portable raster: a Surface, colour or monochrome.
#pragma once

#include <utility>

#include "platform/graphics.h"
#include "platform/raster/surface.h"

namespace platform::raster {

class RasterDC;

class RasterBitmap : public Bitmap {
  public:
    explicit RasterBitmap(Surface surface) : surface_(std::move(surface)) {}
    // A bitmap destroyed while selected hands its DC back its stock bitmap, so
    // a careless caller cannot leave the DC drawing into freed memory.
    ~RasterBitmap() override;
    RasterBitmap(const RasterBitmap&) = delete;
    RasterBitmap& operator=(const RasterBitmap&) = delete;

    bool GetInfo(BitmapInfo* info) const override;

    Surface& surface() { return surface_; }
    const Surface& surface() const { return surface_; }
    bool monochrome() const { return surface_.monochrome; }

  private:
    friend class RasterDC;
    Surface surface_;
    RasterDC* selectedIn_ = nullptr;  // GDI: a bitmap lives in one DC at a time
};

}  // namespace platform::raster
