// Drawing scenes written once against the platform interface. The conformance
// test draws each through the Win32 backend (under Wine) and through the
// portable raster and compares the pictures pixel by pixel. What the raster's
// own pixel tables hold (raster operations, depth changes, fills, gradients)
// is not drawn again here: these are the stretches and the transparent logos.
#pragma once

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "platform/graphics.h"
#include "platform/raster/surface.h"

namespace scenes {

struct Scene {
    std::string name;
    int width;
    int height;
    bool monochrome;  // the picture is a monochrome bitmap
    void (*draw)(platform::Graphics& g, platform::DC& target);
};

const std::vector<Scene>& All();

inline void PrintTo(const Scene& scene, std::ostream* os) { *os << scene.name; }

// Draws the scene into a fresh bitmap (colour: compatible with the screen) and
// returns it deselected; null when the backend could not make it.
std::unique_ptr<platform::Bitmap> Render(platform::Graphics& g, const Scene& scene);

// Raw dump: width and height (32-bit little endian), then the 0x00RRGGBB pixels.
bool WriteDump(const std::string& path, const platform::raster::Surface& picture);
bool ReadDump(const std::string& path, platform::raster::Surface* picture);

}  // namespace scenes
