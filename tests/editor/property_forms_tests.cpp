// The property dialogs' logic without widgets: what each form shows for a
// record (load), what OK writes back (store), and the messages that keep the
// dialog open with nothing stored.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "../support/project_sandbox.h"
#include "editor/dialogs/audio_form.h"
#include "editor/dialogs/background_form.h"
#include "editor/dialogs/hyperlink_form.h"
#include "editor/dialogs/logo_form.h"

namespace {

namespace fs = std::filesystem;
using namespace sandbox;
using Messages = std::vector<std::string>;

const std::string kInteger = "Please enter an integer.";
const std::string kCorrupt = "Corrupted project file!";

class Forms : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::create_directory(box.folder.File("res"));
        WriteBytes(box.folder.File("res/logo.bmp"), "in project");
        WriteBytes(outside.File("new.bmp"), "from outside");
        WriteBytes(outside.File("intro.wav"), "sound");
    }
    LaunchSettings& S() { return *project->Settings; }
    const Messages& Shown() const { return box.services.messages; }

    ProjectSandbox box;
    TempFolder outside;
    std::unique_ptr<CInstallerWnd> project = box.NewProject();
};

TEST_F(Forms, BackgroundFlagWordAndValue) {
    using F = BackgroundForm;
    const struct {
        bool dithered;
        int direction, end;
        unsigned flags;
    } cases[] = {{false, F::DitherHoriz, F::DitherToWhite, 0x01},
                 {true, F::DitherHoriz, F::DitherToWhite, 0x0b},
                 {true, F::DitherVert, F::DitherToWhite, 0x0d},
                 {true, F::DitherHoriz, F::DitherToBlack, 0x13},
                 {true, F::DitherVert, F::DitherToBlack, 0x15}};
    for (const auto& c : cases)
        EXPECT_EQ(BackgroundFlagWord(c.dithered, c.direction, c.end), c.flags) << c.flags;
    EXPECT_EQ(BackgroundColourValue(0x13, "0xFF0000"), "@@00000013FF0000");
}

TEST_F(Forms, BackgroundLoad) {
    const std::string logo = box.folder.File("res/logo.bmp");
    const struct {
        std::string stored;
        bool colourMode;
        std::string colour, bitmap;
        bool dithered;
        int direction, end;
    } cases[] = {
        {"@@0000000d0000ff", true, "0x0000ff", "", true, 1, 0},
        {"@@000000130000ff", true, "0x0000ff", "", true, 0, 1},
        {"@@00000001abCDef", true, "0xabCDef", "", false, 1, 1},
        {"@@00000000123456", true, "", "", false, 1, 1},  // no colour bit: no colour text
        {"@@0000000b12", true, "0x12", "", true, 0, 0},   // short: only what is there
        {"@@", true, "", "", false, 1, 1},
        {"res\\logo.bmp", false, "", logo, false, 1, 1},
        {"", false, "", "", false, 1, 1},
    };
    for (const auto& c : cases) {
        S().BackGroundBitmapName = c.stored;
        BackgroundForm form;
        form.Load(*project);
        EXPECT_EQ(form.colourMode, c.colourMode) << c.stored;
        EXPECT_EQ(form.colourText, c.colour) << c.stored;
        EXPECT_EQ(form.bitmapPath, c.bitmap) << c.stored;
        EXPECT_EQ(form.dithered, c.dithered) << c.stored;
        EXPECT_EQ(form.direction, c.direction) << c.stored;
        EXPECT_EQ(form.endColour, c.end) << c.stored;
        EXPECT_EQ(form.DitherChoicesEnabled(), c.dithered) << c.stored;
        EXPECT_EQ(form.BitmapEnabled(), !c.colourMode) << c.stored;
    }
}

TEST_F(Forms, BackgroundStore) {
    const std::string failed =
        "Failed to access the specified bitmap file.\nPlease select another.";
    auto colour = [](std::string text, bool dithered, int direction, int end) {
        BackgroundForm f;
        f.colourMode = true;
        f.colourText = std::move(text);
        f.dithered = dithered;
        f.direction = direction;
        f.endColour = end;
        return f;
    };
    auto bitmap = [](std::string path) {
        BackgroundForm f;
        f.bitmapPath = std::move(path);
        return f;
    };
    const struct {
        BackgroundForm form;
        std::string stored;  // "" : refused, the old value stays
        Messages messages;
    } cases[] = {
        {colour("0x0000ff", true, 1, 0), "@@0000000d0000ff", {}},
        {colour("0xFF0000", false, 0, 0), "@@00000001FF0000", {}},
        {colour("0xzz0000", true, 0, 1), "@@00000013zz0000", {}},
        {colour("0X00FF00", false, 0, 0), "", {"Color must be in the format: 0xRRGGBB"}},
        {colour("", false, 0, 0), "", {"Color must be in the format: 0xRRGGBB"}},
        {bitmap(box.folder.File("res/logo.bmp")), "res\\logo.bmp", {}},
        {bitmap(outside.File("new.bmp")), "res\\new.bmp", {}},
        {bitmap(""), "", {"Failed to open the specified file:\n", failed}},
    };
    for (const auto& c : cases) {
        S().BackGroundBitmapName = "old";
        box.services.messages.clear();
        EXPECT_EQ(c.form.Store(*project), !c.stored.empty()) << c.stored;
        EXPECT_EQ(TextOf(S().BackGroundBitmapName), c.stored.empty() ? "old" : c.stored);
        EXPECT_EQ(Shown(), c.messages) << c.stored;
    }
    EXPECT_EQ(ReadBytes(box.folder.File("res/new.bmp")), "from outside");
}

TEST_F(Forms, AudioStoresBothOrNothing) {
    S().StartupWaveFile = "res\\old.wav";
    S().HotSpotWaveFile = "res\\hover.wav";
    AudioForm form;
    form.Load(*project);
    EXPECT_EQ(form.introWave, "res\\old.wav");
    EXPECT_EQ(form.hoverWave, "res\\hover.wav");

    form.introWave = outside.File("intro.wav");
    form.hoverWave = "/no/such/hover.wav";
    EXPECT_FALSE(form.Store(*project));
    EXPECT_EQ(Shown(), (Messages{"Failed to open the specified file:\n/no/such/hover.wav",
                                 "Failed to access the specified Hyperlink wav file.\nPlease "
                                 "select another."}));
    EXPECT_EQ(TextOf(S().StartupWaveFile), "res\\old.wav");

    box.services.messages.clear();
    form.hoverWave = "";
    form.introWave = "C:/music/intro.wav";
    EXPECT_FALSE(form.Store(*project));
    EXPECT_EQ(Shown().back(),
              "Failed to access the specified Intro wav file.\nPlease select another.");

    form.introWave = outside.File("intro.wav");
    EXPECT_TRUE(form.Store(*project));
    EXPECT_EQ(TextOf(S().StartupWaveFile), "res\\intro.wav");
    EXPECT_EQ(TextOf(S().HotSpotWaveFile), "");  // a cleared field removes the sound
    EXPECT_EQ(ReadBytes(box.folder.File("res/intro.wav")), "sound");
}

TEST_F(Forms, LogoLoad) {
    S().LogoBitmapName[0] = "res\\logo.bmp";
    S().LogoBitmapLocation[0] = {10, 20};
    S().LogoBitmapMaskColorR[0] = 0;
    S().LogoBitmapMaskColorG[0] = 255;
    S().AnimateLogo[0] = 1;
    S().LogoBitmapAnimateLocation[0] = {-100, 300};
    S().ResizeLogo[0] = 1;
    S().LogoBitmapName[1] = "";  // a new logo
    S().LogoBitmapMaskColorR[1] = 255;
    S().LogoBitmapAnimateLocation[1] = {7, 7};
    S().ResizeLogo[1] = 1;
    S().LogoAnnimationDelay = 25;

    LogoForm animated, still;
    ASSERT_TRUE(animated.Load(*project, 0));
    ASSERT_TRUE(still.Load(*project, 1));
    const struct {
        const LogoForm& form;
        std::string path, x, mask, startX;
        bool animate, scale;
    } cases[] = {{animated, box.folder.File("res/logo.bmp"), "10", "0x00ff00", "-100", true, true},
                 {still, "", "0", "0xff0000", "0", false, false}};
    for (const auto& c : cases) {
        EXPECT_EQ(c.form.bitmapPath, c.path);
        EXPECT_EQ(c.form.x, c.x);
        EXPECT_EQ(c.form.maskColour, c.mask);
        EXPECT_EQ(c.form.startX, c.startX);
        EXPECT_EQ(c.form.animate, c.animate);
        EXPECT_EQ(c.form.AnimationEnabled(), c.animate);
        EXPECT_EQ(c.form.scale, c.scale);
        EXPECT_EQ(c.form.delay, "25");  // the shared delay, animated or not
    }

    // The hidden "Scale Bitmap / Logo" passes ResizeLogo through unchanged.
    ASSERT_TRUE(animated.Store(*project, 0));
    EXPECT_EQ(S().ResizeLogo[0], 1);
    EXPECT_EQ(TextOf(S().LogoBitmapName[0]), "res\\logo.bmp");

    LogoForm corrupt;
    EXPECT_FALSE(corrupt.Load(*project, 2));  // no name entry at all
    EXPECT_FALSE(corrupt.Load(*project, MAX_LOGOS));
    EXPECT_EQ(Shown(), (Messages{kCorrupt, kCorrupt}));
}

TEST_F(Forms, LogoStore) {
    const std::string cannotOpen =
        "Failed to open the specified Bitmap / Logo  file.\n\nPlease verify the file exists and is "
        "not in use by another application.";
    LogoForm base;
    base.bitmapPath = box.folder.File("res/logo.bmp");
    base.x = "12";
    base.y = " -3 ";
    base.maskColour = "0x00ff00";
    base.startX = "640";
    base.startY = "26";
    base.delay = "40";
    auto with = [&](auto change) {
        LogoForm f = base;
        change(f);
        return f;
    };
    const struct {
        LogoForm form;
        std::string name;  // "": refused, nothing stored
        Messages messages;
        int delayAfter;
    } cases[] = {
        {base, "res\\logo.bmp", {}, 15},  // a still logo leaves the shared delay alone
        {with([](LogoForm& f) { f.animate = true; }), "res\\logo.bmp", {}, 40},
        {with([](LogoForm& f) { f.bitmapPath = "RES\\LOGO.BMP"; }), "res\\LOGO.BMP", {}, 15},
        {with([&](LogoForm& f) { f.bitmapPath = outside.File("new.bmp"); }),
         "res\\new.bmp",
         {},
         15},
        {with([](LogoForm& f) { f.x = "12px"; }), "", {kInteger}, 15},
        {with([](LogoForm& f) { f.delay = "", f.animate = true; }), "", {kInteger}, 15},
        {with([](LogoForm& f) { f.startY = "99999999999"; }), "", {kInteger}, 15},
        {with([](LogoForm& f) { f.bitmapPath = ""; }), "", {cannotOpen}, 15},
        {with([&](LogoForm& f) { f.bitmapPath = box.folder.Path(); }), "", {cannotOpen}, 15},
    };
    for (const auto& c : cases) {
        S().LogoBitmapName[3] = "res\\before.bmp";
        S().LogoBitmapLocation[3] = {1, 1};
        S().LogoAnnimationDelay = 15;
        box.services.messages.clear();
        const bool ok = !c.name.empty();
        EXPECT_EQ(c.form.Store(*project, 3), ok) << c.form.bitmapPath << " " << c.form.x;
        EXPECT_EQ(Shown(), c.messages) << c.form.bitmapPath;
        EXPECT_EQ(S().LogoAnnimationDelay, c.delayAfter) << c.form.bitmapPath;
        EXPECT_EQ(TextOf(S().LogoBitmapName[3]), ok ? c.name : "res\\before.bmp");
        if (!ok) {
            EXPECT_EQ(S().LogoBitmapLocation[3], (platform::Point{1, 1}));
            continue;
        }
        EXPECT_EQ(S().LogoBitmapLocation[3], (platform::Point{12, -3}));
        EXPECT_EQ(S().LogoBitmapMaskColorG[3], 255);
        EXPECT_EQ(S().LogoBitmapMaskColorR[3], 0);
        EXPECT_EQ(S().LogoBitmapAnimateLocation[3], (platform::Point{640, 26}));
        EXPECT_EQ(S().AnimateLogo[3], c.form.animate ? 1 : 0);
    }
    EXPECT_EQ(ReadBytes(box.folder.File("res/new.bmp")), "from outside");
}

TEST_F(Forms, WebAddresses) {
    const struct {
        const char* text;
        bool web;
    } cases[] = {{"http://x", true},  {"HTTP:\\\\x", true}, {"ftp://x", true},
                 {"Ftp:\\\\x", true}, {"WwW.x", true},      {"https://x", false},
                 {"http:/x", false},  {"www", false},       {"C:\\Setup", false},
                 {"", false},         {" www.x", false}};
    for (const auto& c : cases) EXPECT_EQ(IsWebAddress(c.text), c.web) << c.text;
}

TEST_F(Forms, LinkCommandOfEachActionAndPathKind) {
    using A = LinkAction;
    const struct {
        A action;
        const char* relative;
        const char* absolute;
    } cases[] = {{A::RunProgram, "RUN", "RUNABSOLUTE"},
                 {A::OpenFolder, "OPEN", "OPENABSOLUTE"},
                 {A::BrowseCd, "OPEN", "OPEN"},
                 {A::WebSite, "OPENABSOLUTE", "OPENABSOLUTE"},
                 {A::Quit, "QUIT", "QUIT"},
                 {A::None, "QUIT", "QUIT"}};
    for (const auto& c : cases) {
        EXPECT_STREQ(LinkCommand(c.action, false), c.relative);
        EXPECT_STREQ(LinkCommand(c.action, true), c.absolute);
    }
}

TEST_F(Forms, LinkActionsSetTheControls) {
    using A = LinkAction;
    const struct {
        A action;
        bool pathKind, editA, editB, absolute;
        std::string captionA, captionB, dataA;
        LinkBrowse browse;
    } cases[] = {
        {A::BrowseCd, false, false, false, false, "", "", "", LinkBrowse::None},
        {A::OpenFolder, true, true, false, false, "Name / Path to the folder:", "", "",
         LinkBrowse::Folder},
        {A::WebSite, false, true, false, true, "WEB Address:", "", DEFAULT_WEB_ADDRESS,
         LinkBrowse::None},
        {A::RunProgram, true, true, true, false, "Executable name / path",
         "Optional cmd line params", "", LinkBrowse::File},
        {A::Quit, false, false, false, false, "", "", "", LinkBrowse::None},
    };
    for (const auto& c : cases) {
        HyperlinkForm form;
        form.dataA = "typed before";
        form.dataB = "params";
        form.browseEnabled = true;
        form.ClickAction(c.action);
        EXPECT_EQ(form.pathKindEnabled, c.pathKind) << c.captionA;
        EXPECT_EQ(form.dataAEnabled, c.editA) << c.captionA;
        EXPECT_EQ(form.dataBEnabled, c.editB) << c.captionA;
        EXPECT_EQ(form.absolute, c.absolute) << c.captionA;
        EXPECT_FALSE(form.browseEnabled) << c.captionA;
        EXPECT_EQ(form.dataACaption, c.captionA);
        EXPECT_EQ(form.dataBCaption, c.captionB);
        EXPECT_EQ(form.dataA, c.dataA) << c.captionA;
        EXPECT_EQ(form.dataB, "") << c.captionA;
        EXPECT_EQ(form.Browse(), c.browse) << c.captionA;
    }
    HyperlinkForm form;
    form.ClickAction(A::RunProgram);
    form.ClickPathKind(true);
    EXPECT_TRUE(form.browseEnabled && form.absolute);
    form.ClickPathKind(false);
    EXPECT_FALSE(form.browseEnabled || form.absolute);
}

TEST_F(Forms, LinkLoad) {
    using A = LinkAction;
    S().HotSpotTextColorR = 255;
    S().HotSpotTextHiliteColorB = 0x10;
    const struct {
        const char* command;
        std::string dataA;
        A action;
        bool absolute, browse;
        std::string shownA, shownB;
    } cases[] = {
        {"RUN", "setup.exe", A::RunProgram, false, false, "setup.exe", "/q"},
        {"RUNABSOLUTE", "C:\\x.exe", A::RunProgram, true, true, "C:\\x.exe", "/q"},
        {"OPEN", "", A::BrowseCd, false, false, "", "/q"},
        {"OPEN", "docs", A::OpenFolder, false, false, "docs", "/q"},
        {"OPENABSOLUTE", "wWw.example.org", A::WebSite, true, false, "wWw.example.org", "/q"},
        {"OPENABSOLUTE", "C:\\Setup", A::OpenFolder, true, true, "C:\\Setup", "/q"},
        {"QUIT", "left over", A::Quit, false, false, "", ""},
    };
    for (const auto& c : cases) {
        S().HotSpotCommand[2] = c.command;
        S().HotSpotCommandDataA[2] = c.dataA;
        S().HotSpotCommandDataB[2] = "/q";
        S().HotSpotText[2] = "Install";
        S().HotSpotRect[2] = {5, 6, 0, 0};
        HyperlinkForm form;
        ASSERT_TRUE(form.Load(*project, 2)) << c.command;
        EXPECT_EQ(form.action, c.action) << c.command << c.dataA;
        EXPECT_EQ(form.absolute, c.absolute) << c.command << c.dataA;
        EXPECT_EQ(form.browseEnabled, c.browse) << c.command << c.dataA;
        EXPECT_EQ(form.dataA, c.shownA) << c.command;
        EXPECT_EQ(form.dataB, c.shownB) << c.command;
        EXPECT_EQ(form.label, "Install");
        EXPECT_EQ(form.x + "," + form.y, "5,6");
        EXPECT_EQ(form.textColour, "0xff0000");
        EXPECT_EQ(form.hiliteColour, "0x000010");
    }

    const struct {
        std::int32_t stored;
        std::string shown;
    } sizes[] = {{0, "20"}, {-24, "24"}, {24, "24"}, {INT32_MIN, "2147483648"}};
    S().HotSpotCommand[0] = "QUIT";
    for (const auto& s : sizes) {
        S().HotSpotFontSize = s.stored;
        HyperlinkForm form;
        ASSERT_TRUE(form.Load(*project, 0));
        EXPECT_EQ(form.fontSize, s.shown) << s.stored;
    }

    S().HotSpotCommand[1] = "run";  // keywords are exact
    HyperlinkForm form;
    EXPECT_FALSE(form.Load(*project, 1));
    EXPECT_FALSE(form.Load(*project, 3));  // no command entry
    EXPECT_EQ(Shown(), (Messages{kCorrupt, kCorrupt}));
}

TEST_F(Forms, LinkStore) {
    HyperlinkForm base;
    base.ClickAction(LinkAction::RunProgram);
    base.dataA = "setup.exe";
    base.dataB = "/quiet";
    base.label = "Install";
    base.x = "40";
    base.y = "100";
    base.textColour = "0xffffff";
    base.hiliteColour = "zz00ff00";  // read from position 2 without a check
    base.fontSize = "16";
    auto with = [&](auto change) {
        HyperlinkForm f = base;
        change(f);
        return f;
    };
    const std::string runEmpty =
        "Please enter a program to run or file to open in the 'Executable name / path' edit cell.";
    const std::string oneLine =
        "A hyperlink's label, path and parameters must each be one line of text.";
    const struct {
        HyperlinkForm form;
        Messages messages;
        std::string command, dataA, dataB;
        std::int32_t fontSize;
    } cases[] = {
        {base, {}, "RUN", "setup.exe", "/quiet", -16},
        {with([](HyperlinkForm& f) { f.ClickPathKind(true); }),
         {},
         "RUNABSOLUTE",
         "setup.exe",
         "/quiet",
         -16},
        {with([](HyperlinkForm& f) {
             f.ClickAction(LinkAction::Quit);
             f.dataA = "x";
         }),
         {},
         "QUIT",
         "",
         "",
         -16},
        {with([](HyperlinkForm& f) { f.ClickAction(LinkAction::OpenFolder); }),
         {},
         "OPEN",
         "",
         "",
         -16},
        {with([](HyperlinkForm& f) { f.ClickAction(LinkAction::WebSite); }),
         {},
         "OPENABSOLUTE",
         DEFAULT_WEB_ADDRESS,
         "",
         -16},
        {with([](HyperlinkForm& f) { f.fontSize = "-24"; }), {}, "RUN", "setup.exe", "/quiet", -24},
        {with([](HyperlinkForm& f) { f.fontSize = "0"; }), {}, "RUN", "setup.exe", "/quiet", 0},
        {with([](HyperlinkForm& f) { f.dataA = ""; }), {runEmpty}, "", "", "", 0},
        {with([](HyperlinkForm& f) {
             f.ClickPathKind(true);
             f.dataA = "";
         }),
         {runEmpty},
         "",
         "",
         "",
         0},
        {with([](HyperlinkForm& f) { f.fontSize = "big"; }), {kInteger}, "", "", "", 0},
        {with([](HyperlinkForm& f) { f.y = "1.5"; }), {kInteger}, "", "", "", 0},
        {with([](HyperlinkForm& f) { f.label = "two\nlines"; }), {oneLine}, "", "", "", 0},
        {with([](HyperlinkForm& f) { f.dataA = "a.exe\r"; }), {oneLine}, "", "", "", 0},
        {with([](HyperlinkForm& f) { f.dataB = "/a\n/b"; }), {oneLine}, "", "", "", 0},
    };
    for (const auto& c : cases) {
        S().HotSpotCommand[4] = "OPEN";
        S().HotSpotCommandDataA[4] = "old";
        S().HotSpotCommandDataB[4] = "old";
        S().HotSpotText[4] = "old";
        S().HotSpotTextColorR = 1;
        S().HotSpotFontSize = -9;
        box.services.messages.clear();
        const bool ok = c.form.Store(*project, 4);
        EXPECT_EQ(ok, c.command != "") << c.form.label << c.form.dataA;
        EXPECT_EQ(Shown(), c.messages) << c.form.label << c.form.dataA;
        if (!ok) {
            EXPECT_EQ(TextOf(S().HotSpotCommand[4]) + TextOf(S().HotSpotText[4]), "OPENold");
            EXPECT_EQ(S().HotSpotFontSize, -9);
            EXPECT_EQ(S().HotSpotTextColorR, 1);
            continue;
        }
        EXPECT_EQ(TextOf(S().HotSpotCommand[4]), c.command);
        EXPECT_EQ(TextOf(S().HotSpotCommandDataA[4]), c.dataA) << c.command;
        EXPECT_EQ(TextOf(S().HotSpotCommandDataB[4]), c.dataB) << c.command;
        EXPECT_EQ(TextOf(S().HotSpotText[4]), "Install");
        EXPECT_EQ(S().HotSpotRect[4].left, 40);
        EXPECT_EQ(S().HotSpotRect[4].top, 100);
        EXPECT_EQ(S().HotSpotTextColorR, 255);
        EXPECT_EQ(S().HotSpotTextHiliteColorG, 255);
        EXPECT_EQ(S().HotSpotTextHiliteColorR, 0);
        EXPECT_EQ(S().HotSpotFontSize, c.fontSize);
    }
}

}  // namespace
