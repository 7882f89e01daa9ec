// velomarforge-cli new, show, resave, encode and decode as a user runs them:
// exit statuses, the exact messages on stderr, the JSON and the bytes written.
#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "../support/ordinary_user.h"
#include "../support/project_sandbox.h"

namespace {

namespace fs = std::filesystem;
using nlohmann::ordered_json;
using namespace sandbox;

const std::string kCannotOpen = "Failed to open the InstalledWnd.ini file!\n";
const std::string kNoFolder = "Failed to create the project folder!\n";

// The object's keys in document order.
std::string KeysOf(const ordered_json& object) {
    std::string keys;
    for (auto it = object.begin(); it != object.end(); ++it) keys += it.key() + " ";
    return keys;
}

TEST(Cli, NewMakesTheDefaultProjectAndOverwritesOnlyWhenForced) {
    TempFolder scratch;
    const std::string project = scratch.File("a/b/c");  // intermediate folders missing
    const std::string settings = project + "/AppSetup.dat";
    EXPECT_EQ(RunCli({"new", project}), (CliRun{0, "", ""}));
    EXPECT_TRUE(fs::is_directory(project + "/res"));
    EXPECT_EQ(ReadBytes(settings), Fixture("default_scrambled.dat"));

    auto j = ordered_json::parse(RunCli({"show", project}).out, nullptr, false);
    EXPECT_EQ(KeysOf(j),
              "ProjectFolder EncryptionType SettingsVersion WindowTitle BackGroundBitmapName "
              "NumberOfLogosToDraw Logos LogoAnnimationDelay NumberOfHotSpots HotSpots "
              "HotSpotTextColorR HotSpotTextColorG HotSpotTextColorB HotSpotTextHiliteColorR "
              "HotSpotTextHiliteColorG HotSpotTextHiliteColorB HotSpotFontSize StartupWaveFile "
              "HotSpotWaveFile ");
    EXPECT_EQ(j["ProjectFolder"], project + "/");
    EXPECT_EQ(j["EncryptionType"], 1);
    EXPECT_EQ(j["SettingsVersion"], 3);
    EXPECT_EQ(j["WindowTitle"], "My Application");
    EXPECT_EQ(j["BackGroundBitmapName"], "@@0000000d0000ff");
    EXPECT_EQ(j["Logos"], ordered_json::array());
    EXPECT_EQ(j["HotSpots"], ordered_json::array());
    EXPECT_EQ(j["StartupWaveFile"], "");

    WriteBytes(project + "/res/keep.bmp", "picture");
    WriteBytes(settings, Fixture("full_plain.dat"));
    EXPECT_EQ(RunCli({"new", project}),
              (CliRun{1, "", "Project already exists.\nDo you wish to overwrite?\n"}));
    EXPECT_EQ(ReadBytes(settings), Fixture("full_plain.dat"));
    EXPECT_EQ(RunCli({"new", "--force", project}), (CliRun{0, "", ""}));
    EXPECT_EQ(ReadBytes(settings), Fixture("default_scrambled.dat"));
    EXPECT_EQ(ReadBytes(project + "/res/keep.bmp"), "picture");
}

// Replacing a project as an ordinary user: the new file is renamed over the
// old one, so a replace that cannot be made leaves the old project whole.
TEST(Cli, NewForceReplacesInOneStepOrNotAtAll) {
    const struct {
        const char* name;
        mode_t mode;
        bool blockTemporaryName;
        CliRun run;
    } cases[] = {
        {"writable", 0644, false, {0, "", ""}},
        {"a folder at the old temporary name", 0644, true, {0, "", ""}},
        {"write-protected", 0444, false, {1, "", "Failed to create the INI file!\n"}},
    };
    for (const auto& c : cases) {
        TempFolder scratch;
        OpenToOrdinaryUser(scratch.Path());
        const std::string settings = scratch.File("AppSetup.dat");
        const std::string result = AsOrdinaryUser([&] {
            fs::create_directory(scratch.File("res"));
            WriteBytes(settings, Fixture("full_plain.dat"));
            ::chmod(settings.c_str(), c.mode);
            if (c.blockTemporaryName) fs::create_directory(settings + ".tmp");
            return ::testing::PrintToString(RunCli({"new", "--force", scratch.Path()}));
        });
        EXPECT_EQ(result, ::testing::PrintToString(c.run)) << c.name;
        EXPECT_EQ(ReadBytes(settings),
                  Fixture(c.run.status == 0 ? "default_scrambled.dat" : "full_plain.dat"))
            << c.name;
        EXPECT_EQ(fs::status(settings).permissions(), fs::perms(c.mode)) << c.name;
    }
}

TEST(Cli, FailuresExitWith1AndTheMessage) {
    TempFolder scratch;
    WriteBytes(scratch.File("file"), "x");
    fs::create_directory(scratch.File("blocked"));
    WriteBytes(scratch.File("blocked/res"), "not a folder");  // where the folder should go
    WriteBytes(scratch.File("blocked/AppSetup.dat"), Fixture("full_plain.dat"));
    WriteBytes(scratch.File("AppSetup.dat"), Fixture("logo_count_16.dat"));
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"new", scratch.File("file/project")}, kNoFolder},
        {{"new", "--yes", scratch.File("blocked")}, kNoFolder},
        {{"show", scratch.File("nothing")}, kCannotOpen},
        {{"show", scratch.Path()}, "Failed to read in 'NUM_LOGOS' value from INI file!\n"},
        {{"resave", scratch.File("none")}, kCannotOpen},
        {{"encode", ""}, "Cannot encode an empty text.\n"},
        {{"decode", "ab"},
         "Cannot decode: the text is empty or, with framing, shorter than 3 characters.\n"}};
    for (const auto& [args, message] : cases) {
        EXPECT_EQ(RunCli(args), (CliRun{1, "", message})) << args[0] << " " << args[1];
    }
    EXPECT_EQ(ReadBytes(scratch.File("blocked/AppSetup.dat")), Fixture("full_plain.dat"));
}

TEST(Cli, UsageErrorsExitWith2) {
    TempFolder scratch;
    const std::string out = scratch.File("x.png"), dir = scratch.Path();
    // One of each kind: no command, a missing, empty or extra argument, a bad
    // or missing option value, options that exclude each other.
    const std::vector<std::string> cases[] = {{},
                                              {"frobnicate"},
                                              {"show"},
                                              {"show", "a", "b"},
                                              {"encode", "--bogus", "x"},
                                              {"resave", "--plain", "--scrambled", dir},
                                              {"render", dir},
                                              {"build", dir, "--runtime", ""},
                                              {"image", dir, out, "--label"}};
    for (const auto& args : cases) {
        EXPECT_EQ(RunCli(args).status, 2) << ::testing::PrintToString(args);
    }
    for (auto [option, value] :
         {std::pair{"--mouse", "abc"}, {"--mouse", "1,"}, {"--steps", "-1"}}) {
        EXPECT_EQ(RunCli({"render", dir, out, option, value}).status, 2) << option << value;
    }
    EXPECT_FALSE(fs::exists(out));
    CliRun help = RunCli({"show", "--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("\\udcXX"), std::string::npos) << help.out;
}

TEST(Cli, ShowPrintsTheWholeRecord) {
    TempFolder scratch;
    WriteBytes(scratch.File("AppSetup.dat"), Fixture("full_scrambled.dat"));
    auto j = ordered_json::parse(RunCli({"show", scratch.Path()}).out, nullptr, false);
    ASSERT_EQ(j["Logos"].size(), 2u);
    ASSERT_EQ(j["HotSpots"].size(), 3u);
    EXPECT_EQ(KeysOf(j["Logos"][0]),
              "LogoBitmapName LogoBitmapLocationX LogoBitmapLocationY AnimateLogo "
              "LogoBitmapAnimateLocationX LogoBitmapAnimateLocationY ResizeLogo "
              "LogoBitmapMaskColorR LogoBitmapMaskColorG LogoBitmapMaskColorB ");
    EXPECT_EQ(KeysOf(j["HotSpots"][0]),
              "HotSpotText HotSpotTextLocationLeft HotSpotTextLocationTop HotSpotCommand "
              "HotSpotCommandDataA HotSpotCommandDataB ");
    EXPECT_EQ(j["Logos"][0]["LogoBitmapName"], "res\\logo1.bmp");
    EXPECT_EQ(j["Logos"][0]["LogoBitmapAnimateLocationX"], -100);
    EXPECT_EQ(j["Logos"][0]["LogoBitmapMaskColorR"], 255);
    EXPECT_EQ(j["HotSpots"][1]["HotSpotCommandDataA"], "docs\\readme.txt=x");
    EXPECT_EQ(j["HotSpots"][2]["HotSpotCommand"], "QUIT");
    EXPECT_EQ(j["HotSpotFontSize"], -16);
    EXPECT_EQ(j["HotSpotTextHiliteColorG"], 200);

    // Text that is not UTF-8 is escaped losslessly.
    std::string bytes = Fixture("one_each.dat");
    const std::string title = "Caf\xe9 \xc3\xa9 \"q\" \\ \x01\t";  // cp1252 é, UTF-8 é
    bytes.replace(bytes.find("WindowTitle=T"), 13, "WindowTitle=" + title);
    WriteBytes(scratch.File("AppSetup.dat"), bytes);
    CliRun shown = RunCli({"show", scratch.Path()});
    EXPECT_NE(shown.out.find("\"WindowTitle\": \"Caf\\udce9 \xc3\xa9 \\\"q\\\" \\\\ \\u0001\\t\""),
              std::string::npos)
        << shown.out;
}

TEST(Cli, ResaveSwitchesTheStoredForm) {
    TempFolder scratch;
    const std::string settings = scratch.File("AppSetup.dat");
    WriteBytes(settings, Fixture("full_plain_lf.dat"));
    EXPECT_EQ(RunCli({"resave", scratch.Path()}), (CliRun{0, "", ""}));
    EXPECT_EQ(ReadBytes(settings), Fixture("full_plain.dat"));
    EXPECT_EQ(RunCli({"resave", "--scrambled", scratch.Path()}).status, 0);
    EXPECT_EQ(ReadBytes(settings), Fixture("full_scrambled.dat"));
    EXPECT_EQ(RunCli({"resave", scratch.Path()}).status, 0);  // keeps its form
    EXPECT_EQ(ReadBytes(settings), Fixture("full_scrambled.dat"));
    EXPECT_EQ(RunCli({"resave", "--plain", scratch.Path()}).status, 0);
    EXPECT_EQ(ReadBytes(settings), Fixture("full_plain.dat"));
}

TEST(Cli, EncodeAndDecodeFlags) {
    EXPECT_EQ(RunCli({"encode", "abc"}), (CliRun{0, "gjZYXv\n", ""}));
    EXPECT_EQ(RunCli({"encode", "--no-framing", "--no-reversal", "abc"}).out, "XYZ\n");
    EXPECT_EQ(RunCli({"encode", "--no-framing", "abc"}).out, "ZYX\n");
    EXPECT_EQ(RunCli({"encode", "--no-reversal", "abc"}).out, "gjXYZv\n");
    EXPECT_EQ(RunCli({"decode", "gjZYXv"}), (CliRun{0, "abc\n", ""}));
    EXPECT_EQ(RunCli({"decode", "--no-framing", "ab"}).status, 0);
    // Texts beginning with "-" follow "--".
    CliRun dashed = RunCli({"encode", "--", "-x"});
    ASSERT_EQ(dashed.status, 0) << dashed.err;
    EXPECT_EQ(RunCli({"decode", "--", dashed.out.substr(0, dashed.out.size() - 1)}).out, "-x\n");
}

}  // namespace
