// velomar as a user meets it, on a private X server: the finished menu matches
// the headless render, links light up under the pointer with the hand cursor,
// links open through the desktop, "QUIT" ends the program, and a folder
// without AppSetup.dat gives the reader's message and no menu.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>
#include <string>
#include <thread>

#include "child_process.h"
#include "platform/headless/png_writer.h"
#include "x_session.h"
#include "xvfb.h"

using platform::Point;
using platform::Rect;
using platform::raster::Pixel;
using platform::raster::Surface;

namespace {

const std::string kVelomar = std::string(VELOMAR_BIN_DIR) + "/velomar";
const std::string kCli = std::string(VELOMAR_BIN_DIR) + "/velomarforge-cli";
const std::string kSample = std::string(VELOMAR_SOURCE_DIR) + "/examples/sample";
const std::string kOut = VELOMAR_GUI_OUT;

// The screen is 1024 x 768: the engine centres the 640 x 440 window at (192, 164).
const Rect kWindow{192, 164, 832, 604};
const Rect kClient{193, 165, 831, 603};

// VELOMAR_RUNTIME_WRAPPER runs velomar under another program (valgrind), which
// slows it down: every wait then grows.
std::vector<std::string> Wrapper() {
    std::vector<std::string> words;
    const char* wrapper = std::getenv("VELOMAR_RUNTIME_WRAPPER");
    std::string word;
    for (const char* c = wrapper ? wrapper : ""; *c; ++c) {
        if (*c == ' ') {
            if (!word.empty()) words.push_back(word);
            word.clear();
        } else {
            word += *c;
        }
    }
    if (!word.empty()) words.push_back(word);
    return words;
}

int Slowdown() { return Wrapper().empty() ? 1 : 20; }

void Sleep(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms * Slowdown())); }

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

Pixel PixelOfRgb(int r, int g, int b) { return Pixel((r << 16) | (g << 8) | b); }

int CountPixels(const Surface& s, const Rect& area, Pixel colour) {
    int n = 0;
    for (int y = std::max(area.top, 0); y < std::min(area.bottom, s.height); ++y) {
        for (int x = std::max(area.left, 0); x < std::min(area.right, s.width); ++x) {
            if (s.At(x, y) == colour) ++n;
        }
    }
    return n;
}

int ChannelDiff(Pixel a, Pixel b) {
    int most = 0;
    for (int shift : {0, 8, 16}) {
        most = std::max(most, std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)));
    }
    return most;
}

class RuntimeTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(server.ok());
        x = std::make_unique<gui_test::XSession>(server.display());
        ASSERT_TRUE(x->ok());
        int code = -1;
        const std::string json = gui_test::RunForOutput({kCli, "show", kSample}, &code);
        ASSERT_EQ(code, 0) << "velomarforge-cli show failed";
        project = nlohmann::json::parse(json);
    }

    std::vector<std::string> Env(std::vector<std::string> extra = {}) {
        extra.push_back("DISPLAY=" + server.display());
        extra.push_back("NO_AT_BRIDGE=1");
        return extra;
    }

    void Start(const std::string& folder, std::vector<std::string> env = {}) {
        std::vector<std::string> argv = Wrapper();
        argv.push_back(kVelomar);
        runtime = std::make_unique<gui_test::ChildProcess>(argv, folder, Env(std::move(env)));
        ASSERT_TRUE(runtime->started());
    }

    bool WaitForWindow(const std::string& name, int timeoutMs = 15000) {
        for (int waited = 0; waited < timeoutMs * Slowdown(); waited += 50) {
            if (!x->FindWindows(name).empty()) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return false;
    }

    // N logos of which M move take N - M + 42 M + 2 timer steps.
    int AnimationSteps() const {
        const int n = project["NumberOfLogosToDraw"].get<int>();
        int m = 0;
        for (const auto& logo : project["Logos"]) m += logo["AnimateLogo"].get<int>() != 0;
        return n - m + 42 * m + 2;
    }

    // Waits out the animation: at least its nominal time, then until the picture holds still.
    Surface WaitForStillClient() {
        const int delay = std::max(project["LogoAnnimationDelay"].get<int>(), 10);
        Sleep(AnimationSteps() * delay);
        Surface last = x->Grab(kClient);
        for (int i = 0; i < 100; ++i) {
            Sleep(300);
            Surface now = x->Grab(kClient);
            if (now.pixels == last.pixels) return now;
            last = std::move(now);
        }
        return last;
    }

    const nlohmann::json& HotSpot(const std::string& command) const {
        for (const auto& spot : project["HotSpots"]) {
            if (spot["HotSpotCommand"] == command) return spot;
        }
        static const nlohmann::json none;
        return none;
    }

    Pixel Hilite() const {
        return PixelOfRgb(project["HotSpotTextHiliteColorR"], project["HotSpotTextHiliteColorG"],
                          project["HotSpotTextHiliteColorB"]);
    }

    // The band of client pixels a link's text covers.
    Rect TextBand(const nlohmann::json& spot) const {
        const int left = spot["HotSpotTextLocationLeft"], top = spot["HotSpotTextLocationTop"];
        const int size = std::abs(project["HotSpotFontSize"].get<int>());
        return Rect{left, top, left + 400, top + size + size / 2};
    }

    // A point on the link's text, in screen coordinates.
    Point OnText(const nlohmann::json& spot) const {
        const int size = std::abs(project["HotSpotFontSize"].get<int>());
        return Point{kClient.left + spot["HotSpotTextLocationLeft"].get<int>() + size / 2,
                     kClient.top + spot["HotSpotTextLocationTop"].get<int>() + size / 2};
    }

    gui_test::Xvfb server;
    std::unique_ptr<gui_test::XSession> x;
    nlohmann::json project;
    std::unique_ptr<gui_test::ChildProcess> runtime;
};

TEST_F(RuntimeTest, FinishedMenuMatchesTheHeadlessRenderAndThePointerStartsAtItsCorner) {
    Start(kSample);
    ASSERT_TRUE(WaitForWindow("Installer Window"));
    const std::vector<::Window> windows = x->FindWindows("Installer Window");
    ASSERT_EQ(windows.size(), 1u);
    EXPECT_EQ(x->WindowRect(windows[0]), kWindow);
    EXPECT_EQ(x->PointerPosition(), (Point{kWindow.left, kWindow.top}));

    const Surface shot = WaitForStillClient();
    ASSERT_TRUE(platform::WritePng(shot, Rect{0, 0, shot.width, shot.height},
                                   kOut + "/runtime_finished.png"));

    const std::string rendered = kOut + "/render_finished.png";
    int code = -1;
    gui_test::RunForOutput(
        {kCli, "render", kSample, rendered, "--steps", std::to_string(AnimationSteps() + 5)},
        &code);
    ASSERT_EQ(code, 0);
    Surface expected;
    ASSERT_TRUE(platform::ReadPng(rendered, &expected));
    ASSERT_EQ(expected.width, shot.width);
    ASSERT_EQ(expected.height, shot.height);

    int differing = 0, worst = 0;
    for (std::size_t i = 0; i < shot.pixels.size(); ++i) {
        const int d = ChannelDiff(shot.pixels[i], expected.pixels[i]);
        worst = std::max(worst, d);
        if (d > 8) ++differing;
    }
    // The same raster draws both; only a stray pixel may differ.
    EXPECT_LE(differing, int(shot.pixels.size() / 2000)) << "worst channel difference " << worst;

    // The border is WS_BORDER's black frame.
    const Surface frame = x->Grab(kWindow);
    EXPECT_EQ(frame.At(0, 0), 0u);
    EXPECT_EQ(frame.At(639, 439), 0u);
}

TEST_F(RuntimeTest, LinkLightsUpUnderThePointerWithTheHandAndGoesOutWhenLeft) {
    const nlohmann::json& spot = project["HotSpots"][0];
    Start(kSample);
    ASSERT_TRUE(WaitForWindow("Installer Window"));
    const Surface still = WaitForStillClient();
    ASSERT_EQ(CountPixels(still, TextBand(spot), Hilite()), 0) << "hilite colour before hovering";

    const Point on = OnText(spot);
    x->MovePointer(on.x, on.y);
    Surface lit;
    for (int i = 0; i < 100; ++i) {
        Sleep(50);
        lit = x->Grab(kClient);
        if (CountPixels(lit, TextBand(spot), Hilite()) > 20) break;
    }
    EXPECT_GT(CountPixels(lit, TextBand(spot), Hilite()), 20);
    ASSERT_TRUE(
        platform::WritePng(lit, Rect{0, 0, lit.width, lit.height}, kOut + "/runtime_hover.png"));

    Surface cursor;
    Point hot;
    ASSERT_TRUE(x->CursorImage(&cursor, &hot));
    EXPECT_EQ(hot, (Point{12, 1})) << "the runtime's hand cursor";
    EXPECT_EQ(cursor.width, 32);

    // Straight out of the window: the capture still delivers the move.
    x->MovePointer(1000, 700);
    Surface dark;
    for (int i = 0; i < 100; ++i) {
        Sleep(50);
        dark = x->Grab(kClient);
        if (CountPixels(dark, TextBand(spot), Hilite()) == 0) break;
    }
    EXPECT_EQ(CountPixels(dark, TextBand(spot), Hilite()), 0);
    EXPECT_TRUE(runtime->Running());
}

// The opener is a stand-in xdg-open that writes down what it was given.
TEST_F(RuntimeTest, LinksOpenThroughTheDesktopOrRunAndTheMenuStays) {
    const nlohmann::json& web = HotSpot("OPENABSOLUTE");
    const nlohmann::json& folder = HotSpot("OPEN");
    const nlohmann::json& program = HotSpot("RUN");
    ASSERT_FALSE(web.is_null() || folder.is_null() || program.is_null());

    char tmpl[] = "/tmp/velomar-opener-XXXXXX";
    ASSERT_NE(::mkdtemp(tmpl), nullptr);
    const std::string bin = tmpl, opened = bin + "/opened";
    std::ofstream(bin + "/xdg-open") << "#!/bin/sh\nprintf '%s\\n' \"$@\" >> '" << opened << "'\n";
    ::chmod((bin + "/xdg-open").c_str(), 0755);

    Start(kSample, {"PATH=" + bin + ":/usr/bin:/bin"});
    ASSERT_TRUE(WaitForWindow("Installer Window"));
    WaitForStillClient();
    auto clickOn = [&](const nlohmann::json& spot) {
        const Point on = OnText(spot);
        x->MovePointer(on.x, on.y);
        Sleep(300);
        x->Click(1);
    };
    auto waitForLines = [&](std::size_t lines) {
        for (int i = 0; i < 200; ++i) {
            const std::string text = ReadFile(opened);
            if (std::size_t(std::count(text.begin(), text.end(), '\n')) >= lines) break;
            Sleep(50);
        }
    };

    clickOn(web);
    waitForLines(1);
    std::string address = web["HotSpotCommandDataA"];
    if (address.rfind("www.", 0) == 0) address = "http://" + address;
    EXPECT_EQ(ReadFile(opened), address + "\n");

    // "OPEN" is relative to the folder the runtime was started in.
    clickOn(folder);
    waitForLines(2);
    EXPECT_EQ(ReadFile(opened), address + "\n" + kSample + "/" +
                                    folder["HotSpotCommandDataA"].get<std::string>() + "\n");

    // The sample's program shows its greeting with xmessage, named after it.
    clickOn(program);
    EXPECT_TRUE(WaitForWindow("xmessage")) << "the RUN link's program did not start";
    EXPECT_TRUE(runtime->Running());
    std::system(("rm -rf '" + bin + "'").c_str());
}

TEST_F(RuntimeTest, QuitLinkEndsTheProgram) {
    const nlohmann::json& quit = HotSpot("QUIT");
    ASSERT_FALSE(quit.is_null()) << "the sample has a QUIT link";
    Start(kSample);
    ASSERT_TRUE(WaitForWindow("Installer Window"));
    WaitForStillClient();
    const Point on = OnText(quit);
    x->MovePointer(on.x, on.y);
    Sleep(300);
    x->Click(1);
    int status = -1;
    ASSERT_TRUE(runtime->WaitExit(10000 * Slowdown(), &status));
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
    EXPECT_TRUE(x->FindWindows("Installer Window").empty());
}

TEST_F(RuntimeTest, FolderWithoutSettingsShowsTheReadersMessageAndNoMenu) {
    char tmpl[] = "/tmp/velomar-empty-XXXXXX";
    ASSERT_NE(::mkdtemp(tmpl), nullptr);
    const std::string folder = tmpl, log = folder + ".log";
    Start(folder, {"VELOMAR_MESSAGE_LOG=" + log});

    ASSERT_TRUE(WaitForWindow("velomar")) << "the message box, captioned with the program name";
    EXPECT_EQ(ReadFile(log), std::string("Failed to open the InstalledWnd.ini file!\n") + '\0');
    EXPECT_TRUE(x->FindWindows("Installer Window").empty());
    EXPECT_TRUE(runtime->Running()) << "the message box waits for the user";

    // Keys go where the pointer is on a bare X server.
    const Rect box = x->WindowRect(x->FindWindows("velomar")[0]);
    x->MovePointer((box.left + box.right) / 2, (box.top + box.bottom) / 2);
    Sleep(200);
    x->PressKey("Return");
    ASSERT_TRUE(runtime->WaitExit(10000 * Slowdown()));
    EXPECT_TRUE(x->FindWindows("Installer Window").empty());
    ::unlink(log.c_str());
    ::rmdir(folder.c_str());
}

// A current directory that was removed cannot be read: its own message, then the end.
TEST_F(RuntimeTest, UnreadableCurrentDirectoryShowsItsMessageAndNoMenu) {
    char tmpl[] = "/tmp/velomar-gone-XXXXXX";
    ASSERT_NE(::mkdtemp(tmpl), nullptr);
    const std::string parent = tmpl, log = parent + ".log";
    const std::string script = "mkdir gone && cd gone && rmdir ../gone && exec \"$0\"";
    std::vector<std::string> argv = Wrapper();
    argv.insert(argv.end(), {"/bin/sh", "-c", script, kVelomar});
    runtime =
        std::make_unique<gui_test::ChildProcess>(argv, parent, Env({"VELOMAR_MESSAGE_LOG=" + log}));
    ASSERT_TRUE(WaitForWindow("velomar"));
    EXPECT_EQ(ReadFile(log), std::string("GetCurrentDirectory() Failed!") + '\0');
    EXPECT_TRUE(x->FindWindows("Installer Window").empty());

    const Rect box = x->WindowRect(x->FindWindows("velomar")[0]);
    x->MovePointer((box.left + box.right) / 2, (box.top + box.bottom) / 2);
    Sleep(200);
    x->PressKey("Return");
    EXPECT_TRUE(runtime->WaitExit(10000 * Slowdown()));
    ::unlink(log.c_str());
    ::rmdir(parent.c_str());
}

}  // namespace
