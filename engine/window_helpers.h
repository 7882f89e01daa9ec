// Small helpers shared by the window's source files.
#pragma once

#include <algorithm>
#include <string>

#include "engine/launch_settings.h"
#include "platform/platform.h"

namespace window_detail {

constexpr int kWindowWidth = 640;
constexpr int kWindowHeight = 440;

// The counts are stored signed but compared unsigned; a record can never hold
// more than its slots, whatever the file claimed.
inline unsigned LogoCount(const LaunchSettings& s) {
    return std::min(static_cast<unsigned>(s.NumberOfLogosToDraw), unsigned(MAX_LOGOS));
}
inline unsigned HotSpotCount(const LaunchSettings& s) {
    return std::min(static_cast<unsigned>(s.NumberOfHotSpots), unsigned(MAX_HOTSPOTS));
}

// A stored name ("res\\logo.bmp") relative to the project folder, as a real path.
inline std::string ProjectFile(const std::string& folder, const std::string& name) {
    return platform::Current().system->RealPath(folder, name);
}

inline platform::ColorRef LogoMaskColor(const LaunchSettings& s, unsigned i) {
    return platform::Rgb(s.LogoBitmapMaskColorR[i], s.LogoBitmapMaskColorG[i],
                         s.LogoBitmapMaskColorB[i]);
}
inline platform::ColorRef HotSpotTextColor(const LaunchSettings& s) {
    return platform::Rgb(s.HotSpotTextColorR, s.HotSpotTextColorG, s.HotSpotTextColorB);
}
inline platform::ColorRef HotSpotHiliteColor(const LaunchSettings& s) {
    return platform::Rgb(s.HotSpotTextHiliteColorR, s.HotSpotTextHiliteColorG,
                         s.HotSpotTextHiliteColorB);
}

// Sounds are optional: an empty name means none, so nothing is handed to the player.
inline void PlayProjectSound(const std::string& folder, const OwnedString& name) {
    if (TextOf(name).empty()) return;
    platform::Current().services->PlaySoundFile(ProjectFile(folder, *name));
}

}  // namespace window_detail
