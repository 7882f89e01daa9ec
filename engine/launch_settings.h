// LaunchSettings: everything the menu window shows and does, in one fixed-size
// record. The reader fills it from AppSetup.dat, the writer stores it back, the
// window draws and runs it, and the editor changes it in place.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "platform/graphics.h"
#include "platform/types.h"

constexpr int MAX_LOGOS = 15;
constexpr int MAX_HOTSPOTS = 15;

// Bits of the flag word in a "@@" background value (a colour instead of a bitmap).
namespace background_flag {
constexpr std::uint32_t Colour = 0x01;
constexpr std::uint32_t Horizontal = 0x02;
constexpr std::uint32_t Vertical = 0x04;
constexpr std::uint32_t ToWhite = 0x08;
constexpr std::uint32_t ToBlack = 0x10;
}  // namespace background_flag

// An owned string that may be absent (never filled); users treat absent as "".
using OwnedString = std::optional<std::string>;

inline const std::string& TextOf(const OwnedString& s) {
    static const std::string empty;
    return s ? *s : empty;
}

// State of the logo animation; zeroed with the record, so a freshly loaded
// record starts in state 0. The four surface objects exist only while a logo
// moves, and cover only Area, the part of the client area the movement draws on.
struct LogoAnnimationState {
    int State = 0;  // 0 reset, 1 next logo, 2 moving, 3 finished
    unsigned TimerId = 0;
    unsigned LogoIndex = 0;
    unsigned FrameCount = 0;
    unsigned FrameTotal = 0;
    int GrowPercent = 0;
    platform::Bitmap* LogoHandle = nullptr;  // not owned: the record's LogoBitmap
    platform::BitmapInfo LogoInfo;
    int Resize = 0;
    std::unique_ptr<platform::DC> SnapshotDC;          // surface A
    std::unique_ptr<platform::Bitmap> SnapshotBitmap;
    platform::Bitmap* SnapshotOldBitmap = nullptr;
    std::unique_ptr<platform::DC> FrameDC;             // surface B
    std::unique_ptr<platform::Bitmap> FrameBitmap;
    platform::Bitmap* FrameOldBitmap = nullptr;
    platform::ColorRef MaskColor = 0;
    platform::Point StartPos;
    platform::Point EndPos;
    platform::Point CurPos;
    float StepX = 0.0f;
    float StepY = 0.0f;
    platform::Size DrawSize;
    platform::Rect Area;
};

struct LaunchSettings {
    OwnedString WindowTitle;
    OwnedString BackGroundBitmapName;
    std::shared_ptr<platform::Bitmap> BackgroundBitmap;

    std::int32_t NumberOfLogosToDraw = 0;  // compared unsigned
    OwnedString LogoBitmapName[MAX_LOGOS];
    std::shared_ptr<platform::Bitmap> LogoBitmap[MAX_LOGOS];
    platform::Point LogoBitmapLocation[MAX_LOGOS];
    std::int32_t LogoWidth[MAX_LOGOS] = {};
    std::int32_t LogoHeight[MAX_LOGOS] = {};
    std::int32_t AnimateLogo[MAX_LOGOS] = {};
    platform::Point LogoBitmapAnimateLocation[MAX_LOGOS];
    std::int32_t ResizeLogo[MAX_LOGOS] = {};
    std::uint8_t LogoBitmapMaskColorR[MAX_LOGOS] = {};
    std::uint8_t LogoBitmapMaskColorG[MAX_LOGOS] = {};
    std::uint8_t LogoBitmapMaskColorB[MAX_LOGOS] = {};
    std::int32_t LogoAnnimationDelay = 0;  // milliseconds
    LogoAnnimationState LogoAnnimation;

    std::int32_t NumberOfHotSpots = 0;  // compared unsigned
    OwnedString HotSpotText[MAX_HOTSPOTS];
    platform::Rect HotSpotRect[MAX_HOTSPOTS];  // right 0: not measured yet
    OwnedString HotSpotCommand[MAX_HOTSPOTS];
    OwnedString HotSpotCommandDataA[MAX_HOTSPOTS];
    OwnedString HotSpotCommandDataB[MAX_HOTSPOTS];
    std::uint8_t HotSpotTextColorR = 0;
    std::uint8_t HotSpotTextColorG = 0;
    std::uint8_t HotSpotTextColorB = 0;
    std::uint8_t HotSpotTextHiliteColorR = 0;
    std::uint8_t HotSpotTextHiliteColorG = 0;
    std::uint8_t HotSpotTextHiliteColorB = 0;
    std::int32_t HotSpotFontSize = 0;  // negative in the record, positive in the file

    OwnedString StartupWaveFile;
    OwnedString HotSpotWaveFile;

    // For the disc's autorun.inf only; the runtime ignores them.
    std::int32_t AutoPlay = 0;  // non-zero: label= and the project's icon
    OwnedString AutoPlayIcon;   // "res\\disc.ico", or empty for the runtime's icon
};
