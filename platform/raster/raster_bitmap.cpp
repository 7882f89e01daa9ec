#include "platform/raster/raster_bitmap.h"

#include "platform/raster/raster_dc.h"

namespace platform::raster {

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
