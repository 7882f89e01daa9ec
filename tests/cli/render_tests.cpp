// velomarforge-cli render as a user runs it: exit statuses, the messages on
// stderr, and the pixels of the PNG it writes.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "../support/project_sandbox.h"
#include "platform/headless/png_writer.h"
#include "platform/raster/surface.h"

namespace {

using platform::ColorRef;
using platform::Rgb;
using platform::raster::PixelOf;
using platform::raster::Surface;
using namespace sandbox;

constexpr ColorRef kBackground = Rgb(0x40, 0xa0, 0x60);
constexpr ColorRef kLogo = Rgb(200, 0, 0);
constexpr ColorRef kMask = Rgb(255, 0, 255);
constexpr ColorRef kText = Rgb(0, 0, 255);
constexpr ColorRef kHilite = Rgb(255, 255, 0);

// A 20 x 20 red 24-bit logo whose top-left pixel is the mask colour.
std::string LogoBmp() {
    std::string out = "BM";
    auto put = [&out](std::uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i) out += char(v >> (8 * i));
    };
    // Size, reserved, pixel offset, info size, width, height, planes | bits << 16, zeros.
    for (int v : {54 + 60 * 20, 0, 54, 40, 20, 20, 1 | 24 << 16, 0, 0, 0, 0, 0, 0}) put(v, 4);
    for (int y = 19; y >= 0; --y) {  // bottom-up rows of 60 bytes, so no padding
        for (int x = 0; x < 20; ++x) {
            const ColorRef c = (x == 0 && y == 0) ? kMask : kLogo;
            put(platform::BlueOf(c) | platform::GreenOf(c) << 8 | platform::RedOf(c) << 16, 3);
        }
    }
    return out;
}

// The project's keys after LogoBitmapName1: it slides the logo from (300, 300)
// to (10, 10) and has one link at (100, 200).
const char kProjectTail[] =
    "LogoBitmapLocationX1=10\nLogoBitmapLocationY1=10\nAnimateLogo1=1\n"
    "LogoBitmapAnimateLocationX1=300\nLogoBitmapAnimateLocationY1=300\nResizeLogo1=0\n"
    "LogoBitmapMaskColorR1=255\nLogoBitmapMaskColorG1=0\nLogoBitmapMaskColorB1=255\n"
    "LogoAnnimationDelay=10\nNumberOfHotSpots=1\nHotSpotText1=Open the menu link\n"
    "HotSpotTextLocationLeft1=100\nHotSpotTextLocationTop1=200\nHotSpotCommand1=QUIT\n"
    "HotSpotCommandDataA1=\nHotSpotCommandDataB1=\nHotSpotTextColorR=0\nHotSpotTextColorG=0\n"
    "HotSpotTextColorB=255\nHotSpotTextHiliteColorR=255\nHotSpotTextHiliteColorG=255\n"
    "HotSpotTextHiliteColorB=0\nHotSpotFontSize=20\nStartupWaveFile=res\\none.wav\n"
    "HotSpotWaveFile=res\\none.wav\n";

int CountIn(const Surface& s, ColorRef color, int left = 0, int top = 0, int right = 638,
            int bottom = 438) {
    int n = 0;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x) n += s.At(x, y) == PixelOf(color);
    return n;
}

class RenderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::filesystem::create_directories(project + "res");
        WriteBytes(project + "res/logo.bmp", LogoBmp());
        WriteProject();
    }

    void WriteProject(const std::string& background = "@@0000000140a060",
                      const std::string& logo = "res\\logo.bmp") {
        const std::string head = "[English]\nINIEncryptionType=0\nINIVersion=3\nWindowTitle=T\n";
        WriteBytes(project + "AppSetup.dat",
                   head + "BackGroundBitmapName=" + background +
                       "\nNumberOfLogosToDraw=1\nLogoBitmapName1=" + logo + "\n" + kProjectTail);
    }

    // Renders the project and reads the picture back.
    Surface Picture(std::vector<std::string> options) {
        const std::string png = scratch.File("picture.png");
        std::filesystem::remove(png);
        options.insert(options.begin(), {"render", project, png});
        EXPECT_EQ(RunCli(options), (CliRun{0, "", ""}));
        Surface s;
        EXPECT_TRUE(platform::ReadPng(png, &s));
        EXPECT_EQ(std::pair(s.width, s.height), std::pair(638, 438));
        return s;
    }

    TempFolder scratch;
    const std::string project = scratch.File("project/");
};

TEST_F(RenderTest, FailuresPrintTheMessageBoxText) {
    const std::string out = scratch.File("x.png"), unwritable = scratch.File("no/such/x.png");
    EXPECT_EQ(RunCli({"render", scratch.File("nowhere"), out}),
              (CliRun{1, "", "Failed to open the InstalledWnd.ini file!\n"}));
    WriteProject("@@00000000000000");
    EXPECT_EQ(RunCli({"render", project, out}),
              (CliRun{1, "", "Failed to load our background bitmap!\n"}));
    // The window shows no message box for a missing logo; the CLI still says why.
    WriteProject("@@0000000140a060", "res\\gone.bmp");
    EXPECT_EQ(RunCli({"render", project, out}),
              (CliRun{1, "", "Failed to load our LOGO bitmap res\\gone.bmp!\n"}));
    EXPECT_FALSE(std::filesystem::exists(out));
    WriteProject();
    EXPECT_EQ(RunCli({"render", project, unwritable}),
              (CliRun{1, "", "Failed to write the picture " + unwritable + "!\n"}));
}

// What each picture holds is the engine's (tests/engine); here each option
// reaches it: --still, --steps under the timer, --mouse over the link.
TEST_F(RenderTest, OptionsDriveTheShow) {
    Surface still = Picture({"--still"});
    EXPECT_EQ(still.At(10, 10), PixelOf(kBackground)) << "the mask colour is transparent";
    EXPECT_EQ(CountIn(still, kLogo, 10, 10, 30, 30), 399);
    EXPECT_EQ(CountIn(still, kHilite), 0);
    EXPECT_GT(CountIn(still, kText, 100, 200, 400, 240), 0);

    EXPECT_EQ(CountIn(Picture({}), kLogo), 0) << "an animated logo waits for the timer";
    // Step 1 sets the movement up; step n + 2 draws frame n. Frame 8 stands at
    // 300 - trunc(8 * 290 / 40) = 242 on both axes.
    EXPECT_EQ(CountIn(Picture({"--steps", "10"}), kLogo, 242, 242, 262, 262), 399);

    Surface over = Picture({"--still", "--mouse", "110,210"});
    EXPECT_GT(CountIn(over, kHilite, 100, 200, 400, 240), 20);
    EXPECT_EQ(CountIn(over, kText, 100, 200, 400, 240), 0);
}

// Names from the file reach a terminal with their control characters escaped;
// a pipe still gets the bytes as they are.
TEST_F(RenderTest, ControlCharactersInNamesAreEscapedOnATerminal) {
    const std::string name =
        "res\\\x1b]0;owned\x07\x9b"
        "2J.bmp";
    WriteProject("@@0000000140a060", name);
    const std::string out = scratch.File("x.png"), log = scratch.File("terminal.log");
    EXPECT_EQ(RunCli({"render", project, out}),
              (CliRun{1, "", "Failed to load our LOGO bitmap " + name + "!\n"}));

    // script gives the program a terminal and copies what it prints.
    const std::string command = "script -qec \"LC_ALL=C '" VELOMAR_BINARY_DIR
                                "/bin/velomarforge-cli' render '" +
                                project + "' '" + out + "'\" /dev/null > '" + log + "' 2>&1";
    std::system(command.c_str());
    const std::string shown = ReadBytes(log);
    EXPECT_NE(shown.find("Failed to load our LOGO bitmap res\\\\x1b]0;owned\\x07\\x9b2J.bmp!"),
              std::string::npos)
        << shown;
    EXPECT_EQ(shown.find_first_of("\x1b\x07\x9b"), std::string::npos) << shown;
}

}  // namespace
