// The disc image's names, what is left out of it, xorriso's progress lines, and
// the runs that must leave no image: a cancel and a failing xorriso (stand-ins
// on disk, so the outcome does not hang on a real write).
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "../support/project_sandbox.h"
#include "editor/disc_image/disc_image.h"
#include "editor/disc_image/image_report.h"
#include "editor/disc_image/volume_label.h"
#include "editor/disc_image/disc_contents.h"
#include "platform/replacement_file.h"

namespace {

namespace fs = std::filesystem;
using namespace sandbox;
using Messages = std::vector<std::string>;

TEST(DiscImageNames, IsoVolumeLabel) {
    const struct {
        const char* title;
        const char* label;
    } cases[] = {
        {"", "VELOMAR"},
        {"Velomar Sample", "VELOMAR_SAMPLE"},
        {"  --Hello--World--  ", "HELLO_WORLD"},
        {"Caf\xC3\xA9 D\xC3\xA9j\xC3\xA0 Vu", "CAFE_DEJA_VU"},  // UTF-8
        {"Caf\xE9 D\xE9j\xE0 Vu", "CAFE_DEJA_VU"},              // Windows-1252
        {"\x8Akoda \x9E", "SKODA_Z"},                   // 1252 extras
        {"\xE6\x97\xA5\xE6\x9C\xAC Disc 2", "DISC_2"},  // no Latin letters
        {"A Very Long Disc Title For The Annual Report 2024", "A_VERY_LONG_DISC_TITLE_FOR_THE_A"},
        // The 32nd character would be the "_" before X: it goes, not the X's place.
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZ12345 X", "ABCDEFGHIJKLMNOPQRSTUVWXYZ12345"},
    };
    for (const auto& c : cases) EXPECT_EQ(IsoVolumeLabel(c.title), c.label) << c.title;
}

std::string Ucs2(const std::u16string& text) {
    std::string out;
    for (char16_t c : text) out += {char(c >> 8), char(c & 0xFF)};
    return out;
}

TEST(DiscImageNames, JolietVolumeName) {
    const struct {
        const char* title;
        std::u16string name;  // 16 characters
    } cases[] = {
        {"", u"                "},
        {"Velomar Sample", u"Velomar Sample  "},
        {"Caf\xE9 \x80", u"Caf\u00E9 \u20AC          "},  // the same title in Windows-1252
        {"A Very Long Disc Title", u"A Very Long Disc"},
        {"Fun \xF0\x9F\x98\x80 disc", u"Fun  disc       "},  // outside the basic plane
    };
    for (const auto& c : cases) EXPECT_EQ(JolietVolumeName(c.title), Ucs2(c.name)) << c.title;
}

TEST(DiscImageNames, TemporaryNames) {
    const struct {
        const char* name;
        bool ours;
    } cases[] = {
        {"AppSetup.dat.tmp.0a1b2c3d", true},
        {"logo.bmp.tmp7", true},
        {"Velomar.exe.tmp42", true},
        {"AppSetup.dat", false},
        {"disc.iso.tmp.00FFab1g", false},
        {"disc.iso.tmp.0FFab12", false},
        {"notes.tmp", false},
        {".tmp.12345678", false},
        {"report.tmp123", false},
        {"logo.tmp1.bmp", false},
    };
    for (const auto& c : cases) EXPECT_EQ(platform::IsTemporaryName(c.name), c.ours) << c.name;
}

TEST(DiscImageNames, ProgressAndSize) {
    const struct {
        const char* line;
        int percent;
    } lines[] = {
        {"xorriso : UPDATE : Writing:      14848s   45.2%   fifo 100%  buf  50%", 45},
        {"xorriso : UPDATE :  99.99% done, estimate finish Mon Dec  7", 99},
        {"xorriso : UPDATE :       6 files added in 1 seconds", -1},
        {"xorriso : NOTE : 50% of something", -1},
        {"xorriso : UPDATE : 250% done", 100},
    };
    for (const auto& c : lines) EXPECT_EQ(ProgressPercent(c.line), c.percent) << c.line;

    const struct {
        std::uintmax_t bytes;
        const char* text;
    } sizes[] = {
        {0, "0 bytes"},
        {1023, "1,023 bytes"},
        {1024, "1.0 KB (1,024 bytes)"},
        {734003200, "700.0 MB (734,003,200 bytes)"},
        {4700000000ull, "4.4 GB (4,700,000,000 bytes)"},
    };
    for (const auto& c : sizes) EXPECT_EQ(ReadableSize(c.bytes), c.text) << c.bytes;
}

TEST(DiscImageContent, LeavesOutTemporariesLinksOutAndSpecialFiles) {
    TempFolder outside, project;
    const std::string root = fs::canonical(project.Path()).string();
    fs::create_directories(project.File("res/sub"));
    for (const char* name :
         {"AppSetup.dat", "res/logo.bmp", "res/sub/a.txt", "AppSetup.dat.tmp.0011aabb",
          "res/logo.bmp.tmp0", "res/sub/Velomar.exe.tmp12"})
        WriteBytes(project.File(name), "x");
    WriteBytes(outside.File("secret"), "outside");
    fs::create_symlink(outside.File("secret"), project.File("secret"));
    fs::create_symlink(outside.Path(), project.File("res/out"));
    fs::create_symlink("../../nowhere", project.File("res/sub/dangling"));
    fs::create_symlink("../AppSetup.dat", project.File("res/inside"));
    fs::create_directory(root + "-beside");  // its name only begins like the project's
    fs::create_symlink(root + "-beside", project.File("res/beside"));
    ASSERT_EQ(::mkfifo(project.File("res/pipe").c_str(), 0600), 0);

    ProjectSandbox box;
    std::vector<std::string> excluded = ExcludedPaths(root);
    std::sort(excluded.begin(), excluded.end());
    std::vector<std::string> expected;
    for (const char* name : {"AppSetup.dat.tmp.0011aabb", "res/beside", "res/logo.bmp.tmp0",
                             "res/out", "res/pipe", "res/sub/Velomar.exe.tmp12", "res/sub/dangling",
                             "secret"})
        expected.push_back(root + "/" + name);
    EXPECT_EQ(excluded, expected);
    fs::remove(root + "-beside");
}

// A stand-in xorriso: it writes into its output the way the real one does, then
// behaves as `tail` says.
class StandIn : public ::testing::Test {
  protected:
    std::string Program(const std::string& name, const std::string& tail) {
        const std::string path = bin.File(name);
        WriteBytes(path,
                   "#!/bin/sh\n"
                   "for a; do case \"$a\" in stdio:*) out=\"${a#stdio:}\";; esac; done\n"
                   "echo partial image > \"$out\"\n" +
                       tail);
        fs::permissions(path, fs::perms::owner_all);
        return path;
    }
    std::vector<std::string> OutputFolder() const {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(out.Path()))
            names.push_back(e.path().filename().string());
        return names;
    }

    ProjectSandbox box;
    TempFolder bin, out;
};

TEST_F(StandIn, CancelStopsXorrisoAndLeavesNoFile) {
    const DiscImageJob job{box.folder.Path(), out.File("disc.iso"), "Title",
                           Program("xorriso", "echo $$ > '" + bin.File("pid") +
                                                  "'\n"
                                                  "echo 'xorriso : UPDATE : Writing: 0s 12.5% "
                                                  "fifo 0%' >&2\n"
                                                  "exec sleep 60\n")};
    std::vector<int> seen;
    const ImageResult result = WriteDiscImage(job, [&](int percent) {
        seen.push_back(percent);
        return percent < 0;  // Cancel once xorriso is under way
    });
    EXPECT_EQ(result, ImageResult::Cancelled);
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.back(), 12);
    EXPECT_TRUE(OutputFolder().empty());
    EXPECT_TRUE(box.services.messages.empty());
    // Killed and reaped: not even a zombie is left.
    const pid_t pid = std::atoi(ReadBytes(bin.File("pid")).c_str());
    ASSERT_GT(pid, 0);
    EXPECT_NE(::kill(pid, 0), 0);
}

TEST_F(StandIn, FailuresKeepTheOldImageAndSayWhy) {
    const std::string image = out.File("disc.iso");
    const struct {
        std::string program;
        std::string message;
    } cases[] = {
        {Program("failure",
                 "echo 'xorriso : NOTE : a note' >&2\n"
                 "echo 'xorriso : FAILURE : Cannot write: No space left on device' >&2\n"
                 "exit 5\n"),
         "Failed to write the disc image: " + image +
             "\nxorriso : FAILURE : Cannot write: No space left on device"},
        {bin.File("missing/xorriso"),
         "Failed to write the disc image: " + image + "\ncannot start the program: it was not found"},
    };
    for (const auto& c : cases) {
        WriteBytes(image, "old image");
        box.services.messages.clear();
        EXPECT_EQ(WriteDiscImage({box.folder.Path(), image, "Title", c.program}, nullptr),
                  ImageResult::Failed);
        EXPECT_EQ(box.services.messages, Messages{c.message});
        EXPECT_EQ(ReadBytes(image), "old image");
        EXPECT_EQ(OutputFolder(), std::vector<std::string>{"disc.iso"});
    }
}

}  // namespace
