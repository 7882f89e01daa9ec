#include <CLI/CLI.hpp>
#include <iostream>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>

#include "cli/cli_context.h"
#include "cli/folder_argument.h"
#include "cli/json_text.h"
#include "engine/installer_wnd.h"

namespace {

using Json = nlohmann::ordered_json;

Json LogoJson(const LaunchSettings& s, int i) {
    Json logo;
    logo["LogoBitmapName"] = TextOf(s.LogoBitmapName[i]);
    logo["LogoBitmapLocationX"] = s.LogoBitmapLocation[i].x;
    logo["LogoBitmapLocationY"] = s.LogoBitmapLocation[i].y;
    logo["AnimateLogo"] = s.AnimateLogo[i];
    logo["LogoBitmapAnimateLocationX"] = s.LogoBitmapAnimateLocation[i].x;
    logo["LogoBitmapAnimateLocationY"] = s.LogoBitmapAnimateLocation[i].y;
    logo["ResizeLogo"] = s.ResizeLogo[i];
    logo["LogoBitmapMaskColorR"] = s.LogoBitmapMaskColorR[i];
    logo["LogoBitmapMaskColorG"] = s.LogoBitmapMaskColorG[i];
    logo["LogoBitmapMaskColorB"] = s.LogoBitmapMaskColorB[i];
    return logo;
}

Json HotSpotJson(const LaunchSettings& s, int i) {
    Json hotSpot;
    hotSpot["HotSpotText"] = TextOf(s.HotSpotText[i]);
    hotSpot["HotSpotTextLocationLeft"] = s.HotSpotRect[i].left;
    hotSpot["HotSpotTextLocationTop"] = s.HotSpotRect[i].top;
    hotSpot["HotSpotCommand"] = TextOf(s.HotSpotCommand[i]);
    hotSpot["HotSpotCommandDataA"] = TextOf(s.HotSpotCommandDataA[i]);
    hotSpot["HotSpotCommandDataB"] = TextOf(s.HotSpotCommandDataB[i]);
    return hotSpot;
}

Json ProjectJson(const CInstallerWnd& project) {
    const LaunchSettings& s = *project.Settings;
    Json j;
    j["ProjectFolder"] = project.ProjectFolder;
    j["EncryptionType"] = project.EncryptionType;
    j["SettingsVersion"] = project.SettingsVersion;
    j["WindowTitle"] = TextOf(s.WindowTitle);
    j["BackGroundBitmapName"] = TextOf(s.BackGroundBitmapName);
    j["NumberOfLogosToDraw"] = s.NumberOfLogosToDraw;
    j["Logos"] = Json::array();
    for (int i = 0; i < s.NumberOfLogosToDraw && i < MAX_LOGOS; ++i) {
        j["Logos"].push_back(LogoJson(s, i));
    }
    j["LogoAnnimationDelay"] = s.LogoAnnimationDelay;
    j["NumberOfHotSpots"] = s.NumberOfHotSpots;
    j["HotSpots"] = Json::array();
    for (int i = 0; i < s.NumberOfHotSpots && i < MAX_HOTSPOTS; ++i) {
        j["HotSpots"].push_back(HotSpotJson(s, i));
    }
    j["HotSpotTextColorR"] = s.HotSpotTextColorR;
    j["HotSpotTextColorG"] = s.HotSpotTextColorG;
    j["HotSpotTextColorB"] = s.HotSpotTextColorB;
    j["HotSpotTextHiliteColorR"] = s.HotSpotTextHiliteColorR;
    j["HotSpotTextHiliteColorG"] = s.HotSpotTextHiliteColorG;
    j["HotSpotTextHiliteColorB"] = s.HotSpotTextHiliteColorB;
    j["HotSpotFontSize"] = s.HotSpotFontSize;
    j["StartupWaveFile"] = TextOf(s.StartupWaveFile);
    j["HotSpotWaveFile"] = TextOf(s.HotSpotWaveFile);
    return j;
}

int Show(const std::string& folder) {
    CInstallerWnd project(folder);
    if (!project.LoadSettings()) return kExitFailure;
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
