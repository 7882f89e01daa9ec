#include "platform/raster/raster_bitmap.h"

#include <algorithm>

#include "platform/raster/raster_dc.h"

namespace platform::raster {

std::unique_ptr<RasterBitmap> RasterBitmap::Blank(int width, int height, bool mono) {
    auto bitmap = std::make_unique<RasterBitmap>(Surface::Unfilled(width, height, mono));
    bitmap->blank_ = true;
    return bitmap;
}

void RasterBitmap::Fill() const {
    if (!blank_) return;
    std::fill(surface_.pixels.begin(), surface_.pixels.end(), Pixel(0));
    blank_ = false;
}

RasterBitmap::~RasterBitmap() {
    if (selectedIn_) selectedIn_->BitmapDestroyed(this);
}

bool RasterBitmap::GetInfo(BitmapInfo* info) const {
    if (!info) return false;
    info->width = surface_.width;
    info->height = surface_.height;
    info->planes = 1;
    info->bitsPixel = surface_.monochrome ? 1 : 32;
    return true;
}

}  // namespace platform::raster
