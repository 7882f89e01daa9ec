// A bitmap of the portable raster: a Surface, colour or monochrome.
#pragma once

#include <memory>
#include <utility>

#include "platform/graphics.h"
#include "platform/raster/surface.h"

namespace platform::raster {

class RasterDC;

class RasterBitmap : public Bitmap {
  public:
    explicit RasterBitmap(Surface surface) : surface_(std::move(surface)) {}
    // A new bitmap is black. Its pixels are written only when something reads
    // them or draws less than all of them: usually a copy overwrites them first.
    static std::unique_ptr<RasterBitmap> Blank(int width, int height, bool mono);
    // A bitmap destroyed while selected hands its DC back its stock bitmap, so
    // a careless caller cannot leave the DC drawing into freed memory.
    ~RasterBitmap() override;
    RasterBitmap(const RasterBitmap&) = delete;
    RasterBitmap& operator=(const RasterBitmap&) = delete;

    bool GetInfo(BitmapInfo* info) const override;

    Surface& surface() {
        Fill();
        return surface_;
    }
    const Surface& surface() const {
        Fill();
        return surface_;
    }
    bool monochrome() const { return surface_.monochrome; }

  private:
    friend class RasterDC;
    // Writes the black of a blank bitmap, before its pixels are first used.
    void Fill() const;

    // Mutable: the black is written on first use, which may be a read.
    mutable Surface surface_;
    mutable bool blank_ = false;
    RasterDC* selectedIn_ = nullptr;  // GDI: a bitmap lives in one DC at a time
};

}  // namespace platform::raster
