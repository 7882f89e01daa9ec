// velomar as a user meets it, on a private X server, driven through XTest; every
// program's --help and --version, and the wx programs' start without room.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <sstream>
#include <thread>

#include "platform/headless/png_writer.h"
#include "scratch.h"
#include "x_display.h"

using platform::Point;
using platform::Rect;
using platform::raster::Surface;
namespace fs = std::filesystem;

namespace {

const std::string kVelomar = std::string(VELOMAR_BIN_DIR) + "/velomar";
const std::string kCli = std::string(VELOMAR_BIN_DIR) + "/velomarforge-cli";
const std::string kForge = std::string(VELOMAR_BIN_DIR) + "/velomarforge";
const std::string kSample = std::string(VELOMAR_SOURCE_DIR) + "/examples/sample";
const char* kToStderr = "exec \"$0\" 2>\"$1\"";  // sh -c: run $0 with its stderr to $1
constexpr Rect kWindow = xtest::kMenuWindow, kClient = xtest::kMenuClient;

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
    explicit RuntimeTest(const std::vector<std::string>& serverArgs = {}) : x(serverArgs) {}
    void SetUp() override {
        ASSERT_TRUE(x.ok());
        std::string json;
        ASSERT_EQ(xtest::Run({{kCli, "show", kSample}}, 60000, &json), 0);
        project = nlohmann::json::parse(json);
    }

    void Start(std::vector<std::string> argv, std::vector<std::string> env = {}) {
        env.insert(env.end(), {"DISPLAY=" + x.name(), "NO_AT_BRIDGE=1"});
        runtime = std::make_unique<xtest::Child>(xtest::Command{argv, folder, env});
        ASSERT_TRUE(runtime->started());
    }
    // Waits out the animation: its nominal time (N logos of which M move take
    // N + 41 M + 2 steps), then until the picture holds still.
    Surface WaitForStillClient() {
        int steps = project["NumberOfLogosToDraw"].get<int>() + 2;
        for (const auto& logo : project["Logos"]) steps += 41 * (logo["AnimateLogo"] != 0);
        Sleep(steps * std::max(project["LogoAnnimationDelay"].get<int>(), 10));
        return x.Settled(kClient, 300 * kSlowdown, 100);
    }
    // Client area under link i's text, with room for the font; the pointer onto it.
    Rect TextBand(int i) const {
        const nlohmann::json& spot = project["HotSpots"][std::size_t(i)];
        const int left = spot["HotSpotTextLocationLeft"], top = spot["HotSpotTextLocationTop"];
        return Rect{left, top, left + 400, top + FontSize() + FontSize() / 2};
    }
    int FontSize() const { return std::abs(project["HotSpotFontSize"].get<int>()); }
    void PointAt(int link) {
        const Rect band = TextBand(link);
        x.MovePointer(kClient.left + band.left + FontSize() / 2,
                      kClient.top + band.top + FontSize() / 2);
    }

    // The sample's "QUIT" link; the sample is copied to the program's folder.
    int QuitIndex() {
        fs::copy(kSample, folder, fs::copy_options::recursive);
        for (std::size_t i = 0; i < project["HotSpots"].size(); ++i)
            if (project["HotSpots"][i]["HotSpotCommand"] == "QUIT") return int(i);
        ADD_FAILURE() << "the sample has no QUIT link";
        return 0;
    }
    platform::raster::Pixel Hilite() const {
        return platform::raster::PixelOf(platform::Rgb(project["HotSpotTextHiliteColorR"],
                                                       project["HotSpotTextHiliteColorG"],
                                                       project["HotSpotTextHiliteColorB"]));
    }
    bool LightsUp(int link) {
        for (int i = 0; i < 100; ++i, Sleep(50))
            if (xtest::CountColour(x.Grab(kClient), TextBand(link), Hilite()) > 20) return true;
        return false;
    }
    // Pixel for pixel the headless host's picture: every step the wx host
    // showed of the slide landed where it belongs (the editor's preview, which
    // forge_disc_tests compares with, shows through the same host).
    void ExpectAsStillRender(const Surface& shot) {
        const std::string still = temp.File("still.png");
        ASSERT_EQ(xtest::Run({{kCli, "render", folder, still, "--still"}}, 60000), 0);
        Surface expected;
        ASSERT_TRUE(platform::ReadPng(still, &expected));
        fs::remove(still);
        const xtest::Comparison diff = xtest::Compare(shot, expected, 0);
        EXPECT_EQ(diff.compared, shot.width * shot.height);
        EXPECT_EQ(diff.differing, 0) << "worst " << diff.worst;
    }
    void ExpectEnded() {
        int status = -1;
        ASSERT_TRUE(runtime->WaitExit(10000 * kSlowdown, &status));
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
        EXPECT_TRUE(x.FindWindows("Installer Window").empty());
    }

    xtest::XDisplay x;
    nlohmann::json project;
    sandbox::TempFolder temp;  // outlives the runtime started in it
    const std::string folder = temp.File("menu");
    std::unique_ptr<xtest::Child> runtime;
};

// The whole way from start through the animation to "QUIT"; the leak check runs this one.
TEST_F(RuntimeTest, QuitLinkEndsTheProgram) {
    const int quit = QuitIndex();
    Start(Velomar());
    ASSERT_TRUE(x.WaitForWindow("Installer Window", 15000 * kSlowdown));
    EXPECT_EQ(x.FindWindows("Installer Window"), std::vector<Rect>{kWindow});
    const Surface shot = WaitForStillClient();
    ASSERT_FALSE(shot.pixels.empty()) << "the animation does not end";
    ExpectAsStillRender(shot);
    const Surface frame = x.Grab(kWindow);  // WS_BORDER's black frame
    EXPECT_EQ(frame.At(0, 0), 0u);

    // On the link's text: the hilite colour and the hand.
    ASSERT_EQ(xtest::CountColour(shot, TextBand(quit), Hilite()), 0) << "lit before hovering";
    PointAt(quit);
    EXPECT_TRUE(LightsUp(quit));
    Point hot;
    ASSERT_TRUE(x.CursorHotSpot(&hot));
    EXPECT_EQ(hot, (Point{12, 1})) << "the runtime's hand cursor";
    x.Click(1);
    ExpectEnded();
}

// A server without shared memory: the window's pixels reach it the other way,
// and the menu shows the same. Then the keypad alone, as the host passes its
// keys on: Down walks from nothing lit to the first link and on, Enter runs
// the lit one.
class RuntimeWithoutSharedMemory : public RuntimeTest {
  protected:
    RuntimeWithoutSharedMemory() : RuntimeTest({"-extension", "MIT-SHM"}) {}
};

TEST_F(RuntimeWithoutSharedMemory, ShowsWhatAStillRenderShowsAndTheKeypadRunsQuit) {
    const int quit = QuitIndex();
    Start(Velomar());
    ASSERT_TRUE(x.WaitForWindow("Installer Window", 15000 * kSlowdown));
    const Surface shot = WaitForStillClient();
    ASSERT_FALSE(shot.pixels.empty()) << "the animation does not end";
    ExpectAsStillRender(shot);
    for (int i = 0; i <= quit; ++i) x.PressKey("KP_Down");
    EXPECT_TRUE(LightsUp(quit));
    x.PressKey("KP_Enter");
    ExpectEnded();
}

// GTK would load the GL driver although nothing draws GL, and ALSA prints its
// complaints for every sound without a sound device: neither may happen. The
// GL setting that keeps GTK off it must not reach the programs links start.
TEST_F(RuntimeTest, NoGlNorSoundNoiseAndLinksKeepTheUsersEnvironment) {
    const struct {
        std::vector<std::string> env;
        std::string childSees;  // the link's program's GDK_GL line, "" for none
    } cases[] = {{{}, ""}, {{"GDK_GL=gles"}, "GDK_GL=gles"}};
    const nlohmann::json link = project["HotSpots"][0];
    for (const auto& c : cases) {
        SCOPED_TRACE(c.childSees);
        // The sample, its first link turned into a program that records its environment.
        fs::remove_all(folder);
        fs::copy(kSample, folder, fs::copy_options::recursive);
        ASSERT_EQ(xtest::Run({{kCli, "resave", folder, "--plain"}}, 60000), 0);
        std::string settings = sandbox::ReadBytes(folder + "/AppSetup.dat");
        for (const auto& [key, to] : {std::pair<std::string, std::string>{"HotSpotCommand", "RUN"},
                                      {"HotSpotCommandDataA", "env.sh"}}) {
            const std::string from = key + "1=" + link[key].get<std::string>();
            const auto at = settings.find(from);
            ASSERT_NE(at, std::string::npos) << from;
            settings.replace(at, from.size(), key + "1=" + to);
        }
        std::ofstream(folder + "/AppSetup.dat", std::ios::binary | std::ios::trunc) << settings;
        const std::string recorded = folder + "/child.env";
        std::ofstream(folder + "/env.sh") << "#!/bin/sh\nenv > '" << recorded << ".part' && mv '"
                                          << recorded << ".part' '" << recorded << "'\n";
        fs::permissions(folder + "/env.sh", fs::perms::owner_all);

        const std::string errors = folder + "/stderr";
        Start({"/bin/sh", "-c", kToStderr, kVelomar, errors}, c.env);
        ASSERT_TRUE(x.WaitForWindow("Installer Window", 15000));
        WaitForStillClient();  // the start-up sound has been tried by now
        const std::string maps =
            sandbox::ReadBytes("/proc/" + std::to_string(runtime->pid()) + "/maps");
        ASSERT_NE(maps.find("libwx_gtk3"), std::string::npos);
        for (const char* gl : {"libGL", "libEGL", "_dri.so"})
            EXPECT_EQ(maps.find(gl), std::string::npos) << gl << " is loaded";
        EXPECT_NE(maps.find("libcanberra"), std::string::npos) << "the start-up sound went nowhere";

        PointAt(0);
        Sleep(300);
        x.Click(1);
        for (int i = 0; i < 100 && !fs::exists(recorded); ++i) Sleep(100);
        std::istringstream env(sandbox::ReadBytes(recorded));
        ASSERT_FALSE(env.str().empty()) << "the link's program did not run";
        std::string line, seen;
        while (std::getline(env, line))
            if (line.rfind("GDK_GL=", 0) == 0) seen = line;
        EXPECT_EQ(seen, c.childSees);
        // Sounds were played (start-up, hover): not a word of ALSA's on stderr.
        EXPECT_EQ(sandbox::ReadBytes(errors).find("ALSA"), std::string::npos)
            << sandbox::ReadBytes(errors);
        runtime.reset();
    }
}

// A logo that cannot be loaded ends the runtime as on Windows, with no window
// and no message box, but stderr says why.
TEST_F(RuntimeTest, AMissingLogoIsNamedOnStderr) {
    fs::copy(kSample, folder, fs::copy_options::recursive);
    fs::remove(folder + "/res/title.bmp");
    const std::string errors = folder + "/stderr", messages = folder + "/messages";
    const std::vector<std::string> env = {"DISPLAY=" + x.name(), "NO_AT_BRIDGE=1",
                                          "VELOMAR_MESSAGE_LOG=" + messages};
    const xtest::Command command = {{"/bin/sh", "-c", kToStderr, kVelomar, errors}, folder, env};
    EXPECT_EQ(xtest::Run(command, 30000 * kSlowdown), 255);
    EXPECT_EQ(sandbox::ReadBytes(errors), "Failed to load our LOGO bitmap res\\title.bmp!\n");
    EXPECT_FALSE(fs::exists(messages));
}

// --help and --version print and end without a display, and never as a message
// box. Without the address space the toolkit needs to start, the wx programs
// say so and end with 1 before trying, where GLib would end them on the first
// thread it cannot start. The program itself loads in 60 MB.
TEST(Programs, HelpVersionAndNoRoomNeedNoDisplay) {
    sandbox::TempFolder temp;
    const std::string messages = temp.File("messages"), log = "VELOMAR_MESSAGE_LOG=" + messages;
    for (const std::string& program : {kVelomar, kForge, kCli}) {
        const std::string name = fs::path(program).filename().string();
        for (const char* flag : {"--help", "--version"}) {
            std::string out;
            const xtest::Command bare = {
                {"env", "-u", "DISPLAY", "-u", "WAYLAND_DISPLAY", program, flag}, "", {log}};
            EXPECT_EQ(xtest::Run(bare, 30000, &out), 0) << name << " " << flag;
            if (flag == std::string("--help"))
                EXPECT_NE(out.find("Usage: "), std::string::npos) << name << ": " << out;
            else
                EXPECT_EQ(out.rfind(name + " ", 0), 0u) << name << ": " << out;
        }
        if (program == kCli) continue;
        std::string out;
        const char* cramped = "ulimit -v 75000 && exec \"$0\" 2>&1";
        const xtest::Command command = {{"env", "-u", "DISPLAY", "sh", "-c", cramped, program},
                                        kSample};
        EXPECT_EQ(xtest::Run(command, 30000, &out), 1) << name;
        EXPECT_NE(out.find("not enough memory"), std::string::npos) << name << ": " << out;
    }
    EXPECT_FALSE(fs::exists(messages));
}

}  // namespace
