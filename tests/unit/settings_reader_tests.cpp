#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "settings_support.h"

namespace settings_test {
namespace {

using ReaderTest = SettingsTest;

// The record of full_*.dat (tests/unit/fixtures/make_fixtures.py, FULL).
void ExpectFullRecord(const CInstallerWnd& project) {
    const LaunchSettings& s = *project.Settings;
    EXPECT_EQ(project.SettingsVersion, 3);
    EXPECT_EQ(TextOf(s.WindowTitle), "Velomar Demo Disc");
    EXPECT_EQ(TextOf(s.BackGroundBitmapName), "res\\back.bmp");
    ASSERT_EQ(s.NumberOfLogosToDraw, 2);
    EXPECT_EQ(TextOf(s.LogoBitmapName[0]), "res\\logo1.bmp");
    EXPECT_EQ(s.LogoBitmapLocation[0], (platform::Point{10, 20}));
    EXPECT_EQ(s.AnimateLogo[0], 1);
    EXPECT_EQ(s.LogoBitmapAnimateLocation[0], (platform::Point{-100, 20}));
    EXPECT_EQ(s.ResizeLogo[0], 1);
    EXPECT_EQ(s.LogoBitmapMaskColorR[0], 255);
    EXPECT_EQ(s.LogoBitmapMaskColorG[0], 0);
    EXPECT_EQ(s.LogoBitmapMaskColorB[0], 255);
    EXPECT_EQ(TextOf(s.LogoBitmapName[1]), "res\\Logo Two.bmp");
    EXPECT_EQ(s.LogoBitmapLocation[1], (platform::Point{300, 40}));
    EXPECT_EQ(s.AnimateLogo[1], 0);
    EXPECT_EQ(s.LogoBitmapAnimateLocation[1], (platform::Point{0, 0}));
    EXPECT_EQ(s.ResizeLogo[1], 0);
    EXPECT_FALSE(s.LogoBitmapName[2].has_value());
    EXPECT_EQ(s.LogoAnnimationDelay, 25);
    ASSERT_EQ(s.NumberOfHotSpots, 3);
    EXPECT_EQ(TextOf(s.HotSpotText[0]), "Install now");
    EXPECT_EQ(s.HotSpotRect[0], (platform::Rect{50, 300, 0, 0}));
    EXPECT_EQ(TextOf(s.HotSpotCommand[0]), "RUN");
    EXPECT_EQ(TextOf(s.HotSpotCommandDataA[0]), "setup.exe");
    EXPECT_EQ(TextOf(s.HotSpotCommandDataB[0]), "/quiet");
    EXPECT_EQ(TextOf(s.HotSpotText[1]), "Read=me");
    EXPECT_EQ(TextOf(s.HotSpotCommandDataA[1]), "docs\\readme.txt=x");
    ASSERT_TRUE(s.HotSpotCommandDataB[1].has_value());  // present and empty
    EXPECT_EQ(*s.HotSpotCommandDataB[1], "");
    EXPECT_EQ(TextOf(s.HotSpotCommand[2]), "QUIT");
    EXPECT_EQ(s.HotSpotRect[2], (platform::Rect{50, 360, 0, 0}));
    EXPECT_EQ(s.HotSpotTextColorR + s.HotSpotTextColorG + s.HotSpotTextColorB, 3 * 255);
    EXPECT_EQ(s.HotSpotTextHiliteColorR, 255);
    EXPECT_EQ(s.HotSpotTextHiliteColorG, 200);
    EXPECT_EQ(s.HotSpotTextHiliteColorB, 0);
    EXPECT_EQ(s.HotSpotFontSize, -16);
    EXPECT_EQ(TextOf(s.StartupWaveFile), "res\\start.wav");
    EXPECT_EQ(TextOf(s.HotSpotWaveFile), "res\\hover.wav");
}

void ExpectEmptyRecord(const CInstallerWnd& project) {
    const LaunchSettings& s = *project.Settings;
    EXPECT_EQ(project.SettingsLoaded, 0);
    EXPECT_FALSE(s.WindowTitle.has_value());
    EXPECT_FALSE(s.BackGroundBitmapName.has_value());
    EXPECT_EQ(s.NumberOfLogosToDraw, 0);
    EXPECT_EQ(s.NumberOfHotSpots, 0);
    for (int i = 0; i < MAX_LOGOS; ++i) EXPECT_FALSE(s.LogoBitmapName[i].has_value());
    for (int i = 0; i < MAX_HOTSPOTS; ++i) EXPECT_FALSE(s.HotSpotText[i].has_value());
    EXPECT_EQ(s.HotSpotFontSize, 0);
}

struct FullCase {
    const char* fixture;
    int encryption;
};

class FullFileTest : public SettingsTest, public ::testing::WithParamInterface<FullCase> {};

TEST_P(FullFileTest, ReadsTheWholeRecord) {
    UseFixture(GetParam().fixture);
    auto project = NewProject();
    ASSERT_TRUE(project->LoadSettings()) << ::testing::PrintToString(services.messages);
    EXPECT_EQ(project->SettingsLoaded, 1);
    EXPECT_EQ(project->EncryptionType, GetParam().encryption);
    ExpectFullRecord(*project);
    EXPECT_TRUE(services.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(PlainAndScrambledCrLfAndLf, FullFileTest,
                         ::testing::Values(FullCase{"full_plain.dat", 0},
                                           FullCase{"full_plain_lf.dat", 0},
                                           FullCase{"full_scrambled.dat", 1},
                                           FullCase{"full_scrambled_lf.dat", 1}));

struct FailureCase {
    const char* fixture;
    const char* message;
};

class FailureTest : public SettingsTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(FailureTest, ShowsTheKeysMessageAndEndsEmpty) {
    UseFixture(GetParam().fixture);
    auto project = NewProject();
    EXPECT_FALSE(project->LoadSettings());
    EXPECT_EQ(services.messages, std::vector<std::string>{GetParam().message});
    ExpectEmptyRecord(*project);
}

INSTANTIATE_TEST_SUITE_P(
    EveryMissingKey, FailureTest,
    ::testing::Values(
        FailureCase{"missing_encryption.dat",
                    "Failed to read in INI_ENCRYPTED value from INI file!\n"},
        FailureCase{"missing_encryption_scrambled.dat",
                    "Failed to read in INI_ENCRYPTED value from INI file!\n"},
        FailureCase{"missing_version.dat", "Failed to read in INI_VERSION value from INI file!\n"},
        FailureCase{"missing_title.dat", "Failed to read in 'WINDOW_TITLE' value from INI file!\n"},
        FailureCase{"missing_background.dat",
                    "Failed to read in 'BACKGROUND_BMP_NAME' value from INI file!\n"},
        FailureCase{"missing_logo_count.dat",
                    "Failed to read in 'NUM_LOGOS' value from INI file!\n"},
        FailureCase{"missing_logo_name.dat",
                    "Failed to read in LOGO_BMP_NAME value from INI file!\n"},
        FailureCase{"missing_logo_x.dat",
                    "Failed to read in LOGO_BMP_LOCATIONX value from INI file!\n"},
        FailureCase{"missing_logo_y.dat",
                    "Failed to read in LOGO_BMP_LOCATIONY value from INI file!\n"},
        FailureCase{"missing_logo_animate.dat",
                    "Failed to read in LOGO_BMP_ANIMATE value from INI file!\n"},
        FailureCase{"missing_logo_animate_x.dat",
                    "Failed to read in LOGO_BMP_ANIMATE_LOCATIONX value from INI file!\n"},
        FailureCase{"missing_logo_animate_y.dat",
                    "Failed to read in LOGO_BMP_ANIMATE_LOCATIONY value from INI file!\n"},
        FailureCase{"missing_logo_resize.dat",
                    "Failed to read in LOGO_BMP_RESIZE value from INI file!\n"},
        FailureCase{"missing_logo_mask_r.dat",
                    "Failed to read in LOGO_BMP_MASK_R value from INI file!\n"},
        FailureCase{"missing_logo_mask_g.dat",
                    "Failed to read in LOGO_BMP_MASK_G value from INI file!\n"},
        FailureCase{"missing_logo_mask_b.dat",
                    "Failed to read in LOGO_BMP_MASK_B value from INI file!\n"},
        FailureCase{"missing_delay.dat",
                    "Failed to read in LOGO_ANNIMATION_DELAY value from INI file!\n"},
        FailureCase{"missing_hotspot_count.dat",
                    "Failed to read in 'NUM_HOTSPOTS' value from INI file!\n"},
        FailureCase{"missing_hotspot_text.dat",
                    "Failed to read in HOTSPOT_TEXT value from INI file!\n"},
        FailureCase{"missing_hotspot_left.dat",
                    "Failed to read in HOTSPOT_TEXT_LOCATION_LEFT value from INI file!\n"},
        FailureCase{"missing_hotspot_top.dat",
                    "Failed to read in HOTSPOT_TEXT_LOCATION_TOP value from INI file!\n"},
        FailureCase{"missing_hotspot_command.dat",
                    "Failed to read in HOTSPOT_COMMAND value from INI file!\n"},
        FailureCase{"missing_hotspot_data_a.dat",
                    "Failed to read in HOTSPOT_COMMAND_DATA1 value from INI file!\n"},
        FailureCase{"missing_hotspot_data_b.dat",
                    "Failed to read in HOTSPOT_COMMAND_DATA2 value from INI file!\n"},
        FailureCase{"missing_text_r.dat",
                    "Failed to read in HOTSPOT_TEXT_COLOR_R value from INI file!\n"},
        FailureCase{"missing_text_g.dat",
                    "Failed to read in HOTSPOT_TEXT_COLOR_G value from INI file!\n"},
        FailureCase{"missing_text_b.dat",
                    "Failed to read in HOTSPOT_TEXT_COLOR_B value from INI file!\n"},
        FailureCase{"missing_hilite_r.dat",
                    "Failed to read in HOTSPOT_TEXT_HILITE_COLOR_R value from INI file!\n"},
        FailureCase{"missing_hilite_g.dat",
                    "Failed to read in HOTSPOT_TEXT_HILITE_COLOR_G value from INI file!\n"},
        FailureCase{"missing_hilite_b.dat",
                    "Failed to read in HOTSPOT_TEXT_HILITE_COLOR_B value from INI file!\n"},
        FailureCase{"missing_font_size.dat",
                    "Failed to read in HOTSPOT_FONT_SIZE value from INI file!\n"},
        FailureCase{"missing_startup_wave.dat",
                    "Failed to read in STARTUP_WAVE_FILE value from INI file!\n"},
        FailureCase{"missing_hotspot_wave.dat",
                    "Failed to read in HOTSPOT_WAVE_FILE value from INI file!\n"}));

INSTANTIATE_TEST_SUITE_P(
    CountsAndSections, FailureTest,
    ::testing::Values(
        FailureCase{"logo_count_16.dat", "Failed to read in 'NUM_LOGOS' value from INI file!\n"},
        FailureCase{"logo_count_negative.dat",
                    "Failed to read in 'NUM_LOGOS' value from INI file!\n"},
        FailureCase{"logo_count_huge.dat", "Failed to read in 'NUM_LOGOS' value from INI file!\n"},
        FailureCase{"logo_count_empty.dat", "Failed to read in 'NUM_LOGOS' value from INI file!\n"},
        FailureCase{"hotspot_count_16.dat",
                    "Failed to read in 'NUM_HOTSPOTS' value from INI file!\n"},
        FailureCase{"hotspot_count_negative.dat",
                    "Failed to read in 'NUM_HOTSPOTS' value from INI file!\n"},
        FailureCase{"hotspot_count_huge.dat",
                    "Failed to read in 'NUM_HOTSPOTS' value from INI file!\n"},
        FailureCase{"header_case.dat", "Could not find correct Language section!\n"},
        FailureCase{"header_trailing_blank.dat", "Could not find correct Language section!\n"},
        FailureCase{"full_german_only.dat", "Could not find correct Language section!\n"},
        FailureCase{"key_after_second_header.dat",
                    "Failed to read in HOTSPOT_WAVE_FILE value from INI file!\n"}));

TEST_F(ReaderTest, AFailedKeyKeepsTheEncryptionTypeRead) {
    UseFixture("full_scrambled.dat");
    std::string bytes = SettingsBytes();
    // Drop the scrambled version line (the third).
    std::size_t third = bytes.find("\r\n", bytes.find("\r\n") + 2) + 2;
    bytes.erase(third, bytes.find("\r\n", third) + 2 - third);
    WriteBytes(folder.File("AppSetup.dat"), bytes);
    auto project = NewProject();
    EXPECT_FALSE(project->LoadSettings());
    EXPECT_EQ(services.messages,
              std::vector<std::string>{"Failed to read in INI_VERSION value from INI file!\n"});
    EXPECT_EQ(project->EncryptionType, 1);
}

TEST_F(ReaderTest, FileAndLanguageFailures) {
    auto project = NewProject();
    EXPECT_FALSE(project->LoadSettings());
    EXPECT_EQ(project->EncryptionType, 0);  // zeroed before the file is opened

    UseFixture("one_each.dat");
    system.SetLanguage("");  // the language name cannot be had
    EXPECT_FALSE(project->LoadSettings());
    EXPECT_EQ(services.messages,
              (std::vector<std::string>{"Failed to open the InstalledWnd.ini file!\n",
                                        "GetLocaleInfo() Failed!\n"}));
    ExpectEmptyRecord(*project);
}

TEST_F(ReaderTest, AFileTooLargeToBeAProjectIsRefused) {
    WriteBytes(folder.File("AppSetup.dat"),
               ReadBytes(FixturePath("one_each.dat")) + std::string(5u << 20, '\n'));
    EXPECT_FALSE(NewProject()->LoadSettings());
    EXPECT_EQ(services.messages,
              std::vector<std::string>{"Failed to open the InstalledWnd.ini file!\n"});
}

TEST_F(ReaderTest, LanguageSectionIsChosenBySystemLanguage) {
    UseFixture("two_sections.dat");
    auto english = NewProject();
    ASSERT_TRUE(english->LoadSettings());
    EXPECT_EQ(TextOf(english->Settings->WindowTitle), "T");

    system.SetLanguage("German");
    auto german = NewProject();
    ASSERT_TRUE(german->LoadSettings());
    EXPECT_EQ(TextOf(german->Settings->WindowTitle), "Deutsch");

    UseFixture("full_german_only.dat");
    auto germanOnly = NewProject();
    ASSERT_TRUE(germanOnly->LoadSettings());
    ExpectFullRecord(*germanOnly);

    UseFixture("one_each.dat");  // only "[English]": the fallback
    auto fallback = NewProject();
    EXPECT_TRUE(fallback->LoadSettings());
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(ReaderTest, FirstOccurrenceWinsAndKeysAreExact) {
    UseFixture("duplicate_keys.dat");
    auto project = NewProject();
    ASSERT_TRUE(project->LoadSettings());
    EXPECT_EQ(TextOf(project->Settings->WindowTitle), "first");
}

TEST_F(ReaderTest, ValuesAreReadLeniently) {
    UseFixture("lenient_values.dat");
    auto project = NewProject();
    ASSERT_TRUE(project->LoadSettings());
    const LaunchSettings& s = *project->Settings;
    ASSERT_TRUE(s.WindowTitle.has_value());
    EXPECT_EQ(*s.WindowTitle, "");
    EXPECT_EQ(s.LogoBitmapMaskColorR[0], 44);   // 300
    EXPECT_EQ(s.LogoBitmapMaskColorG[0], 255);  // -1
    EXPECT_EQ(s.LogoBitmapMaskColorB[0], 7);    // "  +7px"
    EXPECT_EQ(s.LogoBitmapLocation[0].x, INT_MAX);
    EXPECT_EQ(s.LogoBitmapLocation[0].y, INT_MIN);
    EXPECT_EQ(s.LogoAnnimationDelay, 40);  // "\t40ms"
    EXPECT_EQ(s.HotSpotTextColorR, 0);     // 256
    EXPECT_EQ(TextOf(s.HotSpotCommandDataA[0]), "a=b==c");
    EXPECT_EQ(s.HotSpotFontSize, -17);
}

TEST_F(ReaderTest, FontSizeIsHeldNegative) {
    UseFixture("font_size_negative.dat");
    auto project = NewProject();
    ASSERT_TRUE(project->LoadSettings());
    EXPECT_EQ(project->Settings->HotSpotFontSize, -12);
}

TEST_F(ReaderTest, OptionalKeysNeedNotBeThere) {
    UseFixture("no_items.dat");
    auto project = NewProject();
    ASSERT_TRUE(project->LoadSettings());
    EXPECT_EQ(project->Settings->LogoAnnimationDelay, 0);
    EXPECT_EQ(project->Settings->HotSpotFontSize, 0);

    UseFixture("logo_count_letter.dat");  // "x1" reads as 0 logos
    auto letter = NewProject();
    ASSERT_TRUE(letter->LoadSettings());
    EXPECT_EQ(letter->Settings->NumberOfLogosToDraw, 0);
    EXPECT_FALSE(letter->Settings->LogoBitmapName[0].has_value());
    EXPECT_EQ(letter->Settings->LogoAnnimationDelay, 0);
}

TEST_F(ReaderTest, ScrambledOddities) {
    UseFixture("scrambled_short_lines.dat");
    auto shortLines = NewProject();
    EXPECT_TRUE(shortLines->LoadSettings());

    // Decoded again, this file's plain encryption line begins with "[".
    UseFixture("scrambled_encryption_10001.dat");
    auto odd = NewProject();
    ASSERT_TRUE(odd->LoadSettings()) << ::testing::PrintToString(services.messages);
    EXPECT_EQ(odd->EncryptionType, 10001);
    EXPECT_EQ(TextOf(odd->Settings->HotSpotWaveFile), "h.wav");
}

TEST_F(ReaderTest, LoadingTwiceDoesNotReadAgain) {
    UseFixture("one_each.dat");
    auto project = NewProject();
    ASSERT_TRUE(project->LoadSettings());
    std::remove(folder.File("AppSetup.dat").c_str());
    EXPECT_TRUE(project->LoadSettings());
    EXPECT_EQ(TextOf(project->Settings->WindowTitle), "T");
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(ReaderTest, FileNameMatchesInAnyCase) {
    WriteBytes(folder.File("APPSETUP.DAT"), ReadBytes(FixturePath("full_plain.dat")));
    auto project = NewProject();
    ASSERT_TRUE(project->LoadSettings());
    ExpectFullRecord(*project);
}

TEST_F(ReaderTest, ClearSettingsEmptiesTheRecordOnly) {
    UseFixture("full_scrambled.dat");
    auto project = NewProject();
    ASSERT_TRUE(project->LoadSettings());
    project->ClearSettings();
    ExpectEmptyRecord(*project);
    EXPECT_EQ(project->EncryptionType, 1);
    EXPECT_EQ(project->SettingsVersion, 3);
    EXPECT_EQ(project->ProjectFolder, folder.Path());
    project->ClearSettings();  // harmless when already empty
    ExpectEmptyRecord(*project);
}

TEST_F(ReaderTest, ConstructorEndsTheFolderInASeparator) {
    CInstallerWnd bare("/some/folder");
    EXPECT_EQ(bare.ProjectFolder, "/some/folder/");
    EXPECT_EQ(bare.EncryptionType, 1);
    EXPECT_EQ(bare.SettingsVersion, 0);
    EXPECT_EQ(bare.SettingsLoaded, 0);
    CInstallerWnd ended("/some/folder/");
    EXPECT_EQ(ended.ProjectFolder, "/some/folder/");
}

}  // namespace
}  // namespace settings_test
