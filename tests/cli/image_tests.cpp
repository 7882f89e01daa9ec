// velomarforge-cli image and build on a copy of the sample, read back with xorriso, and on
// project folders that go wrong: runs that fail or are interrupted or killed at any moment.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>

#include <algorithm>
#include <chrono>
#include <thread>
#include <tuple>

#include "../support/project_sandbox.h"
#include "editor/disc_image/disc_image.h"
#include "editor/disc_image/disc_names.h"
#include "platform/posix/child_process.h"
#include "platform/replacement_file.h"

namespace {

using namespace sandbox;
using namespace std::string_literals;

const std::string kShippedRuntime = VELOMAR_BINARY_DIR "/bin/Velomar.exe";
const std::string kAutorun = "[autorun]\r\nopen=Velomar.exe\r\nicon=Velomar.exe\r\n";
const std::string kLongName =
    "docs/A rather long document name that goes well beyond sixty-four characters.txt";

// Extracts the image into `to` as one tree names its files ("norock": the
// Joliet names, "rockridge": the Rock Ridge ones) and lists them.
Strings Extracted(const std::string& image, const std::string& tree, const std::string& to) {
    fs::remove_all(to);
    // -read_fs counts only before -indev loads the tree.
    const std::string command =
        "xorriso -no_rc -read_fs " + std::string(tree == "rockridge" ? "any" : tree) +
        " -osirrox on -indev '" + image + "' -extract / '" + to + "' >/dev/null 2>&1";
    std::system(command.c_str());
    Strings names;
    for (const auto& e : fs::recursive_directory_iterator(to))
        if (!e.is_directory()) names.push_back(fs::relative(e.path(), to).string());
    std::sort(names.begin(), names.end());
    return names;
}

// Gone, or a zombie no one has reaped yet: either way it runs no more.
bool Ended(pid_t pid) {
    const std::string stat = ReadBytes("/proc/" + std::to_string(pid) + "/stat");
    const std::size_t paren = stat.rfind(')');
    return paren == std::string::npos || stat.substr(paren + 2, 1) == "Z";
}

// The sample with what must stay off the disc (killed runs' temporary files and
// a link out of the folder), and user files named much like them, which go on.
class CliImage : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::copy(VELOMAR_SOURCE_DIR "/examples/sample", box.folder.Path(),
                 fs::copy_options::recursive);
        WriteBytes(P(kLongName), "long");
        WriteBytes(P("AppSetup.dat.tmp.0a1b2c3d"), "half-saved");
        WriteBytes(P("docs/readme.txt.tmp.00c0ffee"), "half-copied");
        WriteBytes(P("readme.tmp.CAFE00"), "the user's");
        WriteBytes(P("docs/notes.tmp7"), "the user's");
        WriteBytes(outside.File("secret.txt"), "not for the disc");
        fs::create_symlink(outside.File("secret.txt"), P("docs/secret.txt"));
        WriteBytes(runtime, "MZ" + std::string(4 << 20, 'r'));
    }
    std::string P(const std::string& name) const { return box.folder.File(name); }
    // The names in the output folder; with `leftovers`, the temporary and lock
    // files a run left in the project folder.
    Strings OutFolder(bool leftovers = false) const {
        Strings names;
        for (const auto& e : fs::directory_iterator(leftovers ? box.folder.Path() : out.Path()))
            if (const std::string n = e.path().filename().string();
                !leftovers || platform::IsTemporaryName(n) || n == platform::PROJECT_LOCK_NAME)
                names.push_back(n);
        return names;
    }
    std::vector<std::string> Image(const std::string& image) const {
        return {"image", box.folder.Path(), image, "--runtime", runtime, "--quiet"};
    }

    ProjectSandbox box;
    TempFolder outside, out, scratch;
    const std::string runtime = scratch.File("Velomar.exe");
};

// Written into the project folder too, and again: an image never holds itself,
// nor an earlier image; the names of the title, or of --label, are on the disc.
const std::string kLeftOff =
    std::string(LEFT_OFF_NOTE) +
    "\ndocs/readme.txt.tmp.00c0ffee: a temporary file a stopped run left behind"
    "\ndocs/secret.txt: a link that leads out of the project folder or nowhere\n";

TEST_F(CliImage, HoldsExactlyTheBuiltProject) {
    if (!fs::exists(kShippedRuntime)) GTEST_SKIP() << "no Velomar.exe was built (MinGW missing)";
    const std::string label = "Mon disque d'\xC3\xA9t\xC3\xA9";
    const struct {
        std::string image, label, iso;
        std::u16string joliet;
    } cases[] = {
        {out.File("sample.iso"), "", "VELOMAR_SAMPLE", u"Velomar Sample"},
        {P("self.iso"), "", "VELOMAR_SAMPLE", u"Velomar Sample"},
        {P("self.iso"), label, "MON_DISQUE_D_ETE", u"Mon disque d'\u00e9t\u00e9"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = {"image", box.folder.Path(), c.image};
        if (!c.label.empty()) args.insert(args.end(), {"--label", c.label});
        const std::string report =
            "Removed 0 files from res; kept 0 only because a link uses them.\n";
        ASSERT_EQ(RunCli(args), (CliRun{0, report, kLeftOff})) << c.iso;
        for (const char* tree : {"norock", "rockridge"})
            EXPECT_EQ(
                Extracted(c.image, tree, scratch.File(tree)),
                (Strings{"AppSetup.dat", "Velomar.exe", "autorun.inf", kLongName, "docs/notes.tmp7",
                       "docs/readme.txt", "docs/welcome.htm", "readme.tmp.CAFE00",
                       "res/background.bmp", "res/disc.bmp", "res/hover.wav", "res/startup.wav",
                       "res/tagline.bmp", "res/title.bmp"}))
                << c.image << ", " << tree;
        const std::string bytes = ReadBytes(c.image);
        EXPECT_EQ(bytes.substr(16 * 2048 + 40, 32), c.iso + std::string(32 - c.iso.size(), ' '));
        std::string joliet;  // UTF-16, big-endian
        for (char16_t u : c.joliet) joliet += {char(u >> 8), char(u & 0xFF)};
        EXPECT_NE(bytes.find(joliet), std::string::npos) << c.iso;
    }
    const std::string files = scratch.File("rockridge/");
    EXPECT_EQ(ReadBytes(files + "Velomar.exe"), ReadBytes(kShippedRuntime));
    EXPECT_EQ(ReadBytes(files + "AppSetup.dat"), box.SettingsBytes());
    EXPECT_EQ(OutFolder(), Strings{"sample.iso"});
    const fs::perms readable = fs::status(out.File("sample.iso")).permissions();
    EXPECT_EQ(readable & fs::perms::others_read, fs::perms::others_read);
}

TEST_F(CliImage, FailuresLeaveNoImage) {
    const std::string image = out.File("disc.iso");
    // PATH without xorriso: said first, before the project is touched.
    EXPECT_EQ(RunCli(Image(image), "PATH=/nowhere"),
              (CliRun{1, "", std::string(XORRISO_MISSING) + "\n"}));
    EXPECT_FALSE(fs::exists(P("autorun.inf")));

    // An image never replaces a file of the project, in any letter case, nor
    // a folder; each is refused before the build. The picture's refusals,
    // which are the same, take a pipe.
    const std::string settings = box.SettingsBytes();
    const std::string ours = "The disc image cannot replace a file of the project:\n";
    const std::string notAFile = "The disc image cannot be written to\n";
    const std::string again = "\n\nPlease choose another name.\n";
    const std::pair<std::string, std::string> refused[] = {
        {P("AppSetup.dat"), ours + P("AppSetup.dat") + again},
        {P("res/TITLE.BMP"), ours + P("res/TITLE.BMP") + "\n(the project holds title.bmp)" + again},
        {P("res"), notAFile + P("res") + "\nIt is a folder, not a file." + again},
    };
    for (const auto& [target, message] : refused)
        EXPECT_EQ(RunCli(Image(target)), (CliRun{1, "", message}));
    EXPECT_EQ(box.SettingsBytes(), settings);
    EXPECT_FALSE(fs::exists(P("autorun.inf")) || fs::exists(P("res/TITLE.BMP")));

    // An output folder that is not there: the system's reason, after the build.
    const std::string nowhere = out.File("none/disc.iso");
    EXPECT_EQ(RunCli(Image(nowhere)), (CliRun{1, "", "Failed to create the disc image file: " +
                                                     nowhere + "\nNo such file or directory\n"}));
    EXPECT_TRUE(fs::exists(P("autorun.inf")));

    // Two names Windows takes for one: the build names them, and no image is made.
    WriteBytes(P("docs/README.TXT"), "twin");
    const std::string twins = "Failed to write the disc image: " + image + "\n" + CASE_CLASH_NOTE +
                              "\ndocs\\README.TXT and docs\\readme.txt\n";
    const CliRun clash = RunCli(Image(image));
    EXPECT_EQ(clash.status, 1);
    EXPECT_EQ(clash.err.substr(clash.err.find("Failed to write")), twins);
    EXPECT_TRUE(OutFolder().empty());
    fs::remove(P("docs/README.TXT"));

    // A build that fails writes no image.
    EXPECT_EQ(RunCli({"image", box.folder.Path(), image, "--runtime", P("none.exe")}).status, 1);
    EXPECT_TRUE(OutFolder().empty());

    // Too many entries to leave out: with the copy's leftover and its link out (the
    // builds removed the half-saved settings), 60000.
    fs::create_directory(P("links"));
    for (int i = 0; i < 59998; ++i)
        fs::create_symlink("/etc/hostname", P("links/l" + std::to_string(i)));
    EXPECT_EQ(RunCli(Image(image)),
              (CliRun{1, "",
                      "Failed to write the disc image: " + image +
                          "\nThe project folder holds 60000 entries that must stay off the disc "
                          "(links that lead out of the folder or nowhere, temporary files, pipes "
                          "or devices): too many to leave out. Remove them from the project "
                          "folder and try again.\n"}));
    EXPECT_TRUE(OutFolder().empty());
}

// While xorriso writes: SIGTERM (as Ctrl+C) stops it and leaves no image; a
// SIGKILL, which the CLI cannot catch, still takes xorriso along.
TEST_F(CliImage, InterruptedOrKilledRunsLeaveNoImageAndNeverAPartOfAFile) {
    fs::create_directory(scratch.File("bin"));
    const std::string standIn = scratch.File("bin/xorriso"), pidFile = scratch.File("pid");
    WriteBytes(standIn, "#!/bin/sh\nfor a; do case \"$a\" in stdio:*) out=\"${a#stdio:}\";; esac;"
                        " done\necho partial > \"$out\"\necho $$ > '" +
                            pidFile + "'\nexec sleep 60\n");
    fs::permissions(standIn, fs::perms::owner_all);
    const std::string oldPath = std::getenv("PATH");
    for (const int signal : {SIGTERM, SIGKILL}) {
        SCOPED_TRACE(signal);
        fs::remove(pidFile);
        platform::posix::ChildProcess cli;
        ::setenv("PATH", (scratch.File("bin") + ":" + oldPath).c_str(), 1);
        const bool started = cli.Start(kCli, Image(out.File("disc.iso")));
        ::setenv("PATH", oldPath.c_str(), 1);
        ASSERT_TRUE(started);
        // The stand-in is running once it wrote its pid.
        pid_t xorriso = 0;
        for (int i = 0; i < 1000 && xorriso <= 0; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            xorriso = std::atoi(ReadBytes(pidFile).c_str());
        }
        ASSERT_GT(xorriso, 0);
        ASSERT_FALSE(OutFolder().empty());  // the temporary image is there now

        ASSERT_EQ(::kill(cli.Id(), signal), 0);
        std::string err;
        while (cli.ReadError(&err, 10000)) continue;
        EXPECT_EQ(cli.Wait(), signal == SIGTERM ? 1 : -1);
        for (int i = 0; i < 200 && !Ended(xorriso); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        EXPECT_TRUE(Ended(xorriso));
        if (!Ended(xorriso)) ::kill(xorriso, SIGKILL);
        if (signal == SIGTERM) {
            EXPECT_EQ(err, "Interrupted: no disc image was written.\n");
            EXPECT_TRUE(OutFolder().empty());
            EXPECT_NE(::kill(xorriso, 0), 0);  // stopped and reaped
        }
    }

    // A build killed at any moment leaves the old files or the new, never a part.
    const std::string oldAutorun = "[autorun]\r\nopen=Old.exe\r\n";
    const std::vector<std::string> build = {"build", box.folder.Path(), "--runtime", runtime};
    auto run = [&build](std::chrono::microseconds killAfter) {
        platform::posix::ChildProcess cli;
        if (!cli.Start(kCli, build)) return -2;
        if (killAfter.count() < 0) return cli.Wait();
        std::this_thread::sleep_for(killAfter);
        cli.Kill();
        return -1;
    };
    // How long a whole build takes here, so the kills spread over all of it.
    const auto start = std::chrono::steady_clock::now();
    ASSERT_EQ(run(std::chrono::microseconds(-1)), 0);
    const auto whole = std::chrono::duration_cast<std::chrono::microseconds>(
        std::chrono::steady_clock::now() - start);

    const std::string newRuntime = ReadBytes(runtime);
    constexpr int kKills = 30;
    for (int i = 0; i < kKills; ++i) {
        WriteBytes(P("autorun.inf"), oldAutorun);
        WriteBytes(P("Velomar.exe"), "MZ old");
        run(whole * i / kKills);
        const std::string autorun = ReadBytes(P("autorun.inf"));
        EXPECT_TRUE(autorun == oldAutorun || autorun == kAutorun) << i << ": " << autorun;
        const std::string exe = ReadBytes(P("Velomar.exe"));
        EXPECT_TRUE(exe == "MZ old" || exe == newRuntime) << i << ": " << exe.size() << " bytes";
    }
    // The next build removes what the killed ones left.
    ASSERT_EQ(run(std::chrono::microseconds(-1)), 0);
    EXPECT_EQ(OutFolder(true), Strings{});
    EXPECT_EQ(ReadBytes(P("autorun.inf")), kAutorun);
}

// A bad SOURCE_DATE_EPOCH is refused before the build. Saved and built again a
// second later, in another time zone, the same folder makes the same image:
// every date in it is SOURCE_DATE_EPOCH, else the newest file's but for those
// the save and the build rewrite.
TEST_F(CliImage, OneFolderMakesOneImage) {
    for (const char* bad : {"", "0", "12a", "5869584000"}) {
        const CliRun run = RunCli(Image(out.File("bad.iso")), "SOURCE_DATE_EPOCH="s + bad);
        EXPECT_EQ(run.status, 1);
        const std::string said = "Cannot make a disc image: SOURCE_DATE_EPOCH is \"" +
                                 std::string(bad) + "\", not a whole number of seconds";
        EXPECT_EQ(run.err.substr(0, said.size()), said);
        EXPECT_FALSE(fs::exists(P("autorun.inf")));
    }
    std::string images[2];  // into the project, where the earlier one stays off the disc
    for (std::string& image : images) {
        std::this_thread::sleep_for(std::chrono::milliseconds(&image == images ? 0 : 1100));
        ::setenv("TZ", &image == images ? "UTC" : "Asia/Tokyo", 1);
        ASSERT_EQ(RunCli({"resave", box.folder.Path()}).status, 0);  // as the editor saves first
        ASSERT_EQ(RunCli(Image(P("disc.iso"))), (CliRun{0, "", kLeftOff}));
        image = ReadBytes(P("disc.iso"));
    }
    EXPECT_TRUE(images[0] == images[1]);
    const std::string first = out.File("first.iso");

    // title.bmp, the newest file, is newer than the build's and the save's.
    const timespec newest[2] = {{2000000000, 0}, {2000000000, 0}};
    ::utimensat(AT_FDCWD, P("res/title.bmp").c_str(), newest, 0);
    ASSERT_EQ(RunCli({"resave", box.folder.Path()}).status, 0);
    // The volume's dates, then the stamp of records and Rock Ridge (year past
    // 1900, month, day, hour, minute, second, zone), both UTC.
    const std::tuple<const char*, std::string, std::string> cases[] = {
        {nullptr, "2033051803332000", "\x85\x05\x12\x03\x21\x14\x00"s},
        {"1234567890", "2009021323313000", "\x6d\x02\x0d\x17\x1f\x1e\x00"s},
        {"5869583999", "2155123123595900", "\xff\x0c\x1f\x17\x3b\x3b\x00"s}};
    for (const auto& [epoch, volume, stamp] : cases) {
        ASSERT_EQ(RunCli(Image(first), epoch ? "SOURCE_DATE_EPOCH="s + epoch : "").status, 0);
        const std::string bytes = ReadBytes(first);
        auto count = [&bytes](const std::string& what) {
            int n = 0;
            for (std::size_t at = 0; (at = bytes.find(what, at)) != std::string::npos; ++at) ++n;
            return n;
        };
        // Created, modified, effective in both descriptors and in their copy 32
        // blocks on; five stamps for each of the 14 files, in the ISO 9660,
        // Rock Ridge and Joliet trees.
        EXPECT_EQ(count(volume + '\0'), 12) << volume;
        EXPECT_GE(count(stamp), 14 * 5) << volume;
    }

    // On a terminal (script gives one) the progress line is rewritten in
    // place and ended before the next message; a pipe got none of it above.
    const std::string log = scratch.File("log");
    const std::string command = "script -qec \"'" + kCli + "' image '" + box.folder.Path() + "' '" +
                                scratch.File("tty.iso") + "' --runtime '" + runtime +
                                "'\" /dev/null > '" + log + "' 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0);
    const std::string shown = ReadBytes(log);
    EXPECT_NE(shown.find("\rWriting the disc image"), std::string::npos) << shown;
    EXPECT_NE(shown.find("\x1b[K\r\n"s + LEFT_OFF_NOTE), std::string::npos) << shown;
}

// Runs on one project take turns: each pair starts together, both succeed, and
// the folder ends as either leaves it, without a temporary or a lock file.
TEST_F(CliImage, RunsOnOneProjectTakeTurns) {
    const std::vector<std::string> build = {"build", box.folder.Path(), "--runtime", runtime},
                                   resave = {"resave", box.folder.Path()};
    ASSERT_EQ(RunCli(resave).status, 0);
    const std::string settings = ReadBytes(P("AppSetup.dat"));
    // Both exit statuses, then what either said.
    auto pair = [](const std::vector<std::string>& a, const std::vector<std::string>& b) {
        platform::posix::ChildProcess first, second;
        if (!first.Start(kCli, a) || !second.Start(kCli, b)) return std::string("not started");
        std::string said;
        for (bool one = true, two = true; one || two;) {
            if (one) one = first.ReadError(&said, 10);
            if (two) two = second.ReadError(&said, 10);
        }
        return std::to_string(first.Wait()) + " " + std::to_string(second.Wait()) + " " + said;
    };
    const std::string statuses = "0 0 ";
    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(pair(resave, build), statuses) << i;
        EXPECT_EQ(pair(build, Image(out.File("disc.iso"))), statuses + kLeftOff) << i;
    }
    EXPECT_EQ(ReadBytes(P("AppSetup.dat")), settings);
    EXPECT_EQ(ReadBytes(P("autorun.inf")), kAutorun);
    EXPECT_EQ(OutFolder(true), Strings{});
}

}  // namespace
