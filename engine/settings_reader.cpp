// LoadSettings and its lookup helpers. Every lookup reads the section as a scan
// from its header would, so the order of lines in the file does not matter and
// the first occurrence of a key wins.
#include <string>
#include <string_view>

#include "engine/installer_wnd.h"
#include "engine/settings_file.h"
#include "engine/settings_keys.h"
#include "engine/settings_values.h"
#include "platform/platform.h"

namespace {

void Show(const char* text) {
    platform::Current().services->ShowMessage(text, platform::MessageButtons::Ok);
}


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
    // Each key that cannot be read stops the load with the key's own message.
    auto fail = [this](const SettingsKey& key) {
        Show(key.readFailure);
        ClearSettings();
        return false;
    };
    auto readInt = [&](const SettingsKey& key, int slot, std::int32_t* field) {
        return ReadIntValue(file, section, key.NameFor(slot), field);
    };
    auto read = [&](const SettingsKey& key, int slot = 0) {
        const SettingsField field = key.field(s, slot);
        if (auto* text = std::get_if<OwnedString*>(&field)) {
            std::string value;
            if (!ReadStringValue(file, section, key.NameFor(slot), &value)) return fail(key);
            **text = std::move(value);
        } else if (auto* number = std::get_if<std::int32_t*>(&field)) {
            if (!readInt(key, slot, *number)) return fail(key);
        } else {
            // Colour components keep their low 8 bits: 256 becomes 0, -1 becomes 255.
            std::int32_t value = 0;
            if (!readInt(key, slot, &value)) return fail(key);
            *std::get<std::uint8_t*>(field) =
                static_cast<std::uint8_t>(static_cast<std::uint32_t>(value) & 0xFF);
        }
        return true;
    };
    // A count the record cannot hold is refused, never truncated.
    auto readCount = [&](const SettingsKey& key, int max) {
        std::int32_t* count = std::get<std::int32_t*>(key.field(s, 0));
        if (!readInt(key, 0, count) || !CountInRange(*count, max)) return fail(key);
        return true;
    };
    auto readAll = [&](const auto& keys, int slot) {
        for (const SettingsKey& key : keys) {
            if (!read(key, slot)) return false;
        }
        return true;
    };
    using namespace settings_keys;

    std::int32_t encryption = 0;
    if (!readInt(Encryption, 0, &encryption)) return fail(Encryption);
    EncryptionType = encryption;  // later lookups unscramble when non-zero
    if (!readInt(Version, 0, &SettingsVersion)) return fail(Version);
    if (!readAll(Head, 0)) return false;

    if (!readCount(LogoCount, MAX_LOGOS)) return false;
    for (int i = 0; i < s.NumberOfLogosToDraw; ++i) {
        for (const SettingsKey& key : LogoSlot) {
            if (key.Has(kAnimatedOnly) && s.AnimateLogo[i] == 0) continue;
            if (!read(key, i)) return false;
        }
        if (!read(LogoDelay)) return false;
    }

    if (!readCount(LinkCount, MAX_HOTSPOTS)) return false;
    for (int i = 0; i < s.NumberOfHotSpots; ++i) {
        if (!readAll(LinkSlot, i) || !readAll(LinkStyle, 0)) return false;
        s.HotSpotFontSize = FontHeightFromFile(s.HotSpotFontSize);
    }

    if (!readAll(Sounds, 0)) return false;
    // Optional keys: one that is missing or empty leaves its field unset, and
    // looking for it traces nothing.
    const std::size_t header = file.FindLine(section);
    for (const SettingsKey& key : AutoPlay) {
        if (!file.FindKey(header, key.name, EncryptionType != 0).found) continue;
        const SettingsField field = key.field(s, 0);
        if (auto* text = std::get_if<OwnedString*>(&field))
            ReadStringValue(file, section, key.name, &(*text)->emplace());
        else
            ReadIntValue(file, section, key.name, std::get<std::int32_t*>(field));
    }

    SettingsLoaded = 1;
    return true;
}
