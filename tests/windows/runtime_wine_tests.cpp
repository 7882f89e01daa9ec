// Velomar.exe (the x86_64 build of the same code) under wine64 on Xvfb: what a
// user sees and does with a real window.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <memory>
#include <nlohmann/json.hpp>
#include <thread>

#include "platform/raster/surface.h"
#include "wine_session.h"

namespace {

using platform::Rect;
using platform::raster::Surface;

// On a 1024 x 768 screen the 640 x 440 window is centred; its client area
// lies inside a one-pixel border.
const Rect kWindow{192, 164, 832, 604};
const Rect kClient{193, 165, 831, 603};
const std::string kRuntime = VELOMAR_WINDOWS_X86_64_DIR "/launcher/win32/Velomar.exe";
const std::string kSample = VELOMAR_SOURCE_DIR "/examples/sample";

class WineRuntime : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(wine.ok()) << wine.error(); }

    void Start(const std::string& folder) {
        runtime = std::make_unique<xtest::Child>(wine.Program(kRuntime, {}, folder));
        ASSERT_TRUE(runtime->started());
    }

    // The probe's stdout, or "" when it did not end with 0.
    std::string Probe(const std::vector<std::string>& args) {
        std::string out;
        const std::string exe =
            VELOMAR_WINDOWS_X86_64_DIR "/tests/windows/win32/velomar_wine_probe.exe";
        return xtest::Run(wine.Program(exe, args), 60000, &out) == 0 ? out : "";
    }

    // Two grabs a second apart that are equal: the animation is over.
    Surface GrabSettled(const Rect& rect) {
        Surface last;
        for (int i = 0; i < 30; ++i) {
            std::this_thread::sleep_for(std::chrono::seconds(1));
            Surface now = screen.Grab(rect);
            if (i > 0 && now.pixels == last.pixels) return now;
            last = std::move(now);
        }
        return {};
    }

    // The sample as the CLI shows it: its links, their text height and hilite colour.
    void ReadSample() {
        std::string json;
        ASSERT_EQ(xtest::Run({{VELOMAR_CLI, "show", kSample}}, 60000, &json), 0);
        project = nlohmann::json::parse(json);
        size = std::abs(project["HotSpotFontSize"].get<int>());
        hilite = platform::raster::PixelOf(platform::Rgb(project["HotSpotTextHiliteColorR"],
                                                         project["HotSpotTextHiliteColorG"],
                                                         project["HotSpotTextHiliteColorB"]));
        for (std::size_t i = 0; i < project["HotSpots"].size(); ++i)
            if (project["HotSpots"][i]["HotSpotCommand"] == "QUIT") quit = int(i);
        ASSERT_GT(quit, 0) << "the sample has a QUIT link after the first";
    }
    const nlohmann::json& Link(int i) const { return project["HotSpots"][std::size_t(i)]; }
    // Around link i's text, to the client's right edge.
    Rect Band(int i) const {
        const int left = Link(i)["HotSpotTextLocationLeft"],
                  top = Link(i)["HotSpotTextLocationTop"];
        return Rect{left - 4, top - 4, 638, top + 2 * size + 4};
    }

    nlohmann::json project;
    int size = 0, quit = -1;
    platform::raster::Pixel hilite = 0;
    wintest::WineSession& wine = wintest::WineSession::Get();
    xtest::XDisplay& screen = wine.screen();
    std::unique_ptr<xtest::Child> runtime;
};

// The picture is compared with the editor's preview in tests/gui/editor_disc_tests.cpp.
TEST_F(WineRuntime, SampleShowsAsAPopUpAndQuitEndsIt) {
    ASSERT_NO_FATAL_FAILURE(ReadSample());
    Start(kSample);
    ASSERT_TRUE(screen.WaitForWindow("Installer Window", 30000));
    EXPECT_EQ(screen.FindWindows("Installer Window"), std::vector<Rect>{kWindow});

    // A pop-up with a thin border and a system menu; no dialog frame, so no caption.
    const unsigned long style =
        std::strtoul(Probe({"style", "Installer Window"}).c_str(), nullptr, 16);
    EXPECT_EQ(style & 0x90880000ul, 0x90880000ul) << std::hex << style;
    EXPECT_EQ(style & 0x00400000ul, 0ul) << std::hex << style;

    const Surface shown = GrabSettled(kClient);
    ASSERT_FALSE(shown.pixels.empty()) << "the animation does not end";
    // Over the "QUIT" text it lights up; a click ends the program.
    EXPECT_EQ(xtest::CountColour(shown, Band(quit), hilite), 0);
    const int x = kClient.left + Link(quit)["HotSpotTextLocationLeft"].get<int>() + size / 2;
    const int y = kClient.top + Link(quit)["HotSpotTextLocationTop"].get<int>() + size / 2;
    screen.MovePointer(x - 3, y - 3);
    screen.MovePointer(x, y);
    EXPECT_GT(xtest::CountColour(GrabSettled(kClient), Band(quit), hilite), 20);
    screen.Click();
    EXPECT_TRUE(runtime->WaitExit(15000)) << "still running after QUIT";
    EXPECT_TRUE(screen.FindWindows("Installer Window").empty());
}

// The keyboard alone: the first Tab lights the first link, Tab on to the "QUIT"
// link and Enter end the program, and so does Escape.
TEST_F(WineRuntime, KeysAloneLightTheLinksAndEndTheProgram) {
    ASSERT_NO_FATAL_FAILURE(ReadSample());
    std::vector<std::string> toQuit(std::size_t(quit), "Tab");
    toQuit.push_back("Return");
    const struct {
        const char* name;
        bool lookAtFirstTab;
        std::vector<std::string> keys;
    } cases[] = {
        {"Tab to the QUIT link, Return", true, toQuit},
        {"Escape", false, {"Escape"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Start(kSample);
        ASSERT_TRUE(screen.WaitForWindow("Installer Window", 30000));
        const Surface shown = GrabSettled(kClient);
        ASSERT_FALSE(shown.pixels.empty()) << "the animation does not end";
        if (c.lookAtFirstTab) {
            EXPECT_EQ(xtest::CountColour(shown, Band(0), hilite), 0);
            screen.PressKey("Tab");
            const Surface lit = GrabSettled(kClient);
            EXPECT_GT(xtest::CountColour(lit, Band(0), hilite), 20);
            EXPECT_EQ(xtest::CountColour(lit, Band(1), hilite), 0);
        }
        for (const std::string& key : c.keys) {
            screen.PressKey(key.c_str());
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
        }
        EXPECT_TRUE(runtime->WaitExit(15000)) << "still running after the keys";
        EXPECT_TRUE(screen.FindWindows("Installer Window").empty());
    }
}

TEST_F(WineRuntime, FolderWithoutSettingsShowsTheReadersMessageAndEndsWithoutAWindow) {
    Start(wintest::ScratchDir("no_settings"));
    ASSERT_TRUE(screen.WaitForWindow("Velomar", 30000)) << "no message box";
    EXPECT_TRUE(screen.FindWindows("Installer Window").empty());

    // The probe reads the box's text and presses its OK button, as a user would.
    const std::string hex = Probe({"msgbox", "Velomar", "10000"});
    std::string text;
    for (std::size_t i = 0; i + 1 < hex.size() && hex[i] != '\n'; i += 2)
        text += char(std::stoi(hex.substr(i, 2), nullptr, 16));
    EXPECT_EQ(text, "Failed to open the InstalledWnd.ini file!\n");

    EXPECT_TRUE(runtime->WaitExit(15000)) << "still running after the message";
    EXPECT_TRUE(screen.FindWindows("Installer Window").empty());
    EXPECT_TRUE(screen.FindWindows("Velomar").empty());
}

// Cursor 129 in both builds: the hotspots' hand, hot spot at the fingertip.
TEST_F(WineRuntime, BothBuildsCarryTheHandCursor) {
    for (const std::string& exe : {kRuntime, std::string(VELOMAR_EXE_I686)})
        EXPECT_EQ(Probe({"cursor", exe}), "hotspot 12 1 size 32 32 bits 4\n") << exe;
}

}  // namespace
