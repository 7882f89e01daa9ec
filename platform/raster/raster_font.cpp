#include "platform/raster/raster_font.h"

#include <utility>

#include "platform/raster/font_instance.h"

namespace platform::raster {

RasterFont::RasterFont(const FontRequest& request, std::shared_ptr<FontInstance> instance)
    : request_(request), instance_(std::move(instance)) {
    // The caller's string need not outlive the font.
    if (request.faceName) faceName_ = request.faceName;
    request_.faceName = request.faceName ? faceName_.c_str() : nullptr;
}

RasterFont::~RasterFont() = default;

std::shared_ptr<FontInstance> RasterFont::DefaultInstance() {
    static const std::shared_ptr<FontInstance> instance = [] {
        FontRequest request;
        request.height = 16;
        return FontInstance::Create(request);
    }();
    return instance;
}

std::unique_ptr<RasterFont> CreateRasterFont(const FontRequest& request) {
    std::shared_ptr<FontInstance> instance = FontInstance::Create(request);
    if (!instance) return nullptr;
    return std::make_unique<RasterFont>(request, std::move(instance));
}

}  // namespace platform::raster
