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
#include "editor/disc_image/disc_contents.h"
#include "editor/disc_image/disc_image.h"
#include "editor/disc_image/volume_label.h"
#include "platform/replacement_file.h"

namespace {

namespace fs = std::filesystem;
using namespace sandbox;
using Strings = std::vector<std::string>;

TEST(DiscImageNames, IsoVolumeLabel) {
    const std::pair<const char*, const char*> cases[] = {
        {"", "VELOMAR"},
        {"  --Hello--World--  ", "HELLO_WORLD"},
        {"Caf\xC3\xA9 D\xC3\xA9j\xC3\xA0 Vu", "CAFE_DEJA_VU"},  // UTF-8
        {"Caf\xE9 D\xE9j\xE0 Vu", "CAFE_DEJA_VU"},              // Windows-1252
        {"\x8Akoda \x9E", "SKODA_Z"},                           // 1252 extras
        {"\xE6\x97\xA5\xE6\x9C\xAC Disc 2", "DISC_2"},          // no Latin letters
        // The 32nd character would be the "_" before X: it goes, not the X's place.
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZ12345 X", "ABCDEFGHIJKLMNOPQRSTUVWXYZ12345"},
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZ123456789", "ABCDEFGHIJKLMNOPQRSTUVWXYZ123456"},
    };
    for (const auto& [title, label] : cases) EXPECT_EQ(IsoVolumeLabel(title), label) << title;
}

TEST(DiscImageNames, JolietVolumeName) {
    const std::pair<const char*, std::u16string> cases[] = {
        {"", u"                "},
        {"Caf\xE9 \x80", u"Caf\u00E9 \u20AC          "},  // the same title in Windows-1252
        {"A Very Long Disc Title", u"A Very Long Disc"},
        {"Fun \xF0\x9F\x98\x80 disc", u"Fun  disc       "},  // outside the basic plane
    };
    for (const auto& [title, name] : cases) {
        std::string ucs2;  // 16 characters, big-endian
        for (char16_t c : name) ucs2 += {char(c >> 8), char(c & 0xFF)};
        EXPECT_EQ(JolietVolumeName(title), ucs2) << title;
    }
}

TEST(DiscImageNames, TemporaryNames) {
    const std::pair<const char*, bool> cases[] = {
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
    for (const auto& [name, ours] : cases) EXPECT_EQ(platform::IsTemporaryName(name), ours) << name;
}

TEST(DiscImageNames, Progress) {
    const std::pair<const char*, int> lines[] = {
        {"xorriso : UPDATE : Writing:      14848s   45.2%   fifo 100%  buf  50%", 45},
        {"xorriso : UPDATE :  99.99% done, estimate finish Mon Dec  7", 99},
        {"xorriso : UPDATE :       6 files added in 1 seconds", -1},
        {"xorriso : NOTE : 50% of something", -1},
        {"xorriso : UPDATE : 250% done", 100},
    };
    for (const auto& [line, percent] : lines) EXPECT_EQ(ProgressPercent(line), percent) << line;
}

TEST(DiscImageContent, LeavesOutTemporariesLinksOutAndSpecialFiles) {
    TempFolder outside, project;
    const std::string root = fs::canonical(project.Path()).string();
    fs::create_directories(project.File("res/sub"));
    for (const char* name :
         {"AppSetup.dat", "res/logo.bmp", "AppSetup.dat.tmp.0011aabb", "res/sub/Velomar.exe.tmp12"})
        WriteBytes(project.File(name), "x");
    fs::create_symlink(outside.Path(), project.File("res/out"));
    fs::create_symlink(outside.File("secret"), project.File("secret"));
    fs::create_symlink("../../nowhere", project.File("res/sub/dangling"));
    fs::create_symlink("../AppSetup.dat", project.File("res/inside"));
    fs::create_directory(root + "-beside");  // its name only begins like the project's
    fs::create_symlink(root + "-beside", project.File("res/beside"));
    ASSERT_EQ(::mkfifo(project.File("res/pipe").c_str(), 0600), 0);

    ProjectSandbox box;
    Strings excluded = ExcludedPaths(root);
    std::sort(excluded.begin(), excluded.end());
    Strings expected;
    for (const char* name : {"AppSetup.dat.tmp.0011aabb", "res/beside", "res/out", "res/pipe",
                             "res/sub/Velomar.exe.tmp12", "res/sub/dangling", "secret"})
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
    Strings OutputFolder() const {
        Strings names;
        for (const auto& e : fs::directory_iterator(out.Path()))
            names.push_back(e.path().filename().string());
        return names;
    }

    ProjectSandbox box;
    TempFolder bin, out;
};

TEST_F(StandIn, CancelStopsXorrisoAndLeavesNoFile) {
    const std::string program = Program("xorriso", "echo $$ > '" + bin.File("pid") +
                                                       "'\n"
                                                       "echo 'xorriso : UPDATE : 12.5% done' >&2\n"
                                                       "exec sleep 60\n");
    std::vector<int> seen;
    const ImageResult result =
        WriteDiscImage({box.folder.Path(), out.File("disc.iso"), "Title", program}, [&](int p) {
            seen.push_back(p);
            return p < 0;  // Cancel once xorriso is under way
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
    const std::pair<std::string, std::string> cases[] = {
        {Program("failure",
                 "echo 'xorriso : NOTE : a note' >&2\n"
                 "echo 'xorriso : FAILURE : Cannot write: No space left on device' >&2\n"
                 "exit 5\n"),
         "xorriso : FAILURE : Cannot write: No space left on device"},
        {bin.File("missing/xorriso"), "cannot start the program: it was not found"},
    };
    for (const auto& [program, why] : cases) {
        WriteBytes(image, "old image");
        box.services.messages.clear();
        EXPECT_EQ(WriteDiscImage({box.folder.Path(), image, "Title", program}, nullptr),
                  ImageResult::Failed);
        EXPECT_EQ(box.services.messages,
                  Strings{"Failed to write the disc image: " + image + "\n" + why});
        EXPECT_EQ(ReadBytes(image), "old image");
        EXPECT_EQ(OutputFolder(), Strings{"disc.iso"});
    }
}

}  // namespace
