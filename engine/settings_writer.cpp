// SaveSettings, WriteSettingsLine and CreateDefaultSettings: the canonical form
// of AppSetup.dat. Group layout (the blank lines) is fixed by the leading and
// trailing line feeds of each entry; scrambling works on one key line at a time.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>

#include "engine/installer_wnd.h"
#include "engine/settings_output.h"
#include "engine/settings_values.h"
#include "engine/text_codec.h"
#include "platform/platform.h"

namespace {

void Show(const char* text) {
    platform::Current().services->ShowMessage(text, platform::MessageButtons::Ok);
}

std::string Entry(const std::string& key, const std::string& value) { return key + "=" + value; }
std::string Entry(const std::string& key, std::int64_t value) {
    return key + "=" + std::to_string(value);
}
std::string Indexed(const char* key, int n) { return key + std::to_string(n); }

// The file holds the positive size. |INT32_MIN| saturates so that the value
// written always reads back.
std::int64_t FontSizeForFile(std::int32_t height) {
    return std::min<std::int64_t>(std::llabs(height), std::numeric_limits<std::int32_t>::max());
}

// A count outside the record's slots would make a file the reader refuses; the
// slots that exist are all there is to write.
int SlotsToWrite(std::int32_t count, int max) { return std::clamp<std::int32_t>(count, 0, max); }

}  // namespace

bool CInstallerWnd::WriteSettingsLine(SettingsOutput& file, const std::string& text) {
    if (EncryptionType == 0) {
        file.Write(text);
        return true;
    }
    std::size_t first = text.find_first_not_of('\n');
    if (first == std::string::npos) {
        file.Write(text);
        return true;
    }
    std::size_t last = text.find_last_not_of('\n');
    file.Write(text.substr(0, first));
    std::string scrambled;
    EncodeText(text.substr(first, last + 1 - first), true, true, &scrambled);
    file.Write(scrambled);
    file.Write(text.substr(last + 1));
    return true;
}

bool CInstallerWnd::SaveSettings() {
    // The language comes first, so that its failure leaves the old file whole.
    std::string language;
    if (!platform::Current().system->GetSystemLanguageName(&language)) {
        Show("GetLocaleInfo() Failed!\n");
        return false;
    }
    SettingsOutput file;
    if (!file.Create(SettingsFilePath(ProjectFolder))) {
        Show("Failed to create the INI file!\n");
        return false;
    }

    const LaunchSettings& s = *Settings;
    auto line = [&](const std::string& text) { WriteSettingsLine(file, text); };

    file.Write("[" + language + "]\n");
    file.Write(Entry("INIEncryptionType", EncryptionType) + "\n");
    SettingsVersion = 3;
    line(Entry("INIVersion", SettingsVersion) + "\n");
    line(Entry("WindowTitle", TextOf(s.WindowTitle)) + "\n");
    line(Entry("BackGroundBitmapName", TextOf(s.BackGroundBitmapName)) + "\n\n");

    const int logos = SlotsToWrite(s.NumberOfLogosToDraw, MAX_LOGOS);
    line("\n" + Entry("NumberOfLogosToDraw", logos) + "\n\n");
    for (int i = 0; i < logos; ++i) {
        const int n = i + 1;
        line(Entry(Indexed("LogoBitmapName", n), TextOf(s.LogoBitmapName[i])) + "\n");
        line(Entry(Indexed("LogoBitmapLocationX", n), s.LogoBitmapLocation[i].x) + "\n");
        line(Entry(Indexed("LogoBitmapLocationY", n), s.LogoBitmapLocation[i].y) + "\n");
        line(Entry(Indexed("AnimateLogo", n), s.AnimateLogo[i]) + "\n");
        if (s.AnimateLogo[i] != 0) {
            line(Entry(Indexed("LogoBitmapAnimateLocationX", n), s.LogoBitmapAnimateLocation[i].x) +
                 "\n");
            line(Entry(Indexed("LogoBitmapAnimateLocationY", n), s.LogoBitmapAnimateLocation[i].y) +
                 "\n");
            line(Entry(Indexed("ResizeLogo", n), s.ResizeLogo[i]) + "\n");
        }
        line(Entry(Indexed("LogoBitmapMaskColorR", n), s.LogoBitmapMaskColorR[i]) + "\n");
        line(Entry(Indexed("LogoBitmapMaskColorG", n), s.LogoBitmapMaskColorG[i]) + "\n");
        line(Entry(Indexed("LogoBitmapMaskColorB", n), s.LogoBitmapMaskColorB[i]) + "\n");
    }
    line(Entry("LogoAnnimationDelay", s.LogoAnnimationDelay) + "\n\n");

    const int hotSpots = SlotsToWrite(s.NumberOfHotSpots, MAX_HOTSPOTS);
    line("\n" + Entry("NumberOfHotSpots", hotSpots) + "\n\n");
    for (int i = 0; i < hotSpots; ++i) {
        const int n = i + 1;
        line(Entry(Indexed("HotSpotText", n), TextOf(s.HotSpotText[i])) + "\n");
        line(Entry(Indexed("HotSpotTextLocationLeft", n), s.HotSpotRect[i].left) + "\n");
        line(Entry(Indexed("HotSpotTextLocationTop", n), s.HotSpotRect[i].top) + "\n");
        line(Entry(Indexed("HotSpotCommand", n), TextOf(s.HotSpotCommand[i])) + "\n");
        line(Entry(Indexed("HotSpotCommandDataA", n), TextOf(s.HotSpotCommandDataA[i])) + "\n");
        line(Entry(Indexed("HotSpotCommandDataB", n), TextOf(s.HotSpotCommandDataB[i])) + "\n");
    }
    line("\n" + Entry("HotSpotTextColorR", s.HotSpotTextColorR) + "\n");
    line(Entry("HotSpotTextColorG", s.HotSpotTextColorG) + "\n");
    line(Entry("HotSpotTextColorB", s.HotSpotTextColorB) + "\n");
    line("\n" + Entry("HotSpotTextHiliteColorR", s.HotSpotTextHiliteColorR) + "\n");
    line(Entry("HotSpotTextHiliteColorG", s.HotSpotTextHiliteColorG) + "\n");
    line(Entry("HotSpotTextHiliteColorB", s.HotSpotTextHiliteColorB) + "\n");
    line("\n" + Entry("HotSpotFontSize", FontSizeForFile(s.HotSpotFontSize)) + "\n");
    line("\n" + Entry("StartupWaveFile", TextOf(s.StartupWaveFile)) + "\n");
    line(Entry("HotSpotWaveFile", TextOf(s.HotSpotWaveFile)) + "\n");

    // A failed write (a full disk) is reported like a file that cannot be made;
    // the previous AppSetup.dat stays in place either way.
    if (!file.Commit()) {
        Show("Failed to create the INI file!\n");
        return false;
    }
    return true;
}

void CInstallerWnd::CreateDefaultSettings() {
    if (platform::Current().system->FileExists(SettingsFilePath(ProjectFolder))) return;
    SaveDefaultSettings();  // a failure has already been shown
}

bool CInstallerWnd::SaveDefaultSettings() {
    ClearSettings();
    LaunchSettings& s = *Settings;
    s.WindowTitle = "My Application";
    s.BackGroundBitmapName = "@@0000000d0000ff";
    s.NumberOfLogosToDraw = 0;
    s.NumberOfHotSpots = 0;
    s.StartupWaveFile = "";
    s.HotSpotWaveFile = "";
    const bool saved = SaveSettings();
    ClearSettings();
    return saved;
}
