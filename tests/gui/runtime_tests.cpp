// velomar as a user meets it, on a private X server: a link lights up under
// the pointer with the hand cursor,
// "QUIT" ends the program, and a folder it cannot read gives the reader's
// message and no menu. What keys do is the engine's and the host's (their tests).
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <thread>
#include <utility>

#include "platform/raster/surface.h"
#include "x_display.h"

using platform::Point;
using platform::Rect;
using platform::raster::Pixel;
using platform::raster::Surface;

namespace {

const std::string kVelomar = std::string(VELOMAR_BIN_DIR) + "/velomar";
const std::string kCli = std::string(VELOMAR_BIN_DIR) + "/velomarforge-cli";
const std::string kForge = std::string(VELOMAR_BIN_DIR) + "/velomarforge";
const std::string kSample = std::string(VELOMAR_SOURCE_DIR) + "/examples/sample";

// The screen is 1024 x 768: the engine centres the 640 x 440 window at (192, 164).
const Rect kWindow{192, 164, 832, 604};
const Rect kClient{193, 165, 831, 603};

// velomar, under VELOMAR_RUNTIME_WRAPPER (valgrind) when that is set: every
// wait then grows.
std::vector<std::string> Velomar() {
    const char* wrapper = std::getenv("VELOMAR_RUNTIME_WRAPPER");
    std::istringstream words(std::string(wrapper ? wrapper : "") + " " + kVelomar);
    return {std::istream_iterator<std::string>(words), {}};
}
const int kSlowdown = Velomar().size() > 1 ? 20 : 1;

void Sleep(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms * kSlowdown)); }

class RuntimeTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(x.ok());
        std::string json;
        ASSERT_EQ(xtest::Run({{kCli, "show", kSample}}, 60000, &json), 0);
        project = nlohmann::json::parse(json);
    }

    void Start(std::vector<std::string> argv, const std::string& folder,
               std::vector<std::string> env = {}) {
        env.insert(env.end(), {"DISPLAY=" + x.name(), "NO_AT_BRIDGE=1"});
        runtime = std::make_unique<xtest::Child>(xtest::Command{argv, folder, env});
        ASSERT_TRUE(runtime->started());
    }

    // N logos of which M move take N - M + 42 M + 2 timer steps.
    int AnimationSteps() const {
        int moving = 0;
        for (const auto& logo : project["Logos"]) moving += logo["AnimateLogo"].get<int>() != 0;
        return project["NumberOfLogosToDraw"].get<int>() + 41 * moving + 2;
    }

    // Waits out the animation: at least its nominal time, then until the picture holds still.
    Surface WaitForStillClient() {
        Sleep(AnimationSteps() * std::max(project["LogoAnnimationDelay"].get<int>(), 10));
        Surface last = x.Grab(kClient);
        for (int i = 0; i < 100; ++i) {
            Sleep(300);
            Surface now = x.Grab(kClient);
            if (now.pixels == last.pixels) break;
            last = std::move(now);
        }
        return last;
    }

    // The sample's "QUIT" link: its place among the links, -1 without one.
    int QuitIndex() const {
        for (std::size_t i = 0; i < project["HotSpots"].size(); ++i)
            if (project["HotSpots"][i]["HotSpotCommand"] == "QUIT") return int(i);
        return -1;
    }
    int FontSize() const { return std::abs(project["HotSpotFontSize"].get<int>()); }
    // Client area under link i's text, with room for the font.
    Rect TextBand(int i) const {
        const nlohmann::json& spot = project["HotSpots"][std::size_t(i)];
        const int left = spot["HotSpotTextLocationLeft"], top = spot["HotSpotTextLocationTop"];
        return Rect{left, top, left + 400, top + FontSize() + FontSize() / 2};
    }
    Pixel Hilite() const {
        return platform::raster::PixelOf(platform::Rgb(project["HotSpotTextHiliteColorR"],
                                                       project["HotSpotTextHiliteColorG"],
                                                       project["HotSpotTextHiliteColorB"]));
    }
    // The client area once the band shows the hilite colour, or after five seconds.
    Surface GrabUntilLit(const Rect& band) {
        Surface lit;
        for (int i = 0; i < 100 && xtest::CountColour(lit, band, Hilite()) <= 20; ++i) {
            Sleep(50);
            lit = x.Grab(kClient);
        }
        return lit;
    }
    void ExpectEndedWithItsWindow() {
        int status = -1;
        ASSERT_TRUE(runtime->WaitExit(10000 * kSlowdown, &status));
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
        EXPECT_TRUE(x.FindWindows("Installer Window").empty());
    }

    xtest::XDisplay x;
    nlohmann::json project;
    std::unique_ptr<xtest::Child> runtime;
};

// The whole way from start through the animation to "QUIT"; the leak check runs this one.
TEST_F(RuntimeTest, QuitLinkEndsTheProgram) {
    const int quit = QuitIndex();
    ASSERT_GE(quit, 0) << "the sample has a QUIT link";
    Start(Velomar(), kSample);
    ASSERT_TRUE(x.WaitForWindow("Installer Window", 15000 * kSlowdown));
    EXPECT_EQ(x.FindWindows("Installer Window"), std::vector<Rect>{kWindow});

    // The picture itself is checked against the editor's preview (editor_disc_tests).
    const Surface shot = WaitForStillClient();
    EXPECT_EQ(x.PointerPosition(), (Point{kWindow.left, kWindow.top})) << "set at the start";
    const Surface frame = x.Grab(kWindow);  // WS_BORDER's black frame
    EXPECT_EQ(frame.At(0, 0), 0u);
    EXPECT_EQ(frame.At(639, 439), 0u);

    // On the link's text: the hilite colour and the hand.
    const Rect band = TextBand(quit);
    ASSERT_EQ(xtest::CountColour(shot, band, Hilite()), 0) << "hilite colour before hovering";
    x.MovePointer(kClient.left + band.left + FontSize() / 2,
                  kClient.top + band.top + FontSize() / 2);
    EXPECT_GT(xtest::CountColour(GrabUntilLit(band), band, Hilite()), 20);
    Surface cursor;
    Point hot;
    ASSERT_TRUE(x.CursorImage(&cursor, &hot));
    EXPECT_EQ(hot, (Point{12, 1})) << "the runtime's hand cursor";
    EXPECT_EQ(cursor.width, 32);

    x.Click(1);
    ExpectEndedWithItsWindow();
}

// GTK would load the GL driver at start although nothing draws GL, and ALSA
// prints its complaints on stderr for every sound when there is no sound
// device (as on a test machine); neither may happen, in the runtime or the
// editor. The GL setting that keeps GTK off it must not reach the programs the
// links start.
TEST_F(RuntimeTest, StartsWithoutGlOrSoundNoiseAndLinksKeepTheUsersEnvironment) {
    const struct {
        const char* what;
        std::vector<std::string> env;
        std::string childSees;  // the link's program's GDK_GL line, "" for none
    } cases[] = {
        {"GDK_GL unset", {}, ""},
        {"GDK_GL given", {"GDK_GL=gles"}, "GDK_GL=gles"},
    };
    nlohmann::json link = project["HotSpots"][0];
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        // The sample, its first link turned into a program that records its environment.
        char tmpl[] = "/tmp/velomar-env-XXXXXX";
        ASSERT_NE(::mkdtemp(tmpl), nullptr);
        const std::string folder = tmpl;
        std::filesystem::copy(kSample, folder, std::filesystem::copy_options::recursive);
        ASSERT_EQ(xtest::Run({{kCli, "resave", folder, "--plain"}}, 60000), 0);
        std::string settings = xtest::ReadFile(folder + "/AppSetup.dat");
        for (const auto& [from, to] :
             {std::pair<std::string, std::string>{
                  "HotSpotCommand1=" + link["HotSpotCommand"].get<std::string>(),
                  "HotSpotCommand1=RUN"},
              {"HotSpotCommandDataA1=" + link["HotSpotCommandDataA"].get<std::string>(),
               "HotSpotCommandDataA1=env.sh"}}) {
            const auto at = settings.find(from);
            ASSERT_NE(at, std::string::npos) << from;
            settings.replace(at, from.size(), to);
        }
        std::ofstream(folder + "/AppSetup.dat", std::ios::binary | std::ios::trunc) << settings;
        const std::string recorded = folder + "/child.env";
        std::ofstream(folder + "/env.sh") << "#!/bin/sh\nenv > '" << recorded << ".part' && mv '"
                                          << recorded << ".part' '" << recorded << "'\n";
        std::filesystem::permissions(folder + "/env.sh", std::filesystem::perms::owner_all);

        const std::string errors = folder + ".stderr";
        Start({"/bin/sh", "-c", "exec \"$0\" 2>\"$1\"", kVelomar, errors}, folder, c.env);
        ASSERT_TRUE(x.WaitForWindow("Installer Window", 15000));
        WaitForStillClient();  // the start-up sound has been tried by now
        auto expectNoGl = [this](const char* program) {
            const std::string maps =
                xtest::ReadFile("/proc/" + std::to_string(runtime->pid()) + "/maps");
            ASSERT_NE(maps.find("libwx_gtk3"), std::string::npos) << "the maps of " << program;
            for (const char* gl : {"libGL", "libEGL", "_dri.so"})
                EXPECT_EQ(maps.find(gl), std::string::npos) << gl << " is loaded in " << program;
        };
        expectNoGl("velomar");

        const int size = std::abs(project["HotSpotFontSize"].get<int>());
        x.MovePointer(kClient.left + link["HotSpotTextLocationLeft"].get<int>() + size / 2,
                      kClient.top + link["HotSpotTextLocationTop"].get<int>() + size / 2);
        Sleep(300);
        x.Click(1);
        for (int i = 0; i < 100 && !std::filesystem::exists(recorded); ++i) Sleep(100);
        std::istringstream env(xtest::ReadFile(recorded));
        ASSERT_FALSE(env.str().empty()) << "the link's program did not run";
        std::string line, seen;
        while (std::getline(env, line))
            if (line.rfind("GDK_GL=", 0) == 0) seen = line;
        EXPECT_EQ(seen, c.childSees);
        // Sounds were played (start-up, hover): not a word of ALSA's on stderr.
        EXPECT_EQ(xtest::ReadFile(errors).find("ALSA"), std::string::npos)
            << xtest::ReadFile(errors);

        runtime.reset();

        Start({kForge, folder}, folder, c.env);
        ASSERT_TRUE(x.WaitForWindow("VelomarForge - " + folder + "/", 15000));
        Sleep(500);  // its preview made and painted
        expectNoGl("velomarforge");
        runtime.reset();
        std::filesystem::remove_all(folder);
        std::filesystem::remove(errors);
    }
}

// A folder without AppSetup.dat, and a current directory that was removed.
TEST_F(RuntimeTest, UnreadableFolderShowsTheReadersMessageAndNoMenu) {
    const struct {
        const char* script;
        std::string message;
    } cases[] = {
        {"exec \"$0\"", "Failed to open the InstalledWnd.ini file!\n"},
        {"mkdir gone && cd gone && rmdir ../gone && exec \"$0\"", "GetCurrentDirectory() Failed!"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        char tmpl[] = "/tmp/velomar-empty-XXXXXX";
        ASSERT_NE(::mkdtemp(tmpl), nullptr);
        const std::string folder = tmpl, log = folder + ".log";
        Start({"/bin/sh", "-c", c.script, kVelomar}, folder, {"VELOMAR_MESSAGE_LOG=" + log});
        ASSERT_TRUE(x.WaitForWindow("velomar", 15000)) << "a message box, captioned so";
        EXPECT_EQ(xtest::ReadFile(log), c.message + '\0');
        EXPECT_TRUE(x.FindWindows("Installer Window").empty());
        EXPECT_TRUE(runtime->Running()) << "the message box waits for the user";

        // Keys go where the pointer is on a bare X server.
        const Rect box = x.FindWindows("velomar")[0];
        x.MovePointer((box.left + box.right) / 2, (box.top + box.bottom) / 2);
        Sleep(200);
        x.PressKey("Return");
        EXPECT_TRUE(runtime->WaitExit(10000));
        EXPECT_TRUE(x.FindWindows("Installer Window").empty());
        std::filesystem::remove_all(folder);
        std::filesystem::remove(log);
    }
}

}  // namespace
