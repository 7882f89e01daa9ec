// The keys of AppSetup.dat, in the order the reader looks them up and the
// writer stores them: the name, the record field it fills, and the message the
// reader shows when the key is missing or refused. The reader, the writer and
// the CLI's `show` walk these tables; nothing else spells a key.
#pragma once

#include <cstdint>
#include <string>
#include <variant>

#include "engine/launch_settings.h"

// The record field behind a key; its type says how the value is read and written.
using SettingsField = std::variant<OwnedString*, std::int32_t*, std::uint8_t*>;

// How a key sits in the file.
enum SettingsKeyTrait : unsigned {
    kNumbered = 1,      // one per slot, named with the slot's number (from 1) appended
    kBlankBefore = 2,   // the writer's blank lines around the key's group
    kBlankAfter = 4,
    kAnimatedOnly = 8,  // a logo key present only when the logo slides in
};

struct SettingsKey {
    const char* name;
    const char* readFailure;                              // shown by the reader
    SettingsField (*field)(LaunchSettings& s, int slot);  // null: not in the record
    unsigned traits;

    bool Has(SettingsKeyTrait trait) const { return (traits & trait) != 0; }
    // The name in the file for a slot (from 0).
    std::string NameFor(int slot) const {
        return Has(kNumbered) ? name + std::to_string(slot + 1) : name;
    }
};

namespace settings_keys {

// Stored plain even in a scrambled file; it says whether the rest is scrambled.
extern const SettingsKey Encryption;
extern const SettingsKey Version;
extern const SettingsKey Head[2];  // the title and the background
extern const SettingsKey LogoCount;
extern const SettingsKey LogoSlot[10];
extern const SettingsKey LogoDelay;  // read once per logo, written once
extern const SettingsKey LinkCount;
extern const SettingsKey LinkSlot[6];
extern const SettingsKey LinkStyle[7];  // read once per link, written once
extern const SettingsKey& FontSize;     // of LinkStyle: the file holds the positive size
extern const SettingsKey Sounds[2];
// Written only when set, after all others; missing or empty reads as unset.
extern const SettingsKey AutoPlay[2];

}  // namespace settings_keys
