#include "png_file.h"

#include <png.h>

#include <cstring>

namespace wintest {

bool ReadPng(const std::string& path, scenes::Picture* picture) {
    png_image image;
    std::memset(&image, 0, sizeof(image));
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) return false;
    image.format = PNG_FORMAT_BGRA;  // in memory: 0xAARRGGBB on little-endian
    picture->width = int(image.width);
    picture->height = int(image.height);
    picture->pixels.assign(std::size_t(image.width) * image.height, 0);
    if (!png_image_finish_read(&image, nullptr, picture->pixels.data(), 0, nullptr)) {
        png_image_free(&image);
        return false;
    }
    for (std::uint32_t& p : picture->pixels) p &= 0x00FFFFFF;
    return true;
}

}  // namespace wintest
