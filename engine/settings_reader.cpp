// LoadSettings and its lookup helpers. Every lookup reads the section as a scan
// from its header would, so the order of lines in the file does not matter and
// the first occurrence of a key wins.
#include <string>
#include <string_view>

#include "engine/installer_wnd.h"
#include "engine/settings_file.h"
#include "engine/settings_values.h"
#include "platform/platform.h"

namespace {

constexpr std::string_view kEncryptionKey = "INIEncryptionType";

void Show(const char* text) {
    platform::Current().services->ShowMessage(text, platform::MessageButtons::Ok);
}

std::string Indexed(const char* key, int n) { return key + std::to_string(n); }

// Font-request height: the file holds the positive size, the record the negative.
std::int32_t FontHeightFromFile(std::int32_t size) { return size > 0 ? -size : size; }

bool CountInRange(std::int32_t count, int max) { return count >= 0 && count <= max; }

}  // namespace

bool CInstallerWnd::FindSection(SettingsFile& file, const std::string& section) {
    return file.FindLine(section) != SettingsFile::kNoLine;
}

bool CInstallerWnd::FindKeyLine(SettingsFile& file, const std::string& section,
                                const std::string& key, std::string* line) {
    line->clear();
    const std::size_t header = file.FindLine(section);
    if (header == SettingsFile::kNoLine) {
        platform::Trace("ERROR: Could not locate the desired section name in the INI File!");
        return false;
    }
    const SettingsFile::KeyLine found = file.FindKey(header, key, EncryptionType != 0);
    // One trace per line passed over, as a line-by-line scan gives; only when read.
    if (platform::TraceWanted()) {
        for (std::size_t i = 0; i < found.linesWithoutEquals; ++i)
            platform::Trace("Failed to locate a '=' in the INI file!\n");
    }
    if (found.found) {
        line->assign(found.line);
        return true;
    }
    platform::Trace("Failed to locate our entry name in the INI file!\n");
    return false;
}

bool CInstallerWnd::ReadStringValue(SettingsFile& file, const std::string& section,
                                    const std::string& key, std::string* value) {
    std::string line;
    if (!FindKeyLine(file, section, key, &line)) return false;
    value->assign(line, line.find('=') + 1);
    return true;
}

bool CInstallerWnd::ReadIntValue(SettingsFile& file, const std::string& section,
                                 const std::string& key, std::int32_t* value) {
    std::string line;
    if (!FindKeyLine(file, section, key, &line)) return false;
    std::string_view text = std::string_view(line).substr(line.find('=') + 1);
    if (text.empty()) {
        platform::Trace(
            "There is nothing after the '=' for the current int value in the INI file!\n");
        return false;
    }
    *value = ParseLenientInt(text);
    return true;
}

bool CInstallerWnd::LoadSettings() {
    if (SettingsLoaded) return true;

    ClearSettings();
    EncryptionType = 0;

    SettingsFile file;
    if (!file.Open(SettingsFilePath(ProjectFolder))) {
        Show("Failed to open the InstalledWnd.ini file!\n");
        return false;
    }
    std::string language;
    if (!platform::Current().system->GetSystemLanguageName(&language)) {
        Show("GetLocaleInfo() Failed!\n");
        return false;
    }
    std::string section = "[" + language + "]";
    if (!FindSection(file, section)) {
        section = "[English]";
        if (!FindSection(file, section)) {
            Show("Could not find correct Language section!\n");
            return false;
        }
    }

    LaunchSettings& s = *Settings;
    // Each reader stops the load with the key's own message.
    auto fail = [this](const char* message) {
        Show(message);
        ClearSettings();
        return false;
    };
    auto readString = [&](const std::string& key, OwnedString* field) {
        std::string value;
        if (!ReadStringValue(file, section, key, &value)) return false;
        *field = std::move(value);
        return true;
    };
    auto readInt = [&](const std::string& key, std::int32_t* field) {
        return ReadIntValue(file, section, key, field);
    };
    // Colour components keep their low 8 bits: 256 becomes 0, -1 becomes 255.
    auto readByte = [&](const std::string& key, std::uint8_t* field) {
        std::int32_t value = 0;
        if (!ReadIntValue(file, section, key, &value)) return false;
        *field = static_cast<std::uint8_t>(static_cast<std::uint32_t>(value) & 0xFF);
        return true;
    };

    std::int32_t encryption = 0;
    if (!readInt(std::string(kEncryptionKey), &encryption))
        return fail("Failed to read in INI_ENCRYPTED value from INI file!\n");
    EncryptionType = encryption;  // later lookups unscramble when non-zero
    if (!readInt("INIVersion", &SettingsVersion))
        return fail("Failed to read in INI_VERSION value from INI file!\n");
    if (!readString("WindowTitle", &s.WindowTitle))
        return fail("Failed to read in 'WINDOW_TITLE' value from INI file!\n");
    if (!readString("BackGroundBitmapName", &s.BackGroundBitmapName))
        return fail("Failed to read in 'BACKGROUND_BMP_NAME' value from INI file!\n");

    // A count the record cannot hold is refused, never truncated.
    if (!readInt("NumberOfLogosToDraw", &s.NumberOfLogosToDraw) ||
        !CountInRange(s.NumberOfLogosToDraw, MAX_LOGOS))
        return fail("Failed to read in 'NUM_LOGOS' value from INI file!\n");
    for (int i = 0; i < s.NumberOfLogosToDraw; ++i) {
        const int n = i + 1;
        if (!readString(Indexed("LogoBitmapName", n), &s.LogoBitmapName[i]))
            return fail("Failed to read in LOGO_BMP_NAME value from INI file!\n");
        if (!readInt(Indexed("LogoBitmapLocationX", n), &s.LogoBitmapLocation[i].x))
            return fail("Failed to read in LOGO_BMP_LOCATIONX value from INI file!\n");
        if (!readInt(Indexed("LogoBitmapLocationY", n), &s.LogoBitmapLocation[i].y))
            return fail("Failed to read in LOGO_BMP_LOCATIONY value from INI file!\n");
        if (!readInt(Indexed("AnimateLogo", n), &s.AnimateLogo[i]))
            return fail("Failed to read in LOGO_BMP_ANIMATE value from INI file!\n");
        if (s.AnimateLogo[i] != 0) {
            if (!readInt(Indexed("LogoBitmapAnimateLocationX", n),
                         &s.LogoBitmapAnimateLocation[i].x))
                return fail("Failed to read in LOGO_BMP_ANIMATE_LOCATIONX value from INI file!\n");
            if (!readInt(Indexed("LogoBitmapAnimateLocationY", n),
                         &s.LogoBitmapAnimateLocation[i].y))
                return fail("Failed to read in LOGO_BMP_ANIMATE_LOCATIONY value from INI file!\n");
            if (!readInt(Indexed("ResizeLogo", n), &s.ResizeLogo[i]))
                return fail("Failed to read in LOGO_BMP_RESIZE value from INI file!\n");
        }
        if (!readByte(Indexed("LogoBitmapMaskColorR", n), &s.LogoBitmapMaskColorR[i]))
            return fail("Failed to read in LOGO_BMP_MASK_R value from INI file!\n");
        if (!readByte(Indexed("LogoBitmapMaskColorG", n), &s.LogoBitmapMaskColorG[i]))
            return fail("Failed to read in LOGO_BMP_MASK_G value from INI file!\n");
        if (!readByte(Indexed("LogoBitmapMaskColorB", n), &s.LogoBitmapMaskColorB[i]))
            return fail("Failed to read in LOGO_BMP_MASK_B value from INI file!\n");
        if (!readInt("LogoAnnimationDelay", &s.LogoAnnimationDelay))
            return fail("Failed to read in LOGO_ANNIMATION_DELAY value from INI file!\n");
    }

    if (!readInt("NumberOfHotSpots", &s.NumberOfHotSpots) ||
        !CountInRange(s.NumberOfHotSpots, MAX_HOTSPOTS))
        return fail("Failed to read in 'NUM_HOTSPOTS' value from INI file!\n");
    for (int i = 0; i < s.NumberOfHotSpots; ++i) {
        const int n = i + 1;
        if (!readString(Indexed("HotSpotText", n), &s.HotSpotText[i]))
            return fail("Failed to read in HOTSPOT_TEXT value from INI file!\n");
        if (!readInt(Indexed("HotSpotTextLocationLeft", n), &s.HotSpotRect[i].left))
            return fail("Failed to read in HOTSPOT_TEXT_LOCATION_LEFT value from INI file!\n");
        if (!readInt(Indexed("HotSpotTextLocationTop", n), &s.HotSpotRect[i].top))
            return fail("Failed to read in HOTSPOT_TEXT_LOCATION_TOP value from INI file!\n");
        if (!readString(Indexed("HotSpotCommand", n), &s.HotSpotCommand[i]))
            return fail("Failed to read in HOTSPOT_COMMAND value from INI file!\n");
        if (!readString(Indexed("HotSpotCommandDataA", n), &s.HotSpotCommandDataA[i]))
            return fail("Failed to read in HOTSPOT_COMMAND_DATA1 value from INI file!\n");
        if (!readString(Indexed("HotSpotCommandDataB", n), &s.HotSpotCommandDataB[i]))
            return fail("Failed to read in HOTSPOT_COMMAND_DATA2 value from INI file!\n");
        if (!readByte("HotSpotTextColorR", &s.HotSpotTextColorR))
            return fail("Failed to read in HOTSPOT_TEXT_COLOR_R value from INI file!\n");
        if (!readByte("HotSpotTextColorG", &s.HotSpotTextColorG))
            return fail("Failed to read in HOTSPOT_TEXT_COLOR_G value from INI file!\n");
        if (!readByte("HotSpotTextColorB", &s.HotSpotTextColorB))
            return fail("Failed to read in HOTSPOT_TEXT_COLOR_B value from INI file!\n");
        if (!readByte("HotSpotTextHiliteColorR", &s.HotSpotTextHiliteColorR))
            return fail("Failed to read in HOTSPOT_TEXT_HILITE_COLOR_R value from INI file!\n");
        if (!readByte("HotSpotTextHiliteColorG", &s.HotSpotTextHiliteColorG))
            return fail("Failed to read in HOTSPOT_TEXT_HILITE_COLOR_G value from INI file!\n");
        if (!readByte("HotSpotTextHiliteColorB", &s.HotSpotTextHiliteColorB))
            return fail("Failed to read in HOTSPOT_TEXT_HILITE_COLOR_B value from INI file!\n");
        std::int32_t fontSize = 0;
        if (!readInt("HotSpotFontSize", &fontSize))
            return fail("Failed to read in HOTSPOT_FONT_SIZE value from INI file!\n");
        s.HotSpotFontSize = FontHeightFromFile(fontSize);
    }

    if (!readString("StartupWaveFile", &s.StartupWaveFile))
        return fail("Failed to read in STARTUP_WAVE_FILE value from INI file!\n");
    if (!readString("HotSpotWaveFile", &s.HotSpotWaveFile))
        return fail("Failed to read in HOTSPOT_WAVE_FILE value from INI file!\n");

    SettingsLoaded = 1;
    return true;
}
