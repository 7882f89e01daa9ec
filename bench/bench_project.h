// The largest project on disk for the benchmarks: 15 logos (200 x 150 unless
// asked otherwise), an 800 x 600 bitmap background and 15 hotspots, in a
// temporary folder.
#pragma once

#include <stdlib.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "engine/installer_wnd.h"

namespace bench {

inline void WriteBmp(const std::string& path, int w, int h, std::uint32_t seed) {
    const int stride = (w * 3 + 3) & ~3;
    std::string data(size_t(54 + stride * h), '\0');
    auto put32 = [&data](size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) data[at + i] = char((v >> (8 * i)) & 0xFF);
    };
    data[0] = 'B';
    data[1] = 'M';
    put32(2, std::uint32_t(data.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, std::uint32_t(w));
    put32(22, std::uint32_t(h));
    data[26] = 1;
    data[28] = 24;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            // A pattern with a magenta (mask) border.
            bool edge = x < 8 || y < 8 || x >= w - 8 || y >= h - 8;
            char* p = &data[size_t(54 + y * stride + x * 3)];
            p[0] = edge ? char(255) : char((x + seed) & 0xFF);
            p[1] = edge ? char(0) : char((y * 2) & 0xFF);
            p[2] = edge ? char(255) : char((x ^ y) & 0xFF);
        }
    std::ofstream(path, std::ios::binary) << data;
}

// A project folder in the temp folder, written through the engine's own writer.
class Project {
  public:
    Project(int logos, bool moving, bool resize, int logoWidth = 200, int logoHeight = 150) {
        std::string pattern = (std::filesystem::temp_directory_path() / "velomar-bench-XXXXXX");
        if (!mkdtemp(pattern.data())) std::abort();
        dir_ = pattern + "/";
        std::filesystem::create_directories(dir_ + "res");
        WriteBmp(dir_ + "res/back.bmp", 800, 600, 0);

        CInstallerWnd wnd(dir_);
        LaunchSettings& s = *wnd.Settings;
        s.WindowTitle = "Bench";
        s.BackGroundBitmapName = "res\\back.bmp";
        s.NumberOfLogosToDraw = logos;
        s.LogoAnnimationDelay = 15;
        for (int i = 0; i < logos; ++i) {
            std::string name = "res\\logo" + std::to_string(i) + ".bmp";
            WriteBmp(dir_ + "res/logo" + std::to_string(i) + ".bmp", logoWidth, logoHeight,
                     std::uint32_t(i));
            s.LogoBitmapName[i] = name;
            s.LogoBitmapLocation[i] = {20 * i, 15 * i};
            s.AnimateLogo[i] = moving;
            s.LogoBitmapAnimateLocation[i] = {400, 250};
            s.ResizeLogo[i] = resize;
            s.LogoBitmapMaskColorR[i] = 255;
            s.LogoBitmapMaskColorB[i] = 255;
        }
        s.NumberOfHotSpots = MAX_HOTSPOTS;
        for (int i = 0; i < MAX_HOTSPOTS; ++i) {
            s.HotSpotText[i] = "Hotspot number " + std::to_string(i + 1);
            s.HotSpotRect[i] = {30 + 200 * (i % 3), 150 + 50 * (i / 3), 0, 0};
            s.HotSpotCommand[i] = "OPEN";
        }
        s.HotSpotTextColorR = s.HotSpotTextColorG = s.HotSpotTextColorB = 255;
        s.HotSpotFontSize = -20;
        if (!wnd.SaveSettings()) std::abort();
    }
    ~Project() { std::filesystem::remove_all(dir_); }
    const std::string& Dir() const { return dir_; }

  private:
    std::string dir_;
};

}  // namespace bench
