#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "settings_support.h"

namespace settings_test {
namespace {

using WriterTest = SettingsTest;

// The record of full_*.dat, built without the reader.
void FillFullRecord(LaunchSettings& s) {
    s.WindowTitle = "Velomar Demo Disc";
    s.BackGroundBitmapName = "res\\back.bmp";
    s.NumberOfLogosToDraw = 2;
    s.LogoBitmapName[0] = "res\\logo1.bmp";
    s.LogoBitmapLocation[0] = {10, 20};
    s.AnimateLogo[0] = 1;
    s.LogoBitmapAnimateLocation[0] = {-100, 20};
    s.ResizeLogo[0] = 1;
    s.LogoBitmapMaskColorR[0] = 255;
    s.LogoBitmapMaskColorB[0] = 255;
    s.LogoBitmapName[1] = "res\\Logo Two.bmp";
    s.LogoBitmapLocation[1] = {300, 40};
    s.LogoBitmapAnimateLocation[1] = {7, 7};  // not animated: never written
    s.LogoAnnimationDelay = 25;
    s.NumberOfHotSpots = 3;
    const char* texts[] = {"Install now", "Read=me", "Exit"};
    const char* commands[] = {"RUN", "OPEN", "QUIT"};
    for (int i = 0; i < 3; ++i) {
        s.HotSpotText[i] = texts[i];
        s.HotSpotRect[i] = {50, 300 + 30 * i, 0, 0};
        s.HotSpotCommand[i] = commands[i];
    }
    s.HotSpotCommandDataA[0] = "setup.exe";
    s.HotSpotCommandDataB[0] = "/quiet";
    s.HotSpotCommandDataA[1] = "docs\\readme.txt=x";  // B left absent: written empty
    s.HotSpotTextColorR = s.HotSpotTextColorG = s.HotSpotTextColorB = 255;
    s.HotSpotTextHiliteColorR = 255;
    s.HotSpotTextHiliteColorG = 200;
    s.HotSpotFontSize = -16;
    s.StartupWaveFile = "res\\start.wav";
    s.HotSpotWaveFile = "res\\hover.wav";
}

std::vector<std::string> Lines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find("\r\n", start);
        if (end == std::string::npos) end = bytes.size();
        lines.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

TEST_F(WriterTest, DefaultProjectFileIsExact) {
    auto project = NewProject();
    project->CreateDefaultSettings();  // a new window: EncryptionType 1
    EXPECT_EQ(SettingsBytes(), ReadBytes(FixturePath("default_scrambled.dat")));
    EXPECT_EQ(Lines(SettingsBytes()).size(), 27u);
    EXPECT_EQ(project->SettingsLoaded, 0);
    EXPECT_FALSE(project->Settings->WindowTitle.has_value());

    std::remove(folder.File("AppSetup.dat").c_str());
    project->EncryptionType = 0;
    project->CreateDefaultSettings();
    EXPECT_EQ(SettingsBytes(), ReadBytes(FixturePath("default_plain.dat")));
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(WriterTest, DefaultSettingsLeaveAnExistingProjectAlone) {
    UseFixture("full_plain.dat");
    auto project = NewProject();
    ASSERT_TRUE(project->LoadSettings());
    project->CreateDefaultSettings();
    EXPECT_EQ(SettingsBytes(), ReadBytes(FixturePath("full_plain.dat")));
    EXPECT_EQ(project->SettingsLoaded, 1);
    EXPECT_EQ(TextOf(project->Settings->WindowTitle), "Velomar Demo Disc");
}

TEST_F(WriterTest, RecordIsWrittenInTheCanonicalLayout) {
    for (auto [encryption, fixture] : {std::pair{0, "full_plain.dat"}, {1, "full_scrambled.dat"}}) {
        auto project = NewProject();
        FillFullRecord(*project->Settings);
        project->EncryptionType = encryption;
        ASSERT_TRUE(project->SaveSettings());
        EXPECT_EQ(project->SettingsVersion, 3);
        EXPECT_EQ(project->SettingsLoaded, 0);  // the record is not touched
        EXPECT_EQ(SettingsBytes(), ReadBytes(FixturePath(fixture))) << fixture;
    }
    EXPECT_FALSE(std::filesystem::exists(folder.File("AppSetup.dat.tmp")));
}

TEST_F(WriterTest, WritingWhatWasReadGivesTheSameBytes) {
    const char* fixtures[] = {"full_plain.dat", "full_scrambled.dat", "default_plain.dat",
                              "default_scrambled.dat", "scrambled_encryption_10001.dat"};
    for (const char* fixture : fixtures) {
        UseFixture(fixture);
        auto project = NewProject();
        ASSERT_TRUE(project->LoadSettings()) << fixture;
        ASSERT_TRUE(project->SaveSettings()) << fixture;
        EXPECT_EQ(SettingsBytes(), ReadBytes(FixturePath(fixture))) << fixture;
    }
    // LF line ends are read and written back as CR LF.
    UseFixture("full_scrambled_lf.dat");
    auto project = NewProject();
    ASSERT_TRUE(project->LoadSettings());
    ASSERT_TRUE(project->SaveSettings());
    EXPECT_EQ(SettingsBytes(), ReadBytes(FixturePath("full_scrambled.dat")));
}

TEST_F(WriterTest, AnimationLinesOnlyForAnimatedLogos) {
    for (int animate : {0, 1}) {
        auto project = NewProject();
        project->EncryptionType = 0;
        LaunchSettings& s = *project->Settings;
        s.NumberOfLogosToDraw = 1;
        s.LogoBitmapName[0] = "a.bmp";
        s.AnimateLogo[0] = animate;
        s.LogoBitmapMaskColorR[0] = 255;
        s.HotSpotFontSize = INT_MIN;
        ASSERT_TRUE(project->SaveSettings());
        int logoLines = 0;
        std::vector<std::string> lines = Lines(SettingsBytes());
        for (const std::string& line : lines) {
            if (line.find("1=") != std::string::npos) ++logoLines;
        }
        EXPECT_EQ(logoLines, animate ? 10 : 7);
        EXPECT_NE(std::find(lines.begin(), lines.end(), "LogoBitmapMaskColorR1=255"), lines.end());
        // |INT_MIN| does not fit: the largest size that reads back is written.
        EXPECT_NE(std::find(lines.begin(), lines.end(), "HotSpotFontSize=2147483647"), lines.end());
    }
}

TEST_F(WriterTest, CountsBeyondTheSlotsAreWrittenAsTheSlotsThatExist) {
    auto project = NewProject();
    project->EncryptionType = 0;
    project->Settings->NumberOfLogosToDraw = 20;
    project->Settings->NumberOfHotSpots = -3;
    ASSERT_TRUE(project->SaveSettings());
    std::vector<std::string> lines = Lines(SettingsBytes());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "NumberOfLogosToDraw=15"), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "NumberOfHotSpots=0"), lines.end());
    EXPECT_TRUE(NewProject()->LoadSettings());
}

TEST_F(WriterTest, FolderWithoutSeparatorGetsOne) {
    auto project = NewProject();
    project->ProjectFolder.pop_back();
    ASSERT_TRUE(project->SaveSettings());
    EXPECT_FALSE(SettingsBytes().empty());
}

TEST_F(WriterTest, AnExistingFileIsReplacedInItsOwnLetterCase) {
    WriteBytes(folder.File("appsetup.DAT"), "old");
    auto project = NewProject();
    ASSERT_TRUE(project->SaveSettings());
    EXPECT_EQ(ReadBytes(folder.File("appsetup.DAT")).substr(0, 9), "[English]");
    EXPECT_FALSE(std::filesystem::exists(folder.File("AppSetup.dat")));
}

TEST_F(WriterTest, FailuresLeaveThePreviousFileWhole) {
    UseFixture("full_scrambled.dat");
    const std::string before = SettingsBytes();
    auto project = NewProject();
    ASSERT_TRUE(project->LoadSettings());

    system.SetLanguage("");
    EXPECT_FALSE(project->SaveSettings());
    EXPECT_EQ(SettingsBytes(), before);
    system.SetLanguage("English");

    // The file cannot be put in place: a folder of that name is in the way.
    auto blocked = std::make_unique<CInstallerWnd>(folder.File("blocked"));
    std::filesystem::create_directories(folder.File("blocked/AppSetup.dat/x"));
    EXPECT_FALSE(blocked->SaveSettings());
    EXPECT_FALSE(std::filesystem::exists(folder.File("blocked/AppSetup.dat.tmp")));

    auto missing = std::make_unique<CInstallerWnd>(folder.File("no/such/folder"));
    EXPECT_FALSE(missing->SaveSettings());

    EXPECT_EQ(services.messages, (std::vector<std::string>{"GetLocaleInfo() Failed!\n",
                                                           "Failed to create the INI file!\n",
                                                           "Failed to create the INI file!\n"}));
    EXPECT_EQ(SettingsBytes(), before);
    EXPECT_EQ(project->SettingsLoaded, 1);
}

}  // namespace
}  // namespace settings_test
