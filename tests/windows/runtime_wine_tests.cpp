// Velomar.exe (the x86_64 build of the same code) under wine64 on Xvfb: what a
// user sees and does with a real window.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <memory>
#include <nlohmann/json.hpp>

#include "png_file.h"
#include "process.h"
#include "wine_session.h"
#include "x_screen.h"

namespace {

using platform::Rect;
using wintest::WineSession;

// On a 1024 x 768 screen the 640 x 440 window is centred; its client area
// lies inside a one-pixel border.
const Rect kWindow{192, 164, 832, 604};
const Rect kClient{193, 165, 831, 603};

// Away from text the two drawing stacks agree to the pixel today; one level per
// channel, on at most one pixel in a thousand, leaves room for rounding.
constexpr int kChannelTolerance = 1;

std::string RuntimeExe() { return wintest::WindowsBuildDir() + "/launcher/win32/Velomar.exe"; }
std::string ProbeExe() {
    return wintest::WindowsBuildDir() + "/tests/windows/win32/velomar_wine_probe.exe";
}

std::string FromHex(const std::string& hex) {
    std::string text;
    for (std::size_t i = 0; i + 1 < hex.size() && hex[i] != '\n'; i += 2)
        text += char(std::strtol(hex.substr(i, 2).c_str(), nullptr, 16));
    return text;
}

int CountColour(const scenes::Picture& p, std::uint32_t colour) {
    int n = 0;
    for (std::uint32_t px : p.pixels) n += px == colour;
    return n;
}

class WineRuntime : public ::testing::Test {
  protected:
    void SetUp() override {
        session_ = &WineSession::Get();
        ASSERT_TRUE(session_->ok()) << session_->error();
        screen_ = std::make_unique<wintest::XScreen>(session_->display());
        ASSERT_TRUE(screen_->ok());
    }
    void TearDown() override {
        if (runtime_ > 0 && !wintest::WaitExit(runtime_, 0)) wintest::Kill(runtime_);
    }

    void StartRuntime(const std::string& folder) {
        runtime_ = wintest::Start(session_->Program(RuntimeExe(), {}, folder));
        ASSERT_GT(runtime_, 0);
    }

    // Runs the probe in the session; its stdout, or "" when it failed.
    std::string Probe(const std::vector<std::string>& args, int* code) {
        std::string out;
        if (!wintest::RunCapture(session_->Program(ProbeExe(), args, ""), 60000, &out, code))
            *code = -1;
        return out;
    }

    // Waits until two grabs a second apart are equal: the animation is over.
    bool GrabSettled(const Rect& rect, scenes::Picture* picture) {
        scenes::Picture last;
        for (int i = 0; i < 30; ++i) {
            usleep(1000000);
            if (!screen_->Grab(rect, picture)) return false;
            if (i > 0 && picture->pixels == last.pixels) return true;
            last = *picture;
        }
        return false;
    }

    WineSession* session_ = nullptr;
    std::unique_ptr<wintest::XScreen> screen_;
    pid_t runtime_ = -1;
};

// The parts of the client area where hotspot texts stand: fonts differ between
// Windows (here Wine's) and the portable raster, so text is not compared.
std::vector<Rect> TextBands(const std::string& folder) {
    std::string out;
    int code = -1;
    EXPECT_TRUE(
        wintest::RunCapture(wintest::Launch{{VELOMAR_CLI, "show", folder}}, 60000, &out, &code) &&
        code == 0)
        << "velomarforge-cli show " << folder;
    std::vector<Rect> bands;
    nlohmann::json project = nlohmann::json::parse(out, nullptr, false);
    if (project.is_discarded()) return bands;
    int height = std::abs(project.value("HotSpotFontSize", 0));
    for (const auto& spot : project["HotSpots"]) {
        int left = spot.value("HotSpotTextLocationLeft", 0);
        int top = spot.value("HotSpotTextLocationTop", 0);
        bands.push_back(Rect{left - 4, top - 4, 638, top + 2 * height + 4});
    }
    return bands;
}

TEST_F(WineRuntime, SampleProjectLooksAsTheHeadlessRenderDrawsIt) {
    const std::string sample = wintest::SourceDir() + "/examples/sample";
    StartRuntime(sample);

    Rect window;
    ASSERT_TRUE(screen_->WaitForWindow("Installer Window", 30000, &window));
    EXPECT_EQ(window, kWindow) << "centred on the 1024 x 768 screen";

    // A pop-up with a thin border and a system menu, no caption.
    int code = -1;
    std::string style = Probe({"window", "Installer Window"}, &code);
    ASSERT_EQ(code, 0);
    unsigned long bits = std::strtoul(style.c_str(), nullptr, 16);
    EXPECT_EQ(bits & 0x90880000ul, 0x90880000ul) << style;
    EXPECT_EQ(bits & 0x00400000ul, 0ul) << "no dialog frame, so no caption: " << style;

    scenes::Picture shown;
    ASSERT_TRUE(GrabSettled(kClient, &shown));

    // The headless render after the whole animation: the same steps the
    // runtime's timer took, and more.
    std::string png = wintest::ScratchDir("sample_render") + "/render.png";
    std::string out;
    ASSERT_TRUE(wintest::RunCapture(
        wintest::Launch{{VELOMAR_CLI, "render", sample, png, "--steps", "2000"}}, 120000, &out,
        &code));
    ASSERT_EQ(code, 0) << "velomarforge-cli render";
    scenes::Picture rendered;
    ASSERT_TRUE(wintest::ReadPng(png, &rendered));
    ASSERT_EQ(rendered.width, shown.width);
    ASSERT_EQ(rendered.height, shown.height);

    std::vector<Rect> text = TextBands(sample);
    ASSERT_FALSE(text.empty());
    int compared = 0, differing = 0, worst = 0;
    for (int y = 0; y < shown.height; ++y)
        for (int x = 0; x < shown.width; ++x) {
            bool inText = false;
            for (const Rect& band : text) inText = inText || band.Contains({x, y});
            if (inText) continue;
            ++compared;
            std::uint32_t a = shown.pixels[std::size_t(y) * shown.width + x];
            std::uint32_t b = rendered.pixels[std::size_t(y) * shown.width + x];
            int largest = 0;
            for (int shift = 0; shift < 24; shift += 8)
                largest = std::max(largest,
                                   std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)));
            worst = std::max(worst, largest);
            differing += largest > kChannelTolerance;
        }
    std::cout << compared << " pixels compared, " << differing << " beyond tolerance, largest "
              << worst << "\n";
    EXPECT_GT(compared, shown.width * shown.height / 2);
    EXPECT_LE(differing, compared / 1000);
}

TEST_F(WineRuntime, FolderWithoutSettingsShowsTheReadersMessageAndEndsWithoutAWindow) {
    StartRuntime(wintest::ScratchDir("no_settings"));

    Rect box;
    ASSERT_TRUE(screen_->WaitForWindow("Velomar", 30000, &box)) << "no message box";
    Rect window;
    EXPECT_FALSE(screen_->FindWindow("Installer Window", &window));

    // Read the box's text and press its OK button, as a user would.
    int code = -1;
    std::string hex = Probe({"msgbox", "Velomar", "10000"}, &code);
    ASSERT_EQ(code, 0);
    EXPECT_EQ(FromHex(hex), "Failed to open the InstalledWnd.ini file!\n");

    EXPECT_TRUE(wintest::WaitExit(runtime_, 15000)) << "still running after the message";
    EXPECT_FALSE(screen_->FindWindow("Installer Window", &window));
    EXPECT_FALSE(screen_->FindWindow("Velomar", &box));
}

// A project of our own: a colour background and two links, the second "QUIT".
std::string QuitProject() {
    std::string folder = wintest::ScratchDir("quit_project");
    std::ofstream file(folder + "/AppSetup.dat", std::ios::binary);
    const char* lines[] = {"[English]",
                           "INIEncryptionType=0",
                           "INIVersion=3",
                           "WindowTitle=Quit test",
                           "BackGroundBitmapName=@@00000013204060",
                           "NumberOfLogosToDraw=0",
                           "NumberOfHotSpots=2",
                           "HotSpotText1=Documents",
                           "HotSpotTextLocationLeft1=40",
                           "HotSpotTextLocationTop1=60",
                           "HotSpotCommand1=OPEN",
                           "HotSpotCommandDataA1=",
                           "HotSpotCommandDataB1=",
                           "HotSpotText2=QUIT",
                           "HotSpotTextLocationLeft2=40",
                           "HotSpotTextLocationTop2=200",
                           "HotSpotCommand2=QUIT",
                           "HotSpotCommandDataA2=",
                           "HotSpotCommandDataB2=",
                           "HotSpotTextColorR=255",
                           "HotSpotTextColorG=255",
                           "HotSpotTextColorB=255",
                           "HotSpotTextHiliteColorR=255",
                           "HotSpotTextHiliteColorG=200",
                           "HotSpotTextHiliteColorB=0",
                           "HotSpotFontSize=28",
                           "StartupWaveFile=",
                           "HotSpotWaveFile="};
    for (const char* line : lines) file << line << "\r\n";
    return folder;
}

TEST_F(WineRuntime, ClickOnTheQuitLinkEndsTheProgram) {
    StartRuntime(QuitProject());
    Rect window;
    ASSERT_TRUE(screen_->WaitForWindow("Installer Window", 30000, &window));
    ASSERT_EQ(window, kWindow);

    // The "QUIT" text stands at client (40, 200); hilite colour RGB(255, 200, 0).
    const Rect quitText{kClient.left + 30, kClient.top + 190, kClient.left + 240,
                        kClient.top + 250};
    const std::uint32_t hilite = 0xFFC800;
    scenes::Picture before, after;
    ASSERT_TRUE(GrabSettled(quitText, &before));
    EXPECT_EQ(CountColour(before, hilite), 0);
    EXPECT_GT(CountColour(before, 0xFFFFFF), 20) << "the text in its normal colour";

    // Over the text: it lights up.
    const int x = kClient.left + 52, y = kClient.top + 214;
    screen_->MovePointer(x - 3, y - 3);
    screen_->MovePointer(x, y);
    ASSERT_TRUE(GrabSettled(quitText, &after));
    EXPECT_GT(CountColour(after, hilite), 20) << "the text under the mouse is not highlighted";

    screen_->Click();
    EXPECT_TRUE(wintest::WaitExit(runtime_, 15000)) << "still running after QUIT";
    EXPECT_FALSE(screen_->FindWindow("Installer Window", &window));
}

// Cursor 129 in both builds: the hotspot's hand, hot spot at the fingertip.
TEST_F(WineRuntime, BothBuildsCarryTheHandCursor) {
    for (const std::string& exe : {RuntimeExe(), std::string(VELOMAR_EXE_I686)}) {
        int code = -1;
        std::string out = Probe({"cursor", exe}, &code);
        EXPECT_EQ(code, 0) << exe;
        EXPECT_EQ(out, "hotspot 12 1 size 32 32 bits 4\n") << exe;
    }
}

}  // namespace
