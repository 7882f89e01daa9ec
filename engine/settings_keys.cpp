#include "engine/settings_keys.h"

// The record field of a key; a key without slots ignores the slot.
#define FIELD(expr) [](LaunchSettings& s, int i) -> SettingsField { (void)i; return &(expr); }

namespace settings_keys {

const SettingsKey Encryption = {
    "INIEncryptionType", "Failed to read in INI_ENCRYPTED value from INI file!\n", nullptr, 0};
const SettingsKey Version = {
    "INIVersion", "Failed to read in INI_VERSION value from INI file!\n", nullptr, 0};

const SettingsKey Head[2] = {
    {"WindowTitle", "Failed to read in 'WINDOW_TITLE' value from INI file!\n",
     FIELD(s.WindowTitle), 0},
    {"BackGroundBitmapName", "Failed to read in 'BACKGROUND_BMP_NAME' value from INI file!\n",
     FIELD(s.BackGroundBitmapName), kBlankAfter},
};

const SettingsKey LogoCount = {
    "NumberOfLogosToDraw", "Failed to read in 'NUM_LOGOS' value from INI file!\n",
    FIELD(s.NumberOfLogosToDraw), kBlankBefore | kBlankAfter};

const SettingsKey LogoSlot[10] = {
    {"LogoBitmapName", "Failed to read in LOGO_BMP_NAME value from INI file!\n",
     FIELD(s.LogoBitmapName[i]), kNumbered},
    {"LogoBitmapLocationX", "Failed to read in LOGO_BMP_LOCATIONX value from INI file!\n",
     FIELD(s.LogoBitmapLocation[i].x), kNumbered},
    {"LogoBitmapLocationY", "Failed to read in LOGO_BMP_LOCATIONY value from INI file!\n",
     FIELD(s.LogoBitmapLocation[i].y), kNumbered},
    {"AnimateLogo", "Failed to read in LOGO_BMP_ANIMATE value from INI file!\n",
     FIELD(s.AnimateLogo[i]), kNumbered},
    {"LogoBitmapAnimateLocationX",
     "Failed to read in LOGO_BMP_ANIMATE_LOCATIONX value from INI file!\n",
     FIELD(s.LogoBitmapAnimateLocation[i].x), kNumbered | kAnimatedOnly},
    {"LogoBitmapAnimateLocationY",
     "Failed to read in LOGO_BMP_ANIMATE_LOCATIONY value from INI file!\n",
     FIELD(s.LogoBitmapAnimateLocation[i].y), kNumbered | kAnimatedOnly},
    {"ResizeLogo", "Failed to read in LOGO_BMP_RESIZE value from INI file!\n",
     FIELD(s.ResizeLogo[i]), kNumbered | kAnimatedOnly},
    {"LogoBitmapMaskColorR", "Failed to read in LOGO_BMP_MASK_R value from INI file!\n",
     FIELD(s.LogoBitmapMaskColorR[i]), kNumbered},
    {"LogoBitmapMaskColorG", "Failed to read in LOGO_BMP_MASK_G value from INI file!\n",
     FIELD(s.LogoBitmapMaskColorG[i]), kNumbered},
    {"LogoBitmapMaskColorB", "Failed to read in LOGO_BMP_MASK_B value from INI file!\n",
     FIELD(s.LogoBitmapMaskColorB[i]), kNumbered},
};

const SettingsKey LogoDelay = {
    "LogoAnnimationDelay", "Failed to read in LOGO_ANNIMATION_DELAY value from INI file!\n",
    FIELD(s.LogoAnnimationDelay), kBlankAfter};

const SettingsKey LinkCount = {
    "NumberOfHotSpots", "Failed to read in 'NUM_HOTSPOTS' value from INI file!\n",
    FIELD(s.NumberOfHotSpots), kBlankBefore | kBlankAfter};

const SettingsKey LinkSlot[6] = {
    {"HotSpotText", "Failed to read in HOTSPOT_TEXT value from INI file!\n",
     FIELD(s.HotSpotText[i]), kNumbered},
    {"HotSpotTextLocationLeft",
     "Failed to read in HOTSPOT_TEXT_LOCATION_LEFT value from INI file!\n",
     FIELD(s.HotSpotRect[i].left), kNumbered},
    {"HotSpotTextLocationTop", "Failed to read in HOTSPOT_TEXT_LOCATION_TOP value from INI file!\n",
     FIELD(s.HotSpotRect[i].top), kNumbered},
    {"HotSpotCommand", "Failed to read in HOTSPOT_COMMAND value from INI file!\n",
     FIELD(s.HotSpotCommand[i]), kNumbered},
    {"HotSpotCommandDataA", "Failed to read in HOTSPOT_COMMAND_DATA1 value from INI file!\n",
     FIELD(s.HotSpotCommandDataA[i]), kNumbered},
    {"HotSpotCommandDataB", "Failed to read in HOTSPOT_COMMAND_DATA2 value from INI file!\n",
     FIELD(s.HotSpotCommandDataB[i]), kNumbered},
};

const SettingsKey LinkStyle[7] = {
    {"HotSpotTextColorR", "Failed to read in HOTSPOT_TEXT_COLOR_R value from INI file!\n",
     FIELD(s.HotSpotTextColorR), kBlankBefore},
    {"HotSpotTextColorG", "Failed to read in HOTSPOT_TEXT_COLOR_G value from INI file!\n",
     FIELD(s.HotSpotTextColorG), 0},
    {"HotSpotTextColorB", "Failed to read in HOTSPOT_TEXT_COLOR_B value from INI file!\n",
     FIELD(s.HotSpotTextColorB), 0},
    {"HotSpotTextHiliteColorR",
     "Failed to read in HOTSPOT_TEXT_HILITE_COLOR_R value from INI file!\n",
     FIELD(s.HotSpotTextHiliteColorR), kBlankBefore},
    {"HotSpotTextHiliteColorG",
     "Failed to read in HOTSPOT_TEXT_HILITE_COLOR_G value from INI file!\n",
     FIELD(s.HotSpotTextHiliteColorG), 0},
    {"HotSpotTextHiliteColorB",
     "Failed to read in HOTSPOT_TEXT_HILITE_COLOR_B value from INI file!\n",
     FIELD(s.HotSpotTextHiliteColorB), 0},
    {"HotSpotFontSize", "Failed to read in HOTSPOT_FONT_SIZE value from INI file!\n",
     FIELD(s.HotSpotFontSize), kBlankBefore},
};
const SettingsKey& FontSize = LinkStyle[6];

const SettingsKey Sounds[2] = {
    {"StartupWaveFile", "Failed to read in STARTUP_WAVE_FILE value from INI file!\n",
     FIELD(s.StartupWaveFile), kBlankBefore},
    {"HotSpotWaveFile", "Failed to read in HOTSPOT_WAVE_FILE value from INI file!\n",
     FIELD(s.HotSpotWaveFile), 0},
};

const SettingsKey AutoPlay[2] = {
    {"AutoPlay", "", FIELD(s.AutoPlay), 0},
    {"AutoPlayIcon", "", FIELD(s.AutoPlayIcon), 0},
};

}  // namespace settings_keys

#undef FIELD
