// Drawing scenes written once against the platform interface, drawn through the
// Win32 backend (under Wine) and the portable raster and compared pixel by pixel.
// The raster's own tables hold its operations, depth changes, fills and
// gradients; these are the stretches and the transparent logos.
#pragma once

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "platform/graphics.h"
#include "platform/raster/surface.h"

namespace scenes {

struct Scene {
    std::string name;
    int width, height;
    std::function<void(platform::Graphics& g, platform::DC& target)> draw;
};

const std::vector<Scene>& All();

inline void PrintTo(const Scene& scene, std::ostream* os) { *os << scene.name; }

// Draws the scene into a fresh bitmap compatible with the screen and returns
// it deselected; null when the backend could not make it.
std::unique_ptr<platform::Bitmap> Render(platform::Graphics& g, const Scene& scene);

// Raw dump: width and height (32-bit little endian), then the 0x00RRGGBB pixels.
bool WriteDump(const std::string& path, const platform::raster::Surface& picture);
bool ReadDump(const std::string& path, platform::raster::Surface* picture);

}  // namespace scenes
