#include <CLI/CLI.hpp>
#include <iostream>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>

#include "cli/cli_context.h"
#include "cli/folder_argument.h"
#include "cli/json_text.h"
#include "engine/installer_wnd.h"
#include "engine/settings_keys.h"

namespace {

using Json = nlohmann::ordered_json;

Json ValueJson(const SettingsField& field) {
    if (auto* text = std::get_if<OwnedString*>(&field)) return TextOf(**text);
    if (auto* number = std::get_if<std::int32_t*>(&field)) return **number;
    return *std::get<std::uint8_t*>(field);
}

// Each key's field under the key's name; a slot's keys go without its number.
template <std::size_t N>
void AddFields(Json* j, LaunchSettings& s, const SettingsKey (&keys)[N], int slot = 0) {
    for (const SettingsKey& key : keys) (*j)[key.name] = ValueJson(key.field(s, slot));
}

void AddField(Json* j, LaunchSettings& s, const SettingsKey& key) {
    (*j)[key.name] = ValueJson(key.field(s, 0));
}

// The count as read, then one object per slot the record holds.
template <std::size_t N>
void AddSlots(Json* j, const char* name, LaunchSettings& s, const SettingsKey& count, int max,
              const SettingsKey (&slotKeys)[N]) {
    AddField(j, s, count);
    const std::int32_t n = *std::get<std::int32_t*>(count.field(s, 0));
    Json slots = Json::array();
    for (int i = 0; i < n && i < max; ++i) {
        Json slot;
        AddFields(&slot, s, slotKeys, i);
        slots.push_back(slot);
    }
    (*j)[name] = slots;
}

Json ProjectJson(const CInstallerWnd& project) {
    using namespace settings_keys;
    LaunchSettings& s = *project.Settings;
    Json j;
    j["ProjectFolder"] = project.ProjectFolder;
    j["EncryptionType"] = project.EncryptionType;
    j["SettingsVersion"] = project.SettingsVersion;
    AddFields(&j, s, Head);
    AddSlots(&j, "Logos", s, LogoCount, MAX_LOGOS, LogoSlot);
    AddField(&j, s, LogoDelay);
    AddSlots(&j, "HotSpots", s, LinkCount, MAX_HOTSPOTS, LinkSlot);
    AddFields(&j, s, LinkStyle);  // the font size as the record holds it
    AddFields(&j, s, Sounds);
    AddFields(&j, s, AutoPlay);
    return j;
}

int Show(const std::string& folder) {
    CInstallerWnd project(folder);
    if (!LoadProject(&project)) return kExitFailure;
    std::cout << JsonText(ProjectJson(project));
    return kExitOk;
}

}  // namespace

void RegisterShowCommand(CLI::App& app, CliContext& context) {
    auto folder = std::make_shared<std::string>();
    CLI::App* cmd = app.add_subcommand(
        "show",
        "Read AppSetup.dat as the runtime does and print the record as one JSON object. "
        "Absent strings print as \"\". Text is written as UTF-8 where it is valid UTF-8; "
        "every other byte b (0x80-0xFF) is written as the escape \\udcXX, the code point "
        "U+DC00 + b (Python's surrogateescape), so no byte is lost.");
    cmd->add_option("DIR", *folder, "Project folder")->required()->check(NonEmptyFolder);
    cmd->callback([&context, folder] { context.status = Show(*folder); });
}
