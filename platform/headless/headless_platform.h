// Everything a test or a headless run needs, installed as the platform: raster
// drawing, the headless window host, recording services and the POSIX system
// with a fixed language name. Make one per test case; it uninstalls itself.
#pragma once

#include <string>

#include "platform/headless/fixed_language_system.h"
#include "platform/headless/headless_window_system.h"
#include "platform/headless/recording_services.h"
#include "platform/posix/posix_system.h"
#include "platform/raster/raster_graphics.h"

namespace platform {

struct HeadlessOptions {
    Size screen{1024, 768};
    bool hasHandCursor = true;         // false: act as the editor
    std::string language = "English";  // empty: the language cannot be read
};

class HeadlessPlatform {
  public:
    explicit HeadlessPlatform(const HeadlessOptions& options = HeadlessOptions());
    ~HeadlessPlatform();
    HeadlessPlatform(const HeadlessPlatform&) = delete;
    HeadlessPlatform& operator=(const HeadlessPlatform&) = delete;

    raster::RasterGraphics graphics;
    HeadlessWindowSystem windows;
    RecordingServices services;
    PosixSystem posix;
    FixedLanguageSystem system;
};

}  // namespace platform
