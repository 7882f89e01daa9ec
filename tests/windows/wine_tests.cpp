// The Windows programs (the x86_64 build of the same code) under wine64 on
// Xvfb: the Win32 drawing against the portable raster, Velomar.exe's window as
// a user sees and uses it, and VelomarForge.exe's windows driven in-process.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <sstream>
#include <thread>

#include "platform/headless/png_writer.h"
#include "platform/platform.h"
#include "platform/raster/raster_bitmap.h"
#include "platform/raster/raster_graphics.h"
#include "scenes.h"
#include "scratch.h"
#include "wine_session.h"

namespace {

using platform::Rect;
using platform::raster::Surface;

// The Windows side draws every scene once, into dumps; "" when it could not.
const std::string& Dumps() {
    static const std::string dumps = [] {
        wintest::WineSession& wine = wintest::WineSession::Get();
        const std::string dir = wintest::ScratchDir("conformance");
        const std::string exe =
            VELOMAR_WINDOWS_X86_64_DIR "/tests/windows/win32/velomar_conformance_dump.exe";
        return wine.ok() && xtest::Run(wine.Program(exe, {dir}, dir), 120000) == 0 ? dir : "";
    }();
    return dumps;
}

class Conformance : public ::testing::TestWithParam<scenes::Scene> {};

TEST_P(Conformance, Win32AndRasterDrawTheSame) {
    ASSERT_NE(Dumps(), "") << "velomar_conformance_dump failed";
    const scenes::Scene& scene = GetParam();
    Surface win32;
    ASSERT_TRUE(scenes::ReadDump(Dumps() + "/" + scene.name + ".raw", &win32));

    // The window's transparent drawing takes its objects from the installed platform.
    platform::raster::RasterGraphics graphics;
    platform::Install(platform::Platform{&graphics});
    auto bitmap = scenes::Render(graphics, scene);
    ASSERT_NE(bitmap, nullptr);
    const Surface& raster = static_cast<platform::raster::RasterBitmap&>(*bitmap).surface();

    ASSERT_EQ(std::pair(win32.width, win32.height), std::pair(raster.width, raster.height));
    const xtest::Comparison diff = xtest::Compare(win32, raster, 0);
    EXPECT_EQ(diff.differing, 0) << "worst " << diff.worst;
}

INSTANTIATE_TEST_SUITE_P(Scenes, Conformance, ::testing::ValuesIn(scenes::All()),
                         [](const auto& info) { return info.param.name; });

constexpr Rect kWindow = xtest::kMenuWindow, kClient = xtest::kMenuClient;
const std::string kRuntime = VELOMAR_WINDOWS_X86_64_DIR "/launcher/win32/Velomar.exe";
const std::string kSample = VELOMAR_SOURCE_DIR "/examples/sample";
// What a second Windows program sees (win32/wine_probe.cpp).
const std::string kProbe = VELOMAR_WINDOWS_X86_64_DIR "/tests/windows/win32/velomar_wine_probe.exe";

class WineRuntime : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(wine.ok()) << wine.error(); }

    void Start(const std::string& folder, const char* title) {
        runtime = std::make_unique<xtest::Child>(wine.Program(kRuntime, {}, folder));
        ASSERT_TRUE(screen.WaitForWindow(title, 30000)) << "no " << title;
    }

    std::string Probe(const std::vector<std::string>& args) {
        std::string out;
        return xtest::Run(wine.Program(kProbe, args), 60000, &out) == 0 ? out : "";
    }
    // A dialog's text the probe printed as hex.
    std::string ProbeText(const std::vector<std::string>& args) {
        const std::string hex = Probe(args);
        std::string text;
        for (std::size_t i = 0; i + 1 < hex.size() && hex[i] != '\n'; i += 2)
            text += char(std::stoi(hex.substr(i, 2), nullptr, 16));
        return text;
    }

    void ExpectEnded() {
        EXPECT_TRUE(runtime->WaitExit(15000)) << "still running";
        EXPECT_TRUE(screen.FindWindows("Installer Window").empty());
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
    // Link i's text position in the client area.
    int Left(int i) const { return project["HotSpots"][std::size_t(i)]["HotSpotTextLocationLeft"]; }
    int Top(int i) const { return project["HotSpots"][std::size_t(i)]["HotSpotTextLocationTop"]; }
    // Hilite pixels around link i's text, to the client's right edge.
    int Lit(const Surface& shown, int i) const {
        return xtest::CountColour(shown, Rect{Left(i) - 4, Top(i) - 4, 638, Top(i) + 2 * size + 4},
                                  hilite);
    }

    nlohmann::json project;
    int size = 0, quit = -1;
    platform::raster::Pixel hilite = 0;
    wintest::WineSession& wine = wintest::WineSession::Get();
    xtest::XDisplay& screen = wine.screen();
    std::unique_ptr<xtest::Child> runtime;
};

// The reader's message shows in a box of the runtime's name, and no menu; the
// program ends once the box's OK is pressed (the probe reads it and presses it).
TEST_F(WineRuntime, FolderWithoutSettingsShowsAMessageAndNoMenu) {
    ASSERT_NO_FATAL_FAILURE(Start(wintest::ScratchDir("no_settings"), "Velomar"));
    EXPECT_TRUE(screen.FindWindows("Installer Window").empty());
    EXPECT_EQ(ProbeText({"msgbox", "Velomar", "10000"}),
              "Failed to open the InstalledWnd.ini file!\n");
    ExpectEnded();
}

// Logos hanging over the left and right edges show the parts a still render
// shows: Windows draws them through its own clipped path.
TEST_F(WineRuntime, LogosOverTheEdgesShowTheirVisibleParts) {
    const std::string folder = wintest::ScratchDir("edges");
    std::filesystem::copy(kSample, folder, std::filesystem::copy_options::recursive);
    ASSERT_EQ(xtest::Run({{VELOMAR_CLI, "resave", folder, "--plain"}}, 60000), 0);
    std::string dat = sandbox::ReadBytes(folder + "/AppSetup.dat");
    for (auto [from, to] : {std::pair{"LocationX1=40", "LocationX1=-20"},
                            {"LocationX2=484", "LocationX2=560"}, {"AnimateLogo2=1", "AnimateLogo2=0"}})
        dat.replace(dat.find(from), std::string(from).size(), to);
    sandbox::WriteBytes(folder + "/AppSetup.dat", dat);
    ASSERT_EQ(xtest::Run({{VELOMAR_CLI, "render", folder, folder + "/still.png", "--still"}}, 60000), 0);
    Surface expected;
    ASSERT_TRUE(platform::ReadPng(folder + "/still.png", &expected));
    ASSERT_NO_FATAL_FAILURE(Start(folder, "Installer Window"));
    const xtest::Comparison diff =
        xtest::Compare(screen.Settled(kClient, 1000, 30), expected, 0, {Rect{0, 150, 640, 440}});
    EXPECT_GT(diff.compared, 0);
    EXPECT_EQ(diff.differing, 0) << "worst " << diff.worst;
    screen.PressKey("Escape");
    ExpectEnded();
}

// Cursor 129 in both builds: the links' hand, hot spot at the fingertip.
TEST_F(WineRuntime, BothBuildsCarryTheHandCursor) {
    for (const std::string& exe : {kRuntime, std::string(VELOMAR_EXE_I686)})
        EXPECT_EQ(Probe({"cursor", exe}), "hotspot 12 1 size 32 32 bits 4\n") << exe;
}

// A bordered pop-up without a caption, and what a screen reader reads of it
// (win32/wine_probe.cpp): the disc's title, then each link by its text, as a
// link that clicks, where it is drawn. Each Tab lights the next link and the
// pointer over "QUIT" lights it, the reader's focus moving with the highlight;
// a link's default action runs it as Enter does: "Quit" ends the program.
// Escape ends it in the edges' test; the picture is compared with the editor's
// preview in tests/gui.
TEST_F(WineRuntime, SampleAnswersTabPointerAndTheScreenReader) {
    ASSERT_NO_FATAL_FAILURE(ReadSample());
    ASSERT_NO_FATAL_FAILURE(Start(kSample, "Installer Window"));
    EXPECT_EQ(screen.FindWindows("Installer Window"), std::vector<Rect>{kWindow});
    const Surface shown = screen.Settled(kClient, 1000, 30);
    ASSERT_FALSE(shown.pixels.empty()) << "the animation does not end";
    EXPECT_EQ(Lit(shown, 0), 0);

    std::istringstream read(Probe({"access", "Installer Window"}));
    std::string line;
    std::getline(read, line);
    const unsigned long style =
        line.rfind("style ", 0) == 0 ? std::strtoul(line.c_str() + 6, nullptr, 16) : 0;
    EXPECT_EQ(style & 0x90880000ul, 0x90880000ul) << line;  // popup, visible, border
    EXPECT_EQ(style & 0x00400000ul, 0ul) << line;           // no dialog frame
    std::getline(read, line);
    EXPECT_EQ(line, "name " + project["WindowTitle"].get<std::string>());
    std::getline(read, line);
    const std::size_t links = project["HotSpots"].size();
    EXPECT_EQ(line, "children " + std::to_string(links));
    for (std::size_t i = 0; i < links && std::getline(read, line); ++i) {
        long number = 0, role = 0, x = 0, y = 0, w = 0, h = 0;
        char action[16] = {};
        int nameAt = 0;
        ASSERT_EQ(std::sscanf(line.c_str(), "%ld role %ld action %15s box %ld %ld %ld %ld name %n",
                              &number, &role, action, &x, &y, &w, &h, &nameAt),
                  7)
            << line;
        EXPECT_EQ(number, long(i) + 1);
        EXPECT_EQ(role, 0x1e) << line;  // ROLE_SYSTEM_LINK
        EXPECT_STREQ(action, "Click");
        EXPECT_EQ(line.substr(std::size_t(nameAt)), project["HotSpots"][i]["HotSpotText"]);
        EXPECT_EQ(x, kClient.left + Left(int(i))) << line;
        EXPECT_EQ(y, kClient.top + Top(int(i))) << line;
        EXPECT_TRUE(w > size && h >= size && h <= 2 * size) << line;  // the shortest is "Quit"
    }
    std::getline(read, line);
    EXPECT_EQ(line, "focus 0");  // the window itself: nothing lit yet

    // The probe hooks the focus events before the keys go.
    const std::string events = wintest::ScratchDir("focus_events") + "/out.txt";
    const int fd = ::open(events.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ASSERT_GE(fd, 0);
    xtest::Child watch(wine.Program(kProbe, {"watch", "Installer Window", "15000"}), fd);
    ::close(fd);
    for (int i = 0; i < 300 && sandbox::ReadBytes(events).find("ready") == std::string::npos; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    screen.PressKey("Tab");
    const Surface tabbed = screen.Settled(kClient, 1000, 30);
    EXPECT_GT(Lit(tabbed, 0), 20);
    EXPECT_EQ(Lit(tabbed, quit), 0);
    screen.PressKey("Tab");
    const int x = kClient.left + Left(quit) + size / 2, y = kClient.top + Top(quit) + size / 2;
    screen.MovePointer(x - 3, y - 3);
    screen.MovePointer(x, y);
    EXPECT_GT(Lit(screen.Settled(kClient, 1000, 30), quit), 20);
    EXPECT_TRUE(watch.WaitExit(30000));
    const std::string quitting = std::to_string(quit + 1);
    EXPECT_EQ(sandbox::ReadBytes(events), "ready\nfocus 1\nfocus 2\nfocus " + quitting + "\n");
    const std::string after = Probe({"access", "Installer Window", quitting});
    EXPECT_NE(after.find("\nfocus " + quitting + "\nact 00000000\n"), std::string::npos) << after;
    ExpectEnded();
}

// The shipped editor opens the project its command line names, here its
// AppSetup.dat in a folder with a space in its name (the C runtime splits the
// line), and proposes new projects in the user's Documents, as the shell tells.
TEST_F(WineRuntime, EditorOpensTheProjectItsCommandLineNames) {
    const std::string folder = wintest::ScratchDir("my disc");
    std::filesystem::copy(kSample, folder, std::filesystem::copy_options::recursive);
    std::string windows = "Z:" + folder + "/";
    std::replace(windows.begin(), windows.end(), '/', '\\');
    xtest::Child editor(wine.Program(VELOMAR_WINDOWS_X86_64_DIR "/editor/win32/VelomarForge.exe",
                                     {windows + "AppSetup.dat"}, folder));
    ASSERT_TRUE(screen.WaitForWindow("VelomarForge - " + windows, 30000));
    const std::string made = ProbeText({"new", "VelomarForge - " + windows});
    EXPECT_TRUE(made.rfind("C:\\users\\", 0) == 0 &&
                made.find("\\Documents\\Velomar Projects\\Project1") != std::string::npos)
        << made;
}

}  // namespace
