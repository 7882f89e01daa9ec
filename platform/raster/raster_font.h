// A font of the portable raster: the request as given plus the sized face
// that draws it (shared, so a DC keeps drawing even if the font goes first).
#pragma once

#include <memory>
#include <string>

#include "platform/graphics.h"

namespace platform::raster {

class FontInstance;  // platform/raster/font_instance.h

class RasterFont : public Font {
  public:
    // Null instance: no face could be found for the request.
    RasterFont(const FontRequest& request, std::shared_ptr<FontInstance> instance);
    ~RasterFont() override;

    // The DC's default font (GDI's stock system font): a plain 16 px cell.
    static std::shared_ptr<FontInstance> DefaultInstance();

    const FontRequest& request() const { return request_; }
    const std::shared_ptr<FontInstance>& instance() const { return instance_; }

  private:
    FontRequest request_;
    std::string faceName_;  // request_.faceName points here
    std::shared_ptr<FontInstance> instance_;
};

// CreateFontA: fontconfig picks the face, FreeType sizes it. Null when no face
// can be loaded at all.
std::unique_ptr<RasterFont> CreateRasterFont(const FontRequest& request);

}  // namespace platform::raster
