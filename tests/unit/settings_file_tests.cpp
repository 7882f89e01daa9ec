// LoadSettings and SaveSettings on real folders. The fixtures come from
// fixtures/make_fixtures.py, whose codec is written apart from the engine's.
#include <gmock/gmock.h>

#include <climits>
#include <cstdio>
#include <utility>

#include "../support/ordinary_user.h"
#include "../support/project_sandbox.h"

namespace {

using namespace sandbox;

class SettingsFileTest : public ::testing::Test, protected ProjectSandbox {
  protected:
    std::unique_ptr<CInstallerWnd> Load(const std::string& fixture, bool loads = true) {
        WriteBytes(SettingsPath(), Fixture(fixture));
        auto project = NewProject();
        EXPECT_EQ(project->LoadSettings(), loads)
            << fixture << ::testing::PrintToString(services.messages);
        return project;
    }
};

std::string Unread(const char* key) {
    return std::string("Failed to read in ") + key + " value from INI file!\n";
}

void ExpectEmptyRecord(const CInstallerWnd& project) {
    const LaunchSettings& s = *project.Settings;
    EXPECT_EQ(project.SettingsLoaded, 0);
    EXPECT_FALSE(s.WindowTitle || s.LogoBitmapName[0] || s.HotSpotText[0] || s.HotSpotWaveFile ||
                 s.NumberOfLogosToDraw || s.NumberOfHotSpots);
}

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
    s.LogoBitmapMaskColorR[0] = s.LogoBitmapMaskColorB[0] = 255;
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

// The writer's side is pinned by RecordIsWrittenInTheCanonicalLayout, so equal
// bytes here mean every written field was read right.
TEST_F(SettingsFileTest, EveryStoredFormReadsAndIsWrittenBackUnchanged) {
    // scrambled_encryption_10001: decoded again, its plain encryption line begins with "[".
    const std::pair<std::string, int> cases[] = {
        {"full_plain", 0},        {"full_plain_lf", 0},      {"full_scrambled", 1},
        {"full_scrambled_lf", 1}, {"default_plain", 0},      {"default_scrambled", 1},
        {"autoplay_plain", 0},    {"autoplay_scrambled", 1}, {"scrambled_encryption_10001", 10001}};
    for (const auto& [fixture, encryption] : cases) {
        SCOPED_TRACE(fixture);
        auto project = Load(fixture + ".dat");
        EXPECT_EQ(project->EncryptionType, encryption);
        EXPECT_EQ(project->SettingsVersion, 3);
        if (fixture.rfind("full", 0) == 0) {  // what the written bytes cannot show
            const LaunchSettings& s = *project->Settings;
            EXPECT_EQ(s.HotSpotFontSize, -16);
            EXPECT_EQ(s.LogoBitmapAnimateLocation[1], (platform::Point{0, 0}));
            EXPECT_FALSE(s.LogoBitmapName[2].has_value());
            EXPECT_EQ(s.HotSpotCommandDataB[1], std::optional<std::string>(""));
        }
        ASSERT_TRUE(project->SaveSettings());
        // LF line ends are written back as CR LF.
        EXPECT_EQ(SettingsBytes(), Fixture(fixture.substr(0, fixture.find("_lf")) + ".dat"));
    }
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(SettingsFileTest, EachMissingOrRefusedKeyHasItsOwnMessage) {
    // The key a message names (null: no language section) and the fixtures that
    // give it: counts the record cannot hold or empty; headers that match only
    // nearly; a key past a later header, which ends the section.
    const std::pair<const char*, std::vector<const char*>> cases[] = {
        {"INI_ENCRYPTED", {"missing_encryption", "missing_encryption_scrambled"}},
        {"INI_VERSION", {"missing_version"}},
        {"'WINDOW_TITLE'", {"missing_title"}},
        {"'BACKGROUND_BMP_NAME'", {"missing_background"}},
        {"'NUM_LOGOS'",
         {"missing_logo_count", "logo_count_16", "logo_count_negative", "logo_count_huge",
          "logo_count_empty"}},
        {"LOGO_BMP_NAME", {"missing_logo_name"}}, {"LOGO_BMP_LOCATIONX", {"missing_logo_x"}},
        {"LOGO_BMP_LOCATIONY", {"missing_logo_y"}}, {"LOGO_BMP_ANIMATE", {"missing_logo_animate"}},
        {"LOGO_BMP_ANIMATE_LOCATIONX", {"missing_logo_animate_x"}},
        {"LOGO_BMP_ANIMATE_LOCATIONY", {"missing_logo_animate_y"}},
        {"LOGO_BMP_RESIZE", {"missing_logo_resize"}}, {"LOGO_BMP_MASK_R", {"missing_logo_mask_r"}},
        {"LOGO_BMP_MASK_G", {"missing_logo_mask_g"}}, {"LOGO_BMP_MASK_B", {"missing_logo_mask_b"}},
        {"LOGO_ANNIMATION_DELAY", {"missing_delay"}},
        {"'NUM_HOTSPOTS'",
         {"missing_hotspot_count", "hotspot_count_16", "hotspot_count_negative",
          "hotspot_count_huge"}},
        {"HOTSPOT_TEXT", {"missing_hotspot_text"}},
        {"HOTSPOT_TEXT_LOCATION_LEFT", {"missing_hotspot_left"}},
        {"HOTSPOT_TEXT_LOCATION_TOP", {"missing_hotspot_top"}},
        {"HOTSPOT_COMMAND", {"missing_hotspot_command"}},
        {"HOTSPOT_COMMAND_DATA1", {"missing_hotspot_data_a"}},
        {"HOTSPOT_COMMAND_DATA2", {"missing_hotspot_data_b"}},
        {"HOTSPOT_TEXT_COLOR_R", {"missing_text_r"}}, {"HOTSPOT_TEXT_COLOR_G", {"missing_text_g"}},
        {"HOTSPOT_TEXT_COLOR_B", {"missing_text_b"}}, {"HOTSPOT_FONT_SIZE", {"missing_font_size"}},
        {"HOTSPOT_TEXT_HILITE_COLOR_R", {"missing_hilite_r"}},
        {"HOTSPOT_TEXT_HILITE_COLOR_G", {"missing_hilite_g"}},
        {"HOTSPOT_TEXT_HILITE_COLOR_B", {"missing_hilite_b"}},
        {"STARTUP_WAVE_FILE", {"missing_startup_wave"}},
        {"HOTSPOT_WAVE_FILE", {"missing_hotspot_wave", "key_after_second_header"}},
        {nullptr, {"header_case", "header_trailing_blank", "full_german_only"}}};
    const std::string noSection = "Could not find correct Language section!\n";
    for (const auto& [key, fixtures] : cases)
        for (const char* fixture : fixtures) {
            SCOPED_TRACE(fixture);
            services.messages.clear();
            auto project = Load(fixture + std::string(".dat"), false);
            EXPECT_EQ(services.messages, Strings{key ? Unread(key) : noSection});
            ExpectEmptyRecord(*project);
        }
}

TEST_F(SettingsFileTest, FileAndLanguage) {
    // The system language's section, else "[English]".
    EXPECT_EQ(TextOf(Load("two_sections.dat")->Settings->WindowTitle), "T");
    system.SetLanguage("German");
    EXPECT_EQ(TextOf(Load("two_sections.dat")->Settings->WindowTitle), "Deutsch");
    EXPECT_EQ(TextOf(Load("full_german_only.dat")->Settings->WindowTitle), "Velomar Demo Disc");
    auto project = Load("one_each.dat");
    EXPECT_TRUE(services.messages.empty());

    project = NewProject();
    std::remove(SettingsPath().c_str());
    EXPECT_FALSE(project->LoadSettings());
    EXPECT_EQ(project->EncryptionType, 0);  // zeroed before the file is opened
    WriteBytes(SettingsPath(), Fixture("one_each.dat") + std::string(5u << 20, '\n'));
    EXPECT_FALSE(project->LoadSettings());  // too large to be a project
    std::remove(SettingsPath().c_str());
    ASSERT_EQ(::mkfifo(SettingsPath().c_str(), 0600), 0);
    EXPECT_FALSE(project->LoadSettings());  // refused at once, not waiting for a writer
    std::remove(SettingsPath().c_str());
    WriteBytes(SettingsPath(), Fixture("one_each.dat"));
    system.SetLanguage("");  // the language name cannot be had
    EXPECT_FALSE(project->LoadSettings());
    ExpectEmptyRecord(*project);
    EXPECT_FALSE(Load("full_scrambled.dat", false)->SaveSettings());
    EXPECT_EQ(SettingsBytes(), Fixture("full_scrambled.dat"));
    const std::string noFile = "Failed to open the InstalledWnd.ini file!\n";
    const std::string noLanguage = "GetLocaleInfo() Failed!\n";
    EXPECT_EQ(services.messages,
              (Strings{noFile, noFile, noFile, noLanguage, noLanguage, noLanguage}));
}

TEST_F(SettingsFileTest, ValuesAreReadLeniently) {
    EXPECT_EQ(TextOf(Load("duplicate_keys.dat")->Settings->WindowTitle), "first");
    EXPECT_EQ(Load("font_size_negative.dat")->Settings->HotSpotFontSize, -12);
    Load("scrambled_short_lines.dat");  // lines of one or two characters read as empty

    auto lenient = Load("lenient_values.dat");
    const LaunchSettings& s = *lenient->Settings;
    EXPECT_EQ(s.WindowTitle, std::optional<std::string>(""));
    EXPECT_EQ(s.LogoBitmapMaskColorR[0], 44);   // 300
    EXPECT_EQ(s.LogoBitmapMaskColorG[0], 255);  // -1
    EXPECT_EQ(s.LogoBitmapMaskColorB[0], 7);    // "  +7px"
    EXPECT_EQ(s.LogoBitmapLocation[0], (platform::Point{INT_MAX, INT_MIN}));
    EXPECT_EQ(s.LogoAnnimationDelay, 40);  // "\t40ms"
    EXPECT_EQ(s.HotSpotTextColorR, 0);     // 256
    EXPECT_EQ(TextOf(s.HotSpotCommandDataA[0]), "a=b==c");
    EXPECT_EQ(s.HotSpotFontSize, -17);
    EXPECT_EQ(s.AutoPlayIcon, std::optional<std::string>(""));  // and "AutoPlay=" is off

    // No logos ("x1" reads as 0) need no logo keys and no delay.
    for (const char* fixture : {"no_items.dat", "logo_count_letter.dat"}) {
        auto project = Load(fixture);
        EXPECT_EQ(project->Settings->NumberOfLogosToDraw, 0) << fixture;
        EXPECT_EQ(project->Settings->LogoAnnimationDelay, 0) << fixture;
    }
    EXPECT_TRUE(services.messages.empty());
}

// The default only where there is no project. Counts and font sizes beyond what fits are
// written as what reads back; every slot of the largest record, two-digit keys and all, too.
// The record of full_*.dat is written as those files hold it.
TEST_F(SettingsFileTest, RecordIsWrittenInTheCanonicalLayout) {
    auto project = NewProject();
    project->CreateDefaultSettings();  // a new window: EncryptionType 1
    EXPECT_EQ(SettingsBytes(), Fixture("default_scrambled.dat"));
    std::remove(SettingsPath().c_str());
    project->EncryptionType = 0;
    project->CreateDefaultSettings();
    EXPECT_EQ(SettingsBytes(), Fixture("default_plain.dat"));
    Load("full_plain.dat")->CreateDefaultSettings();
    EXPECT_EQ(SettingsBytes(), Fixture("full_plain.dat"));

    LaunchSettings& s = *project->Settings;
    FillLargestRecord(s);
    s.HotSpotFontSize = INT_MIN;  // |INT_MIN| does not fit
    s.NumberOfLogosToDraw = 20;
    ASSERT_TRUE(project->SaveSettings());
    const std::string bytes = SettingsBytes();
    for (std::string line : {"HotSpotFontSize=2147483647", "NumberOfLogosToDraw=15"})
        EXPECT_THAT("\r\n" + bytes, ::testing::HasSubstr("\r\n" + line + "\r\n"));
    auto read = NewProject();
    ASSERT_TRUE(read->LoadSettings());
    const LaunchSettings& r = *read->Settings;
    EXPECT_EQ(TextOf(r.LogoBitmapName[14]), "res\\logo number 15.bmp");
    EXPECT_EQ(r.LogoBitmapAnimateLocation[14], (platform::Point{-200, 260}));
    EXPECT_EQ(TextOf(r.HotSpotCommandDataA[14]), "setup\\component15.exe");
    ASSERT_TRUE(read->SaveSettings());
    EXPECT_EQ(SettingsBytes(), bytes);
    read->Settings->NumberOfHotSpots = -3;
    ASSERT_TRUE(read->SaveSettings());
    EXPECT_THAT(SettingsBytes(), ::testing::HasSubstr("\r\nNumberOfHotSpots=0\r\n"));

    for (auto [encryption, fixture] : {std::pair{0, "full_plain.dat"}, {1, "full_scrambled.dat"}}) {
        auto written = NewProject();
        FillFullRecord(*written->Settings);
        written->EncryptionType = encryption;
        ASSERT_TRUE(written->SaveSettings());
        EXPECT_EQ(written->SettingsVersion, 3);
        EXPECT_EQ(SettingsBytes(), Fixture(fixture)) << fixture;
    }
    EXPECT_FALSE(fs::exists(SettingsPath() + ".tmp"));
}

TEST_F(SettingsFileTest, FileNameInAnyCaseIsReadOnceAndReplacedInPlace) {
    WriteBytes(folder.File("appsetup.DAT"), Fixture("one_each.dat"));
    auto project = NewProject();
    project->ProjectFolder.pop_back();  // the file's path still gets a separator
    ASSERT_TRUE(project->LoadSettings());
    project->EncryptionType = 1;
    ASSERT_TRUE(project->SaveSettings());
    EXPECT_EQ(ReadBytes(folder.File("appsetup.DAT")).substr(0, 32),
              "[English]\r\nINIEncryptionType=1\r\n");
    EXPECT_FALSE(fs::exists(SettingsPath()));

    std::remove(folder.File("appsetup.DAT").c_str());
    EXPECT_TRUE(project->LoadSettings());  // not read again
    EXPECT_EQ(TextOf(project->Settings->WindowTitle), "T");
}

// Each lookup reads the section from its header: one trace per line without a
// '=' passed over, and the section ends at the next header.
TEST_F(SettingsFileTest, LookupsTraceEveryLinePassedOverUpToTheSectionEnd) {
    WriteBytes(SettingsPath(),
               "junk0\n[English]\njunk1\nINIEncryptionType=0\n\njunk2\nINIVersion=3\n"
               "[Other]\nWindowTitle=T\n");
    EXPECT_FALSE(NewProject()->LoadSettings());
    const std::string noEquals = "Failed to locate a '=' in the INI file!\n";
    EXPECT_EQ(services.traces, (Strings{noEquals, noEquals, noEquals, noEquals, noEquals,
                                        "Failed to locate our entry name in the INI file!\n"}));
    EXPECT_EQ(services.messages, (Strings{Unread("'WINDOW_TITLE'")}));
}

// What a user, or someone who planted entries in the project folder, left there
// before a save, which runs as an ordinary user. A save puts a new file in place
// with the old one's permission bits; a refused one leaves everything as it was.
TEST_F(SettingsFileTest, SavesNeverFollowRemoveOrOverrideWhatIsThere) {
    const struct {
        const char* name;
        mode_t old;  // the old file's permission bits; 0: a folder in its place
        bool saves;
    } cases[] = {
        {"a link at the old temporary name, unusual permission bits", 0604, true},
        {"a write-protected file", 0444, false},
        {"a folder in place of the file", 0, false},
    };
    const std::string kOld = Fixture("full_scrambled.dat");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder project, outside;
        OpenToOrdinaryUser(project.Path());
        OpenToOrdinaryUser(outside.Path());
        const std::string file = project.File("AppSetup.dat"), tmp = file + ".tmp";
        const std::string victim = outside.File("victim");
        const std::string result = AsOrdinaryUser([&] {
            if (c.old) {
                WriteBytes(file, kOld);
                ::chmod(file.c_str(), c.old);
                WriteBytes(victim, "victim");
                fs::create_symlink(victim, tmp);
            } else {
                fs::create_directories(file + "/inside");
            }
            const bool saved = CInstallerWnd(project.Path()).SaveSettings();
            std::string messages;
            for (const std::string& m : services.messages) messages += m;
            return std::string(saved ? "saved" : "refused") + ":" + messages;
        });
        ::chmod(project.Path().c_str(), 0777);  // the cleanup may need to enter it
        EXPECT_EQ(result, c.saves ? "saved:" : "refused:Failed to create the INI file!\n");
        if (c.old) {
            struct stat st {};
            ::lstat(file.c_str(), &st);
            EXPECT_EQ(st.st_mode, S_IFREG | c.old);
            EXPECT_EQ(ReadBytes(file) == kOld, !c.saves);
            EXPECT_EQ(ReadBytes(victim), "victim");
            EXPECT_TRUE(fs::is_symlink(tmp));
        } else {
            EXPECT_TRUE(fs::is_directory(file + "/inside"));
        }
        // Nothing of the save is left beside the file, whatever the outcome.
        for (const auto& e : fs::directory_iterator(project.Path()))
            EXPECT_TRUE(e.path().filename() == "AppSetup.dat" || e.path() == tmp) << e.path();
    }
}

}  // namespace
