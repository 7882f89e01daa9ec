#include "engine/picture_loader.h"

#include <cstdlib>

#include "platform/platform.h"

std::shared_ptr<platform::Bitmap> PictureLoader::Load(const std::string& path) {
    std::unique_ptr<platform::Bitmap> bitmap =
        platform::Current().graphics->LoadBitmapFile(path, kBudgetPixels - used_);
    if (!bitmap || !Charge(PixelsOf(*bitmap))) return nullptr;
    return bitmap;
}

bool PictureLoader::Charge(long long pixels) {
    if (pixels > kBudgetPixels - used_) return false;
    used_ += pixels;
    return true;
}

long long PictureLoader::PixelsOf(const platform::Bitmap& bitmap) {
    platform::BitmapInfo info;
    if (!bitmap.GetInfo(&info)) return kBudgetPixels + 1;  // unknown: never trusted
    return static_cast<long long>(info.width) * std::abs(static_cast<long long>(info.height));
}
