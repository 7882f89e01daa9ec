// SaveSettings, WriteSettingsLine and CreateDefaultSettings: the canonical form
// of AppSetup.dat. Group layout (the blank lines) is fixed by the leading and
// trailing line feeds of each entry; scrambling works on one key line at a time.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>

#include "engine/installer_wnd.h"
#include "engine/settings_keys.h"
#include "engine/settings_output.h"
#include "engine/settings_values.h"
#include "engine/text_codec.h"
#include "platform/platform.h"

namespace {

void Show(const char* text) {
    platform::Current().services->ShowMessage(text, platform::MessageButtons::Ok);
}

// A field's value as the file holds it: text as it is, numbers in decimal.
std::string ValueText(const SettingsField& field) {
    if (auto* text = std::get_if<OwnedString*>(&field)) return TextOf(**text);
    if (auto* number = std::get_if<std::int32_t*>(&field)) return std::to_string(**number);
    return std::to_string(*std::get<std::uint8_t*>(field));
}

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

    LaunchSettings& s = *Settings;
    auto line = [&](const std::string& text) { WriteSettingsLine(file, text); };
    auto write = [&](const SettingsKey& key, const std::string& value, int slot = 0) {
        line(std::string(key.Has(kBlankBefore) ? "\n" : "") + key.NameFor(slot) + "=" + value +
             (key.Has(kBlankAfter) ? "\n\n" : "\n"));
    };
    auto writeField = [&](const SettingsKey& key, int slot = 0) {
        write(key, ValueText(key.field(s, slot)), slot);
    };
    using namespace settings_keys;

    file.Write("[" + language + "]\n");
    file.Write(std::string(Encryption.name) + "=" + std::to_string(EncryptionType) + "\n");
    SettingsVersion = 3;
    write(Version, std::to_string(SettingsVersion));
    for (const SettingsKey& key : Head) writeField(key);

    const int logos = SlotsToWrite(s.NumberOfLogosToDraw, MAX_LOGOS);
    write(LogoCount, std::to_string(logos));
    for (int i = 0; i < logos; ++i) {
        for (const SettingsKey& key : LogoSlot) {
            if (!key.Has(kAnimatedOnly) || s.AnimateLogo[i] != 0) writeField(key, i);
        }
    }
    writeField(LogoDelay);

    const int links = SlotsToWrite(s.NumberOfHotSpots, MAX_HOTSPOTS);
    write(LinkCount, std::to_string(links));
    for (int i = 0; i < links; ++i) {
        for (const SettingsKey& key : LinkSlot) writeField(key, i);
    }
    for (const SettingsKey& key : LinkStyle) {
        if (&key == &FontSize)
            write(key, std::to_string(FontSizeForFile(s.HotSpotFontSize)));
        else
            writeField(key);
    }
    for (const SettingsKey& key : Sounds) writeField(key);
    for (const SettingsKey& key : AutoPlay) {
        const std::string value = ValueText(key.field(s, 0));
        if (value != "0" && !value.empty()) write(key, value);
    }

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
