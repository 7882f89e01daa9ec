// velomarforge-cli render, run as a user runs it: exit statuses, the messages on
// stderr, and the pixels of the PNG it writes.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/headless/png_writer.h"
#include "platform/raster/surface.h"

namespace fs = std::filesystem;
using platform::ColorRef;
using platform::Rgb;
using platform::raster::PixelOf;
using platform::raster::Surface;

namespace {

const std::string kCli = VELOMAR_BINARY_DIR "/bin/velomarforge-cli";

constexpr ColorRef kBackground = Rgb(0x40, 0xa0, 0x60);
constexpr ColorRef kLogo = Rgb(200, 0, 0);
constexpr ColorRef kMask = Rgb(255, 0, 255);
constexpr ColorRef kText = Rgb(0, 0, 255);
constexpr ColorRef kHilite = Rgb(255, 255, 0);

struct Outcome {
    int status = -1;
    std::string err;
};

// A 20 x 20 red logo whose top-left pixel is the mask colour.
void WriteLogo(const std::string& path) {
    const int w = 20, h = 20, row = (w * 3 + 3) & ~3;
    const std::uint32_t size = 54 + std::uint32_t(row * h);
    std::vector<std::uint8_t> file(size, 0);
    auto put32 = [&](std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) file[at + i] = std::uint8_t(v >> (8 * i));
    };
    file[0] = 'B';
    file[1] = 'M';
    put32(2, size);
    put32(10, 54);
    put32(14, 40);
    put32(18, w);
    put32(22, h);
    file[26] = 1;
    file[28] = 24;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            // Bottom-up rows: file row 0 is the picture's last row.
            const bool masked = (x == 0 && h - 1 - y == 0);
            const ColorRef c = masked ? kMask : kLogo;
            std::uint8_t* p = &file[54 + std::size_t(y * row + x * 3)];
            p[0] = platform::BlueOf(c);
            p[1] = platform::GreenOf(c);
            p[2] = platform::RedOf(c);
        }
    }
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(file.data()), size);
}

// One logo sliding from (300, 300) to (10, 10) and one link at (100, 200).
void WriteProject(const std::string& dir, const std::string& background,
                  const std::string& logoName = "res\\logo.bmp") {
    fs::create_directories(dir + "/res");
    WriteLogo(dir + "/res/logo.bmp");
    std::ofstream out(dir + "/AppSetup.dat");
    out << "[English]\nINIEncryptionType=0\nINIVersion=3\nWindowTitle=Render test\n"
        << "BackGroundBitmapName=" << background << "\n"
        << "NumberOfLogosToDraw=1\nLogoBitmapName1=" << logoName << "\n"
        << "LogoBitmapLocationX1=10\nLogoBitmapLocationY1=10\nAnimateLogo1=1\n"
        << "LogoBitmapAnimateLocationX1=300\nLogoBitmapAnimateLocationY1=300\nResizeLogo1=0\n"
        << "LogoBitmapMaskColorR1=255\nLogoBitmapMaskColorG1=0\nLogoBitmapMaskColorB1=255\n"
        << "LogoAnnimationDelay=10\n"
        << "NumberOfHotSpots=1\nHotSpotText1=Open the menu link\n"
        << "HotSpotTextLocationLeft1=100\nHotSpotTextLocationTop1=200\n"
        << "HotSpotCommand1=QUIT\nHotSpotCommandDataA1=\nHotSpotCommandDataB1=\n"
        << "HotSpotTextColorR=0\nHotSpotTextColorG=0\nHotSpotTextColorB=255\n"
        << "HotSpotTextHiliteColorR=255\nHotSpotTextHiliteColorG=255\n"
        << "HotSpotTextHiliteColorB=0\nHotSpotFontSize=20\n"
        << "StartupWaveFile=res\\none.wav\nHotSpotWaveFile=res\\none.wav\n";
}

int CountIn(const Surface& s, ColorRef color, int left, int top, int right, int bottom) {
    int n = 0;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x) n += s.At(x, y) == PixelOf(color);
    return n;
}

class RenderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(fs::exists(kCli)) << kCli << " is not built";
        char pattern[] = "/tmp/velomar-render-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        tmp = pattern;
        project = tmp + "/project";
        WriteProject(project, "@@0000000140a060");
    }
    void TearDown() override { fs::remove_all(tmp); }

    Outcome Render(const std::string& args) {
        Outcome run;
        const std::string errFile = tmp + "/stderr.txt";
        const std::string command = kCli + " render " + args + " 2>" + errFile + " >/dev/null";
        const int raw = std::system(command.c_str());
        run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        std::ifstream in(errFile);
        std::stringstream text;
        text << in.rdbuf();
        run.err = text.str();
        return run;
    }

    // Renders the project and reads the picture back.
    Surface Picture(const std::string& options, const std::string& name) {
        const std::string png = tmp + "/" + name + ".png";
        Outcome run = Render(project + " " + png + " " + options);
        EXPECT_EQ(run.status, 0) << run.err;
        Surface s;
        EXPECT_TRUE(platform::ReadPng(png, &s));
        EXPECT_EQ(s.width, 638);
        EXPECT_EQ(s.height, 438);
        return s;
    }

    std::string tmp;
    std::string project;
};

TEST_F(RenderTest, BadCommandLinesAreUsageErrors) {
    const std::string out = tmp + "/x.png";
    EXPECT_EQ(Render("").status, 2);
    EXPECT_EQ(Render(project).status, 2);
    EXPECT_EQ(Render(project + " " + out + " --mouse abc").status, 2);
    EXPECT_EQ(Render(project + " " + out + " --mouse 1,2,3").status, 2);
    EXPECT_EQ(Render(project + " " + out + " --mouse 1,").status, 2);
    EXPECT_EQ(Render(project + " " + out + " --steps -1").status, 2);
    EXPECT_EQ(Render(project + " " + out + " --steps many").status, 2);
    EXPECT_FALSE(fs::exists(out));
}

TEST_F(RenderTest, FailuresPrintTheMessageBoxText) {
    const std::string out = tmp + "/x.png";
    Outcome missing = Render(tmp + "/nowhere " + out);
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, "Failed to open the InstalledWnd.ini file!\n");

    WriteProject(project, "@@00000000000000");
    Outcome noColour = Render(project + " " + out);
    EXPECT_EQ(noColour.status, 1);
    EXPECT_EQ(noColour.err, "Failed to load our background bitmap!\n");

    // The window shows no message box for a missing logo; the CLI still says why.
    WriteProject(project, "@@0000000140a060", "res\\gone.bmp");
    Outcome noLogo = Render(project + " " + out);
    EXPECT_EQ(noLogo.status, 1);
    EXPECT_EQ(noLogo.err, "Failed to load our LOGO bitmap res\\gone.bmp!\n");
    EXPECT_FALSE(fs::exists(out));

    WriteProject(project, "@@0000000140a060");
    Outcome unwritable = Render(project + " " + tmp + "/no/such/folder/x.png");
    EXPECT_EQ(unwritable.status, 1);
    EXPECT_NE(unwritable.err.find("no/such/folder/x.png"), std::string::npos) << unwritable.err;
}

TEST_F(RenderTest, StillPictureHasEveryLogoInPlace) {
    Surface s = Picture("--still", "still");
    EXPECT_EQ(s.At(0, 0), PixelOf(kBackground));
    EXPECT_EQ(s.At(637, 437), PixelOf(kBackground));
    EXPECT_EQ(s.At(10, 10), PixelOf(kBackground)) << "the mask colour is transparent";
    EXPECT_EQ(CountIn(s, kLogo, 10, 10, 30, 30), 399);
    EXPECT_EQ(CountIn(s, kLogo, 0, 0, 638, 438), 399);
    EXPECT_GT(CountIn(s, kText, 100, 200, 400, 240), 0);
}

TEST_F(RenderTest, ShowSlidesTheLogoInUnderTheTimer) {
    Surface start = Picture("", "start");
    EXPECT_EQ(CountIn(start, kLogo, 0, 0, 638, 438), 0) << "an animated logo waits for the timer";
    EXPECT_GT(CountIn(start, kText, 100, 200, 400, 240), 0);

    // Step 1 sets the movement up; step n + 2 draws frame n. Frame 8 stands at
    // 300 - trunc(8 * 290 / 40) = 242 on both axes.
    Surface moving = Picture("--steps 10", "moving");
    EXPECT_EQ(CountIn(moving, kLogo, 242, 242, 262, 262), 399);
    EXPECT_EQ(CountIn(moving, kLogo, 0, 0, 638, 438), 399) << "earlier frames are erased";

    // Once the timer has stopped, more steps change nothing.
    Surface done = Picture("--steps 200", "done");
    Surface later = Picture("--steps 300", "later");
    EXPECT_EQ(CountIn(done, kLogo, 0, 0, 638, 438), 399);
    EXPECT_TRUE(done.pixels == later.pixels);
}

TEST_F(RenderTest, MouseOverLinkLightsItUp) {
    Surface plain = Picture("--still", "plain");
    Surface over = Picture("--still --mouse 110,210", "over");
    Surface away = Picture("--still --mouse 500,400", "away");
    EXPECT_EQ(CountIn(plain, kHilite, 0, 0, 638, 438), 0);
    EXPECT_GT(CountIn(over, kHilite, 100, 200, 400, 240), 20);
    EXPECT_EQ(CountIn(over, kText, 100, 200, 400, 240), 0);
    EXPECT_TRUE(away.pixels == plain.pixels) << "a move beside every link draws nothing";

    // The same over a running show.
    Surface shown = Picture("--mouse 110,210", "shown");
    EXPECT_GT(CountIn(shown, kHilite, 100, 200, 400, 240), 20);
}

}  // namespace
