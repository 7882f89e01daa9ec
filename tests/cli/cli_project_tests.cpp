// velomarforge-cli new, show and resave on real folders: exit statuses, the
// exact messages on stderr, the JSON document and the bytes written.
#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "cli_runner.h"

namespace cli_test {
namespace {

namespace fs = std::filesystem;

const std::vector<std::string> kTopKeys = {"ProjectFolder",
                                           "EncryptionType",
                                           "SettingsVersion",
                                           "WindowTitle",
                                           "BackGroundBitmapName",
                                           "NumberOfLogosToDraw",
                                           "Logos",
                                           "LogoAnnimationDelay",
                                           "NumberOfHotSpots",
                                           "HotSpots",
                                           "HotSpotTextColorR",
                                           "HotSpotTextColorG",
                                           "HotSpotTextColorB",
                                           "HotSpotTextHiliteColorR",
                                           "HotSpotTextHiliteColorG",
                                           "HotSpotTextHiliteColorB",
                                           "HotSpotFontSize",
                                           "StartupWaveFile",
                                           "HotSpotWaveFile"};
const std::vector<std::string> kLogoKeys = {
    "LogoBitmapName",      "LogoBitmapLocationX",        "LogoBitmapLocationY",
    "AnimateLogo",         "LogoBitmapAnimateLocationX", "LogoBitmapAnimateLocationY",
    "ResizeLogo",          "LogoBitmapMaskColorR",       "LogoBitmapMaskColorG",
    "LogoBitmapMaskColorB"};
const std::vector<std::string> kHotSpotKeys = {
    "HotSpotText",    "HotSpotTextLocationLeft", "HotSpotTextLocationTop",
    "HotSpotCommand", "HotSpotCommandDataA",     "HotSpotCommandDataB"};

std::vector<std::string> KeysOf(const nlohmann::ordered_json& object) {
    std::vector<std::string> keys;
    for (auto it = object.begin(); it != object.end(); ++it) keys.push_back(it.key());
    return keys;
}

nlohmann::ordered_json Parse(const RunResult& run) {
    return nlohmann::ordered_json::parse(run.out, nullptr, false);
}

TEST(CliNew, MakesTheDefaultProjectAndShowPrintsIt) {
    ScratchFolder scratch;
    const std::string project = scratch.File("a/b/c");  // intermediate folders missing
    RunResult made = RunCli({"new", project});
    EXPECT_EQ(made.status, 0) << made.err;
    EXPECT_EQ(made.err, "");
    EXPECT_TRUE(fs::is_directory(project + "/res"));
    EXPECT_EQ(ReadFile(project + "/AppSetup.dat"), Fixture("default_scrambled.dat"));

    RunResult shown = RunCli({"show", project});
    ASSERT_EQ(shown.status, 0) << shown.err;
    nlohmann::ordered_json j = Parse(shown);
    ASSERT_FALSE(j.is_discarded()) << shown.out;
    EXPECT_EQ(KeysOf(j), kTopKeys);
    EXPECT_EQ(j["ProjectFolder"], project + "/");
    EXPECT_EQ(j["EncryptionType"], 1);
    EXPECT_EQ(j["SettingsVersion"], 3);
    EXPECT_EQ(j["WindowTitle"], "My Application");
    EXPECT_EQ(j["BackGroundBitmapName"], "@@0000000d0000ff");
    EXPECT_EQ(j["Logos"], nlohmann::ordered_json::array());
    EXPECT_EQ(j["HotSpots"], nlohmann::ordered_json::array());
    EXPECT_EQ(j["StartupWaveFile"], "");
    EXPECT_EQ(j["HotSpotFontSize"], 0);
}

TEST(CliNew, ExistingProjectIsTheOverwriteQuestion) {
    ScratchFolder scratch;
    fs::create_directory(scratch.File("res"));
    WriteFile(scratch.File("res/keep.bmp"), "picture");
    WriteFile(scratch.File("AppSetup.dat"), Fixture("full_plain.dat"));

    RunResult declined = RunCli({"new", scratch.Path()});
    EXPECT_EQ(declined.status, 1);
    EXPECT_EQ(declined.err, "Project already exists.\nDo you wish to overwrite?\n");
    EXPECT_EQ(ReadFile(scratch.File("AppSetup.dat")), Fixture("full_plain.dat"));

    RunResult forced = RunCli({"new", "--force", scratch.Path()});
    EXPECT_EQ(forced.status, 0) << forced.err;
    EXPECT_EQ(forced.err, "");
    EXPECT_EQ(ReadFile(scratch.File("AppSetup.dat")), Fixture("default_scrambled.dat"));
    EXPECT_EQ(ReadFile(scratch.File("res/keep.bmp")), "picture");
}

TEST(CliNew, FolderThatCannotBeMade) {
    ScratchFolder scratch;
    WriteFile(scratch.File("file"), "x");
    RunResult underFile = RunCli({"new", scratch.File("file/project")});
    EXPECT_EQ(underFile.status, 1);
    EXPECT_EQ(underFile.err, "Failed to create the project folder!\n");
    EXPECT_EQ(RunCli({"new", ""}).status, 2);  // never the root folder

    // A file named "res" where the folder should go: the old project stays.
    WriteFile(scratch.File("res"), "not a folder");
    WriteFile(scratch.File("AppSetup.dat"), Fixture("full_plain.dat"));
    RunResult blocked = RunCli({"new", "--yes", scratch.Path()});
    EXPECT_EQ(blocked.status, 1);
    EXPECT_EQ(blocked.err, "Failed to create the project folder!\n");
    EXPECT_EQ(ReadFile(scratch.File("AppSetup.dat")), Fixture("full_plain.dat"));
}

TEST(CliShow, RecordOfAFullProject) {
    ScratchFolder scratch;
    WriteFile(scratch.File("AppSetup.dat"), Fixture("full_scrambled.dat"));
    RunResult shown = RunCli({"show", scratch.Path()});
    ASSERT_EQ(shown.status, 0) << shown.err;
    nlohmann::ordered_json j = Parse(shown);
    ASSERT_FALSE(j.is_discarded()) << shown.out;
    ASSERT_EQ(j["Logos"].size(), 2u);
    ASSERT_EQ(j["HotSpots"].size(), 3u);
    EXPECT_EQ(KeysOf(j["Logos"][0]), kLogoKeys);
    EXPECT_EQ(KeysOf(j["HotSpots"][0]), kHotSpotKeys);
    EXPECT_EQ(j["Logos"][0]["LogoBitmapName"], "res\\logo1.bmp");
    EXPECT_EQ(j["Logos"][0]["LogoBitmapAnimateLocationX"], -100);
    EXPECT_EQ(j["Logos"][0]["LogoBitmapMaskColorR"], 255);
    EXPECT_EQ(j["HotSpots"][1]["HotSpotCommandDataA"], "docs\\readme.txt=x");
    EXPECT_EQ(j["HotSpots"][2]["HotSpotCommand"], "QUIT");
    EXPECT_EQ(j["HotSpotFontSize"], -16);
    EXPECT_EQ(j["HotSpotTextHiliteColorG"], 200);
}

TEST(CliShow, TextThatIsNotUtf8IsEscapedLosslessly) {
    ScratchFolder scratch;
    std::string bytes = Fixture("one_each.dat");
    const std::string title = "Caf\xe9 \xc3\xa9 \"q\" \\ \x01\t";  // cp1252 é, UTF-8 é
    bytes.replace(bytes.find("WindowTitle=T"), 13, "WindowTitle=" + title);
    WriteFile(scratch.File("AppSetup.dat"), bytes);
    RunResult shown = RunCli({"show", scratch.Path()});
    ASSERT_EQ(shown.status, 0) << shown.err;
    EXPECT_NE(shown.out.find("\"WindowTitle\": \"Caf\\udce9 \xc3\xa9 \\\"q\\\" \\\\ \\u0001\\t\""),
              std::string::npos)
        << shown.out;
}

TEST(CliShow, FailuresPrintTheReadersMessage) {
    ScratchFolder scratch;
    RunResult missing = RunCli({"show", scratch.File("nothing")});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, "Failed to open the InstalledWnd.ini file!\n");
    EXPECT_EQ(missing.out, "");

    WriteFile(scratch.File("AppSetup.dat"), Fixture("logo_count_16.dat"));
    RunResult tooMany = RunCli({"show", scratch.Path()});
    EXPECT_EQ(tooMany.status, 1);
    EXPECT_EQ(tooMany.err, "Failed to read in 'NUM_LOGOS' value from INI file!\n");

    EXPECT_EQ(RunCli({"show"}).status, 2);
    EXPECT_EQ(RunCli({"show", ""}).status, 2);
    EXPECT_EQ(RunCli({"show", "a", "b"}).status, 2);
}

TEST(CliResave, SwitchesTheStoredForm) {
    ScratchFolder scratch;
    WriteFile(scratch.File("AppSetup.dat"), Fixture("full_plain_lf.dat"));
    EXPECT_EQ(RunCli({"resave", scratch.Path()}).status, 0);
    EXPECT_EQ(ReadFile(scratch.File("AppSetup.dat")), Fixture("full_plain.dat"));
    EXPECT_EQ(RunCli({"resave", "--scrambled", scratch.Path()}).status, 0);
    EXPECT_EQ(ReadFile(scratch.File("AppSetup.dat")), Fixture("full_scrambled.dat"));
    EXPECT_EQ(RunCli({"resave", scratch.Path()}).status, 0);  // keeps its form
    EXPECT_EQ(ReadFile(scratch.File("AppSetup.dat")), Fixture("full_scrambled.dat"));
    EXPECT_EQ(RunCli({"resave", "--plain", scratch.Path()}).status, 0);
    EXPECT_EQ(ReadFile(scratch.File("AppSetup.dat")), Fixture("full_plain.dat"));

    EXPECT_EQ(RunCli({"resave", "--plain", "--scrambled", scratch.Path()}).status, 2);
    RunResult missing = RunCli({"resave", scratch.File("none")});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, "Failed to open the InstalledWnd.ini file!\n");
}

}  // namespace
}  // namespace cli_test
