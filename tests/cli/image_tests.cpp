// velomarforge-cli image on a copy of the sample, read back with xorriso: the
// files under their Joliet and Rock Ridge names, the volume names, the bytes of
// the build, and the runs that must leave no image behind.
#include <gtest/gtest.h>
#include <signal.h>
#include <stdio.h>
#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "../support/ordinary_user.h"
#include "../support/project_sandbox.h"
#include "editor/disc_image/disc_image.h"
#include "platform/posix/child_process.h"

namespace {

namespace fs = std::filesystem;
using namespace sandbox;
using Names = std::vector<std::string>;

const std::string kCli = VELOMAR_BINARY_DIR "/bin/velomarforge-cli";
const std::string kShippedRuntime = VELOMAR_BINARY_DIR "/bin/Velomar.exe";
const std::string kLongName =
    "docs/A rather long document name that goes well beyond sixty-four characters.txt";

std::string Quoted(const std::string& s) {
    std::string out = "'";
    for (char c : s) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

std::string Output(const std::string& command) {
    std::string text;
    if (FILE* p = ::popen(command.c_str(), "r")) {
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, p)) > 0;)
            text.append(buffer, n);
        ::pclose(p);
    }
    return text;
}

// The files in the image as one tree shows them: "norock" reads the Joliet
// names, "rockridge" the Rock Ridge ones.
Names FilesInImage(const std::string& image, const std::string& tree) {
    // -read_fs counts only before -indev loads the tree.
    const std::string text =
        Output("xorriso -no_rc -read_fs " + std::string(tree == "rockridge" ? "any" : tree) +
               " -indev " + Quoted(image) + " -find / -not -type d 2>/dev/null");
    Names names;
    std::string line;
    for (char c : text) {
        if (c != '\n') {
            line += c;
        } else if (line.size() > 2 && line.front() == '\'' && line.back() == '\'') {
            names.push_back(line.substr(2, line.size() - 3));
            line.clear();
        } else {
            line.clear();
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string ExtractedFile(const std::string& image, const std::string& path,
                          const TempFolder& scratch) {
    const std::string to = scratch.File("extracted");
    fs::remove(to);
    Output("xorriso -no_rc -osirrox on -indev " + Quoted(image) + " -extract " + Quoted(path) +
           " " + Quoted(to) + " 2>/dev/null");
    return ReadBytes(to);
}

// The volume identifiers: the ISO 9660 one, and the Joliet one as UTF-8.
std::pair<std::string, std::string> VolumeNames(const std::string& image) {
    const std::string bytes = ReadBytes(image);
    std::string iso, joliet;
    for (std::size_t at = 16 * 2048; at + 2048 <= bytes.size(); at += 2048) {
        const unsigned char type = static_cast<unsigned char>(bytes[at]);
        if (type == 255) break;
        const std::string field = bytes.substr(at + 40, 32);
        if (type == 1) iso = field.substr(0, field.find_last_not_of(' ') + 1);
        if (type == 2 && bytes.compare(at + 88, 2, "%/") == 0) {
            std::u16string text;
            for (std::size_t i = 0; i < 32; i += 2)
                text += char16_t((static_cast<unsigned char>(field[i]) << 8) |
                                 static_cast<unsigned char>(field[i + 1]));
            text.erase(text.find_last_not_of(u' ') + 1);
            for (char16_t c : text) {  // the test titles stay below U+0800
                if (c < 0x80) {
                    joliet += char(c);
                } else {
                    joliet += char(0xC0 | (c >> 6));
                    joliet += char(0x80 | (c & 0x3F));
                }
            }
        }
    }
    return {iso, joliet};
}

// The sample with what must stay off the disc: our temporary files and a link
// out of the folder.
class CliImage : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::copy(VELOMAR_SOURCE_DIR "/examples/sample", box.folder.Path(),
                 fs::copy_options::recursive);
        WriteBytes(box.folder.File(kLongName), "long");
        WriteBytes(box.folder.File("AppSetup.dat.tmp.0a1b2c3d"), "half-saved");
        WriteBytes(box.folder.File("docs/readme.txt.tmp3"), "half-copied");
        WriteBytes(outside.File("secret.txt"), "not for the disc");
        fs::create_symlink(outside.File("secret.txt"), box.folder.File("docs/secret.txt"));
    }
    Names OutFolder() const {
        Names names;
        for (const auto& e : fs::directory_iterator(out.Path()))
            names.push_back(e.path().filename().string());
        return names;
    }

    ProjectSandbox box;
    TempFolder outside, out, scratch;
};

TEST_F(CliImage, HoldsExactlyTheBuiltProject) {
    if (!fs::exists(kShippedRuntime)) GTEST_SKIP() << "no Velomar.exe was built (MinGW missing)";
    const std::string image = out.File("sample.iso");
    const std::string inside = box.folder.File("self.iso");
    // Written into the project folder too: an image never holds itself.
    for (const std::string& path : {image, inside}) {
        ASSERT_EQ(RunCli({"image", box.folder.Path(), path}), (CliRun{0, "", ""}));
        for (const char* tree : {"norock", "rockridge"})
            EXPECT_EQ(
                FilesInImage(path, tree),
                (Names{"AppSetup.dat", "Velomar.exe", "autorun.inf", kLongName, "docs/readme.txt",
                       "res/background.bmp", "res/disc.bmp", "res/hover.wav", "res/startup.wav",
                       "res/tagline.bmp", "res/title.bmp", "tools/welcome.sh"}))
                << path << ", " << tree;
    }
    EXPECT_EQ(ExtractedFile(image, "/autorun.inf", scratch),
              "[autorun]\r\nopen=Velomar.exe\r\nicon=Velomar.exe\r\n");
    EXPECT_EQ(ExtractedFile(image, "/Velomar.exe", scratch), ReadBytes(kShippedRuntime));
    EXPECT_EQ(ExtractedFile(image, "/AppSetup.dat", scratch), box.SettingsBytes());
    EXPECT_EQ(OutFolder(), Names{"sample.iso"});
    EXPECT_EQ(fs::status(image).permissions() & fs::perms::others_read, fs::perms::others_read);
}

// How a label becomes the names is the image code's; here --label reaches the disc.
TEST_F(CliImage, VolumeNames) {
    WriteBytes(scratch.File("Velomar.exe"), "MZ runtime");
    const struct {
        std::vector<std::string> label;
        std::string iso, joliet;
    } cases[] = {
        {{}, "VELOMAR_SAMPLE", "Velomar Sample"},
        {{"--label", "Mon disque d'\xC3\xA9t\xC3\xA9"},
         "MON_DISQUE_D_ETE",
         "Mon disque d'\xC3\xA9t\xC3\xA9"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = {"image", box.folder.Path(), out.File("disc.iso"),
                                         "--runtime", scratch.File("Velomar.exe")};
        args.insert(args.end(), c.label.begin(), c.label.end());
        ASSERT_EQ(RunCli(args), (CliRun{0, "", ""})) << c.iso;
        EXPECT_EQ(VolumeNames(out.File("disc.iso")), std::make_pair(c.iso, c.joliet));
    }
}

TEST_F(CliImage, FailuresLeaveNoImage) {
    WriteBytes(scratch.File("Velomar.exe"), "MZ runtime");
    const std::string image = out.File("disc.iso");

    // PATH without xorriso: said first, before the project is touched.
    const std::string command = "PATH=" + Quoted(scratch.File("empty")) + " " + Quoted(kCli) +
                                " image " + Quoted(box.folder.Path()) + " " + Quoted(image) +
                                " --runtime " + Quoted(scratch.File("Velomar.exe")) + " 2>" +
                                Quoted(scratch.File("err"));
    const int raw = std::system(command.c_str());
    EXPECT_TRUE(WIFEXITED(raw) && WEXITSTATUS(raw) == 1) << raw;
    EXPECT_EQ(ReadBytes(scratch.File("err")), std::string(XORRISO_MISSING) + "\n");
    EXPECT_FALSE(fs::exists(box.folder.File("autorun.inf")));

    // An output folder the user may not write to.
    for (const char* folder : {"", "res/", "docs/"}) ::chmod(box.folder.File(folder).c_str(), 0777);
    ::chmod(out.Path().c_str(), 0755);
    ::chmod(scratch.Path().c_str(), 0755);
    const std::string result = AsOrdinaryUser([&] {
        return ::testing::PrintToString(
            RunCli({"image", box.folder.Path(), image, "--runtime", scratch.File("Velomar.exe")}));
    });
    EXPECT_EQ(result, ::testing::PrintToString(
                          CliRun{1, "", "Failed to create the disc image file: " + image + "\n"}));
    EXPECT_TRUE(fs::exists(box.folder.File("autorun.inf")));  // the build ran first

    // A build that fails writes no image.
    EXPECT_EQ(
        RunCli({"image", box.folder.Path(), image, "--runtime", scratch.File("none.exe")}).status,
        1);
    EXPECT_TRUE(OutFolder().empty());
}

// SIGTERM (as Ctrl+C) while xorriso writes: it is stopped and no image is left.
TEST_F(CliImage, InterruptLeavesNoImage) {
    WriteBytes(scratch.File("Velomar.exe"), "MZ runtime");
    fs::create_directory(scratch.File("bin"));
    const std::string standIn = scratch.File("bin/xorriso");
    WriteBytes(standIn,
               "#!/bin/sh\n"
               "for a; do case \"$a\" in stdio:*) out=\"${a#stdio:}\";; esac; done\n"
               "echo partial > \"$out\"\n"
               "echo $$ > '" +
                   scratch.File("pid") +
                   "'\n"
                   "exec sleep 60\n");
    fs::permissions(standIn, fs::perms::owner_all);
    const std::string oldPath = std::getenv("PATH");
    ::setenv("PATH", (scratch.File("bin") + ":" + oldPath).c_str(), 1);
    platform::posix::ChildProcess cli;
    const bool started = cli.Start(kCli, {"image", box.folder.Path(), out.File("disc.iso"),
                                          "--runtime", scratch.File("Velomar.exe")});
    ::setenv("PATH", oldPath.c_str(), 1);
    ASSERT_TRUE(started);
    // The stand-in is running once it wrote its pid.
    for (int i = 0; i < 1000 && ReadBytes(scratch.File("pid")).empty(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    const pid_t xorriso = std::atoi(ReadBytes(scratch.File("pid")).c_str());
    ASSERT_GT(xorriso, 0);
    ASSERT_FALSE(OutFolder().empty());  // the temporary image is there now

    ASSERT_EQ(::kill(cli.Id(), SIGTERM), 0);
    std::string err;
    while (cli.ReadError(&err, 10000)) {
    }
    EXPECT_EQ(cli.Wait(), 1);
    EXPECT_EQ(err, "Interrupted: no disc image was written.\n");
    EXPECT_TRUE(OutFolder().empty());
    EXPECT_NE(::kill(xorriso, 0), 0);  // stopped and reaped
}

}  // namespace
