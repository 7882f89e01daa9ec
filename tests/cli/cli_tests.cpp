// velomarforge-cli as a user runs it: exit statuses, the exact messages on
// stderr, the JSON, the bytes written and the pixels rendered. What each
// command does inside is its core's; here each reaches it through the program.
#include <gmock/gmock.h>
#include <sys/stat.h>

#include <cstdlib>
#include <nlohmann/json.hpp>
#include <sstream>

#include "../engine/engine_fixture.h"
#include "../support/project_sandbox.h"
#include "platform/headless/png_writer.h"

namespace {

using nlohmann::ordered_json;
using namespace enginetest;
using namespace sandbox;
using ::testing::HasSubstr;

std::string NoProject(const std::string& folder) {
    return "No Velomar project in " + folder + "/: its settings file AppSetup.dat is missing.\n";
}

// The object's keys in document order.
std::string KeysOf(const ordered_json& object) {
    std::string keys;
    for (auto it = object.begin(); it != object.end(); ++it) keys += it.key() + " ";
    return keys;
}

// A solid project whose one logo slides in from (300, 300) to (10, 10) and
// whose one link stands at (100, 200); the logo's top-left pixel is the mask.
constexpr ColorRef kLogo = Rgb(200, 0, 0);

TestProject Menu(const std::string& background = "@@0000000140a060",
                 const std::string& logo = "res\\logo.bmp") {
    return {{{logo, {10, 10}, 1, {300, 300}}}, {{"Open the menu link", 100, 200}}, background};
}

// A folder holding the menu, made under `scratch`.
std::string MenuFolder(const TempFolder& scratch, const std::string& name, const TestProject& p) {
    const std::string folder = scratch.File(name + "/");
    enginetest::WriteBmp(folder + "res/logo.bmp", 20, 20,
                         [](int x, int y) { return x == 0 && y == 0 ? kMask : kLogo; });
    platform::HeadlessPlatform host;
    p.Write(folder);
    return folder;
}

// new makes the default project, answers the overwrite question No unless
// forced; show prints the whole record in the file's order.
TEST(Cli, NewAndShow) {
    TempFolder scratch;
    const std::string project = scratch.File("a/b/c");  // intermediate folders missing
    const std::string settings = project + "/AppSetup.dat";
    EXPECT_EQ(RunCli({"new", project}), (CliRun{0, "", ""}));
    EXPECT_EQ(ReadBytes(settings), Fixture("default_scrambled.dat"));
    WriteBytes(settings, Fixture("full_scrambled.dat"));
    const auto j = ordered_json::parse(RunCli({"show", project}).out, nullptr, false);
    EXPECT_EQ(j["ProjectFolder"], project + "/");
    EXPECT_EQ(KeysOf(j),
              "ProjectFolder EncryptionType SettingsVersion WindowTitle BackGroundBitmapName "
              "NumberOfLogosToDraw Logos LogoAnnimationDelay NumberOfHotSpots HotSpots "
              "HotSpotTextColorR HotSpotTextColorG HotSpotTextColorB HotSpotTextHiliteColorR "
              "HotSpotTextHiliteColorG HotSpotTextHiliteColorB HotSpotFontSize StartupWaveFile "
              "HotSpotWaveFile AutoPlay AutoPlayIcon ");
    ASSERT_EQ(j["Logos"].size(), 2u);
    ASSERT_EQ(j["HotSpots"].size(), 3u);
    EXPECT_EQ(KeysOf(j["Logos"][0]),
              "LogoBitmapName LogoBitmapLocationX LogoBitmapLocationY AnimateLogo "
              "LogoBitmapAnimateLocationX LogoBitmapAnimateLocationY ResizeLogo "
              "LogoBitmapMaskColorR LogoBitmapMaskColorG LogoBitmapMaskColorB ");
    EXPECT_EQ(KeysOf(j["HotSpots"][0]),
              "HotSpotText HotSpotTextLocationLeft HotSpotTextLocationTop HotSpotCommand "
              "HotSpotCommandDataA HotSpotCommandDataB ");
    EXPECT_EQ(j["HotSpotFontSize"], -16);  // as held in the record

    EXPECT_EQ(RunCli({"new", project}), (CliRun{1, "", "Project already exists.\nDo you wish to "
                      "overwrite?\nNothing was replaced: add --force to overwrite it.\n"}));
    EXPECT_EQ(ReadBytes(settings), Fixture("full_scrambled.dat"));
    EXPECT_EQ(RunCli({"new", "--force", project}), (CliRun{0, "", ""}));
    EXPECT_EQ(ReadBytes(settings), Fixture("default_scrambled.dat"));
    // set changes the disc's settings as the dialog does.
    for (const auto& [what, value] : {std::pair("title", "Smith Disc"), {"autoplay", "on"}})
        EXPECT_EQ(RunCli({"set", project, what, value}), (CliRun{0, "", ""}));
    const auto set = ordered_json::parse(RunCli({"show", project}).out, nullptr, false);
    EXPECT_EQ(set["WindowTitle"].dump() + set["AutoPlay"].dump() + set["AutoPlayIcon"].dump(),
              "\"Smith Disc\"1\"\"");

    // Text that is not UTF-8 is escaped losslessly.
    std::string bytes = Fixture("one_each.dat");
    const std::string title = "Caf\xe9 \xc3\xa9 \"q\" \\ \x01\t";  // cp1252 é, UTF-8 é
    bytes.replace(bytes.find("WindowTitle=T"), 13, "WindowTitle=" + title);
    WriteBytes(settings, bytes);
    EXPECT_THAT(RunCli({"show", project}).out,
                HasSubstr("\"WindowTitle\": \"Caf\\udce9 \xc3\xa9 \\\"q\\\" \\\\ \\u0001\\t\""));
}

// Each command's exit status: 0 with its result, 1 with exactly the message
// box's text, 2 on a usage error (of each kind: no command, a missing, empty or
// extra argument, a bad or missing option value, options that exclude each
// other). resave switches the stored form or keeps it. Control characters in
// names reach a terminal escaped.
TEST(Cli, ExitStatusesAndMessages) {
    TempFolder scratch;
    WriteBytes(scratch.File("file"), "x");
    WriteBytes(scratch.File("AppSetup.dat"), Fixture("logo_count_16.dat"));
    const std::string menu = MenuFolder(scratch, "menu", Menu());
    WriteBytes(menu + "res/orphan.bmp", "no longer used");
    const std::string name = "res\\\x1b]0;owned\x07\x9b" "2J.bmp";
    const std::string controls = MenuFolder(scratch, "controls", Menu("@@0000000140a060", name));
    // Pictures that are no BMPs; a build that removes one file and keeps one for its link.
    const std::string pngLogo = MenuFolder(scratch, "png", Menu("@@0000000140a060", "res\\l.png"));
    const std::string gif = MenuFolder(scratch, "gif", Menu("res\\back.gif"));
    TestProject linked = Menu();
    linked.hotspots[0] = {"Set up", 100, 200, "RUN", "res\\setup.exe"};
    const std::string built = MenuFolder(scratch, "built", linked);
    for (const auto& [file, bytes] : {std::pair{pngLogo + "res/l.png", "\x89PNG"},
                                      {gif + "res/back.gif", "GIF89a"},
                                      {built + "res/setup.exe", "MZ"},
                                      {built + "res/notes.txt", ""},
                                      {scratch.File("Velomar.exe"), "MZ"}})
        WriteBytes(file, bytes);
    const std::string dir = scratch.Path(), png = scratch.File("x.png");
    const std::string unwritable = scratch.File("no/such/x.png");
    const std::string runtime = scratch.File("none/Velomar.exe");
    // Not ours to replace: a pipe behind a link, a project's file in another
    // letter case. The other refusals are the image's, which shares them.
    const std::string fifo = scratch.File("fifo");
    const std::string toFifo = scratch.File("to-fifo");
    ::mkfifo(fifo.c_str(), 0666);
    fs::create_symlink(fifo, toFifo);
    const std::string ours = "The picture cannot replace a file of the project:\n" + menu,
                      again = "\n\nPlease choose another name.\n";
    const std::string forms = scratch.File("forms/");
    fs::create_directory(forms);
    WriteBytes(forms + "AppSetup.dat", Fixture("full_plain_lf.dat"));
    const struct {
        std::vector<std::string> args;
        int status;
        std::string out, err;
        const char* bytes = nullptr;  // the settings file of `forms` afterwards
    } cases[] = {
        {{"encode", "abc"}, 0, "gjZYXv\n", ""},
        {{"encode", "--no-framing", "abc"}, 0, "ZYX\n", ""},
        {{"encode", "--no-reversal", "abc"}, 0, "gjXYZv\n", ""},
        {{"decode", "--no-framing", "ZYX"}, 0, "abc\n", ""},
        {{"resave", forms}, 0, "", "", "full_plain.dat"},
        {{"resave", "--scrambled", forms}, 0, "", "", "full_scrambled.dat"},
        {{"resave", forms}, 0, "", "", "full_scrambled.dat"},
        {{"resave", "--plain", forms}, 0, "", "", "full_plain.dat"},
        {{"encode", ""}, 1, "", "Cannot encode an empty text.\n"},
        {{"decode", "ab"}, 1, "",
         "Cannot decode: the text is empty or, with framing, shorter than 3 characters.\n"},
        {{"new", scratch.File("file/project")}, 1, "", "Failed to create the project folder!\n"},
        {{"show", scratch.File("nothing")}, 1, "", NoProject(scratch.File("nothing"))},
        {{"resave", dir}, 1, "", "Failed to read in 'NUM_LOGOS' value from INI file!\n"},
        {{"render", scratch.File("nowhere"), png}, 1, "", NoProject(scratch.File("nowhere"))},
        {{"frobnicate"}, 2, "",
         "Unknown command: frobnicate\nRun velomarforge-cli --help for the commands.\n"},
        {{"render", menu, toFifo}, 1, "", "The picture cannot be written to\n" + toFifo +
         "\nIt is a device, a pipe or a socket, not a file.\n\nPlease choose another name.\n"},
        {{"render", menu, menu + "res/LOGO.bmp"}, 1, "",
         ours + "res/LOGO.bmp\n(the project holds logo.bmp)" + again},
        {{"render", menu, unwritable}, 1, "", "Failed to write the picture " + unwritable + "!\n"},
        // The window shows no message box for a missing logo; the CLI still says why.
        // A pipe gets the bytes as they are; a terminal (below) gets them escaped.
        {{"render", controls, png}, 1, "", "Failed to load our LOGO bitmap " + name + "!\n"},
        {{"render", pngLogo, png}, 1, "", "Failed to load our LOGO bitmap res\\l.png!\nres\\l.png "
         "is not a BMP picture (it is a PNG): only BMP pictures work.\n"},
        {{"render", gif, png}, 1, "", "Failed to load our background bitmap!\nres\\back.gif is not "
         "a BMP picture (it is a GIF): only BMP pictures work.\n"},
        {{"build", built, "--runtime", scratch.File("Velomar.exe")}, 0,
         "Removed res\\notes.txt\nKept res\\setup.exe: a link uses it\nRemoved 1 file from "
         "res; kept 1 only because a link uses it.\n", ""},
        {{"build", built, "--quiet", "--runtime", scratch.File("Velomar.exe")}, 0, "", ""},
        {{"set", forms, "autoplay-icon", scratch.File("file")}, 1, "",
         scratch.File("file") + " is not an icon file (.ico): it does not begin as one.\n",
         "full_plain.dat"},
        {{"build", menu, "--runtime", runtime}, 1, "", "Failed to open the specified file:\n" +
         runtime + "\nFailed to copy the runtime to the project directory!\n"},
    };
    // Usage errors, D the folder and P the picture; their wording is the parser's.
    for (const char* usage :
         {"", "show", "show a b", "encode --bogus x", "resave --plain --scrambled D", "render D",
          "render D P --mouse abc", "render D P --mouse 1,", "render D P --steps -1",
          "build D --runtime=", "image D P --label", "set D autoplay yes", "set D colour x",
          "set D title"}) {
        std::vector<std::string> args;
        std::istringstream words(usage);
        for (std::string w; words >> w;) args.push_back(w == "D" ? dir : w == "P" ? png : w);
        EXPECT_EQ(RunCli(args).status, 2) << usage;
    }
    for (const auto& c : cases) {
        const CliRun run = RunCli(c.args);
        EXPECT_EQ(run, (CliRun{c.status, c.out, c.err})) << ::testing::PrintToString(c.args);
        EXPECT_TRUE(!c.bytes || ReadBytes(forms + "AppSetup.dat") == Fixture(c.bytes)) << c.args[1];
    }
    EXPECT_EQ(ReadBytes(scratch.File("AppSetup.dat")), Fixture("logo_count_16.dat"));
    EXPECT_FALSE(fs::exists(png) || fs::exists(menu + "res/LOGO.bmp"));
    EXPECT_FALSE(fs::is_regular_file(fifo));
    // The failed build wrote autorun.inf before the copy, and cleaned nothing.
    EXPECT_TRUE(fs::exists(menu + "autorun.inf") && fs::exists(menu + "res/orphan.bmp"));
    EXPECT_FALSE(fs::exists(menu + "Velomar.exe"));
    // Texts beginning with "-" follow "--".
    const CliRun dashed = RunCli({"encode", "--", "-x"});
    ASSERT_EQ(dashed.status, 0) << dashed.err;
    EXPECT_EQ(RunCli({"decode", "--", dashed.out.substr(0, dashed.out.size() - 1)}).out, "-x\n");
    const CliRun help = RunCli({"show", "--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_THAT(help.out, HasSubstr("\\udcXX"));

    // script gives the program a terminal and copies what it prints.
    const std::string command = "script -qec \"LC_ALL=C '" + kCli + "' render '" + controls +
                                "' '" + png + "'\" /dev/null > '" + dir + "log' 2>&1";
    std::system(command.c_str());
    const std::string shown = ReadBytes(dir + "log");
    EXPECT_THAT(shown, HasSubstr("LOGO bitmap res\\\\x1b]0;owned\\x07\\x9b2J.bmp!"));
    EXPECT_EQ(shown.find_first_of("\x1b\x07\x9b"), std::string::npos) << shown;
}

// What each picture holds is the engine's; here each option reaches it:
// --still, --steps under the timer, --mouse over the link.
TEST(Cli, RenderOptionsDriveTheShow) {
    TempFolder scratch;
    const std::string project = MenuFolder(scratch, "menu", Menu());
    auto picture = [&](std::vector<std::string> options) {
        const std::string png = scratch.File("picture.png");
        fs::remove(png);
        options.insert(options.begin(), {"render", project, png});
        EXPECT_EQ(RunCli(options), (CliRun{0, "", ""}));
        Surface s;
        EXPECT_TRUE(platform::ReadPng(png, &s));
        EXPECT_EQ(std::pair(s.width, s.height), std::pair(638, 438));
        return s;
    };
    const Rect all = {0, 0, 638, 438};
    const Surface still = picture({"--still"});
    EXPECT_EQ(Count(still, {10, 10, 30, 30}, kLogo), 399);  // its mask pixel shows through
    EXPECT_EQ(Count(still, all, kHilite), 0);

    EXPECT_EQ(Count(picture({}), all, kLogo), 0) << "an animated logo waits for the timer";
    // Step 1 sets the movement up; step n + 2 draws frame n. Frame 8 stands at
    // 300 - trunc(8 * 290 / 40) = 242 on both axes.
    EXPECT_EQ(Count(picture({"--steps", "10"}), {242, 242, 262, 262}, kLogo), 399);

    EXPECT_GT(Count(picture({"--still", "--mouse", "110,210"}), {100, 200, 400, 240}, kHilite), 20);
}

// Without --runtime an installed program takes Velomar.exe from share/velomar
// beside its bin folder.
TEST(Cli, BuildTakesTheInstalledRuntimeByDefault) {
    TempFolder prefix;
    const std::string project = MenuFolder(prefix, "menu", Menu());
    for (const char* folder : {"bin", "share/velomar"}) fs::create_directories(prefix.File(folder));
    fs::copy_file(kCli, prefix.File("bin/velomarforge-cli"));
    WriteBytes(prefix.File("share/velomar/Velomar.exe"), "MZ installed");
    const std::string command =
        "'" + prefix.File("bin/velomarforge-cli") + "' build --quiet '" + project + "'";
    EXPECT_EQ(std::system(command.c_str()), 0);
    EXPECT_EQ(ReadBytes(project + "Velomar.exe"), "MZ installed");
}

}  // namespace

// With little address space the render either works or ends with the
// message: never a crash, never another text. The smallest cap must fail.
TEST(Cli, OutOfMemoryIsReportedNotACrash) {
    TempFolder scratch;
    const std::string noMemory =
        "There is not enough memory to go on. Close other programs and try again.\n";
    for (int kib = 20000; kib <= 80000; kib += 6000) {
        const std::string command = "ulimit -v " + std::to_string(kib) + "; exec '" + kCli +
                                    "' render '" VELOMAR_SOURCE_DIR "/examples/sample' '" +
                                    scratch.File("x.png") + "' 2>'" + scratch.File("err") + "'";
        const int status = std::system(command.c_str());
        const int code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        const std::string err = ReadBytes(scratch.File("err"));
        EXPECT_TRUE((code == 0 && err.empty()) || (code == 1 && err == noMemory))
            << kib << ": status " << status << ", " << err;
        if (kib == 20000) EXPECT_EQ(code, 1);
    }
}
