// What the editor keeps and finds around the project: the recent projects,
// "Add to Disc...", its own settings store and the companion files. Real files
// in scratch folders, messages and answers through the recording message box.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "../support/project_sandbox.h"
#include "editor/companion_files.h"
#include "editor/dialogs/add_to_disc.h"
#include "editor/recent_projects.h"
#include "editor/reg_settings.h"
#include "platform/headless/headless_platform.h"

namespace {

namespace fs = std::filesystem;
using namespace sandbox;
using Strings = std::vector<std::string>;

constexpr const char* kBase = "Software\\Harlune\\VelomarForge\\";

TEST(RecentList, NewestFirstOnceAndAtMostEight) {
    ProjectSandbox box;  // POSIX: letter case tells folders apart
    const Strings eight{"/1/", "/2/", "/3/", "/4/", "/5/", "/6/", "/7/", "/8/"};
    const struct {
        Strings before;
        std::string added;
        Strings after;
    } cases[] = {
        {{"/a/", "/b/"}, "/b", {"/b", "/a/"}},  // a trailing separator does not count
        {{"/a/"}, "/A/", {"/A/", "/a/"}},
        {eight, "/9/", {"/9/", "/1/", "/2/", "/3/", "/4/", "/5/", "/6/", "/7/"}},
        {eight, "/8/", {"/8/", "/1/", "/2/", "/3/", "/4/", "/5/", "/6/", "/7/"}},
    };
    for (const auto& c : cases) EXPECT_EQ(WithRecentFolder(c.before, c.added), c.after) << c.added;
    EXPECT_EQ(RecentMenuText(7, "/Tom & Jerry/"), "&8 /Tom && Jerry/");
}

TEST(RecentList, KeptAcrossRunsAndGoneOnesLeaveWithAMessage) {
    ProjectSandbox box;
    const std::string file = box.folder.File("VelomarForge.conf"), a = box.folder.File("a/");
    fs::create_directory(a);
    CRegSettings store(kBase, file);
    store.SetString(RecentProjects::SECTION, "Project2", "/b");  // a hand-edited repeat
    store.SetString(RecentProjects::SECTION, "Project3", "/b/");
    RecentProjects recent(store);
    recent.Add(a);
    recent.Add(std::string(CRegSettings::MAX_TEXT + 1, 'x'));  // would be kept cut short
    recent.Add("/line\nbreak/");
    CRegSettings again(kBase, file);
    EXPECT_EQ(RecentProjects(again).Folders(), (Strings{a, "/b"}));
    fs::remove_all(a);
    EXPECT_FALSE(recent.StillThere(a));
    EXPECT_EQ(RecentProjects(again).Folders(), (Strings{"/b"}));
    EXPECT_EQ(box.services.messages.size(), 1u);
}

class AddFile : public ::testing::Test {
  protected:
    AddFile() {
        fs::create_directories(box.folder.File("docs/manuals"));
        WriteBytes(outside.File("setup.exe"), "new program");
        fs::create_directory_symlink(outside.Path(), box.folder.File("away"));
    }
    std::string Add(const std::string& from, const std::string& folder, bool expected) {
        std::string stored = "(none)";
        EXPECT_EQ(AddToDisc(from, box.folder.Path(), folder, &stored), expected) << folder;
        return stored;
    }

    ProjectSandbox box;
    TempFolder outside;
    const std::string source = outside.File("setup.exe");
};

// Copied and named as stored; a clash asks; a link in the file's place is
// replaced, never written through; a folder in its place, or a way through a
// link, is refused.
TEST_F(AddFile, CopiedClashesAndLinks) {
    EXPECT_EQ(Add(source, "docs\\manuals", true), "docs\\manuals\\setup.exe");
    EXPECT_EQ(ReadBytes(box.folder.File("docs/manuals/setup.exe")), "new program");
    EXPECT_TRUE(box.services.messages.empty());

    WriteBytes(outside.File("victim"), "keep me");
    fs::create_symlink(outside.File("victim"), box.folder.File("setup.exe"));
    box.services.ScriptAnswers({platform::MessageAnswer::No, platform::MessageAnswer::Yes});
    Add(source, "", false);
    EXPECT_TRUE(fs::is_symlink(box.folder.File("setup.exe")));
    EXPECT_EQ(Add(source, "", true), "setup.exe");
    EXPECT_FALSE(fs::is_symlink(box.folder.File("setup.exe")));
    EXPECT_EQ(ReadBytes(outside.File("victim")), "keep me");
    EXPECT_EQ(box.services.messages.size(), 2u);

    fs::create_directory(box.folder.File("docs/setup.exe"));
    TempFolder elsewhere;
    WriteBytes(elsewhere.File("other.exe"), "other");
    Add(source, "docs", false);
    for (const char* folder : {"away", "docs\\..\\.."})
        Add(elsewhere.File("other.exe"), folder, false);
    EXPECT_FALSE(fs::exists(outside.File("other.exe")));
    EXPECT_FALSE(fs::exists(box.folder.File("../other.exe")));
    EXPECT_EQ(box.services.messages.size(), 5u);
}

TEST_F(AddFile, ChosenFolderMustBeInsideTheProject) {
    const std::string sibling = box.folder.Path().substr(0, box.folder.Path().size() - 1) + "x";
    fs::create_directory(sibling);
    const std::pair<std::string, std::string> cases[] = {
        {box.folder.Path(), ""},
        {box.folder.File("docs/../docs/manuals/"), "docs\\manuals"},
        {box.folder.File("away"), "(none)"},  // resolves outside
        {sibling, "(none)"},                  // the project folder's name is its prefix
        {box.folder.File("gone"), "(none)"},
    };
    for (const auto& [chosen, expected] : cases) {
        std::string relative = "(none)";
        EXPECT_EQ(DiscFolderName(box.folder.Path(), chosen, &relative), expected != "(none)")
            << chosen;
        EXPECT_EQ(relative, expected) << chosen;
    }
    fs::remove_all(sibling);
}

// Only a regular file of bounded size is read, without blocking; a store that
// is damaged or far too large is kept aside, byte for byte, and reads as empty.
TEST(SettingsStoreFile, OnlyABoundedRegularFileIsRead) {
    ::alarm(30);  // a FIFO or a device must end in a failure, not a hang
    ProjectSandbox box;
    const std::string store = box.folder.File("store/VelomarForge.conf");
    std::string valid = "# VelomarForge settings\n[Frame Layout]\nd SizeX=1234\n";
    const std::string damaged = valid + "x broken line\n",
                      huge = valid + std::string(CRegSettings::MAX_STORE_BYTES, '#');
    const struct {
        const char* what;
        std::function<void()> make;
        std::uint32_t sizeX;      // what GetInt answers
        std::string keptAside;    // the bytes of store + ".damaged"
        std::string secondAside;  // of store + ".damaged.2"
    } cases[] = {
        {"good store", [&] { WriteBytes(store, valid); }, 1234, "", ""},
        {"FIFO", [&] { ASSERT_EQ(::mkfifo(store.c_str(), 0600), 0); }, 950, "", ""},
        {"link to /dev/zero", [&] { fs::create_symlink("/dev/zero", store); }, 950, "", ""},
        {"folder", [&] { fs::create_directory(store); }, 950, "", ""},
        {"damaged", [&] { WriteBytes(store, damaged); }, 950, damaged, ""},
        {"too large", [&] { WriteBytes(store, huge); }, 950, huge, ""},
        {"damaged twice",
         [&] {
             WriteBytes(store + ".damaged", "earlier");
             WriteBytes(store, damaged);
         },
         950, "earlier", damaged},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(box.folder.File("store"));
        fs::create_directory(box.folder.File("store"));
        c.make();
        CRegSettings settings(kBase, store);
        EXPECT_EQ(settings.GetInt("Frame Layout", "SizeX", 950), c.sizeX);
        EXPECT_EQ(ReadBytes(store + ".damaged"), c.keptAside);
        EXPECT_EQ(ReadBytes(store + ".damaged.2"), c.secondAside);
    }
    // The first default is stored: a second reader sees it.
    EXPECT_EQ(CRegSettings(kBase, store).GetInt("Frame Layout", "SizeX", 1), 950u);
    EXPECT_TRUE(fs::is_character_file("/dev/zero"));  // never written through
    ::alarm(0);
    EXPECT_EQ(RegSettingsFile("/home/u/.config", kBase),
              "/home/u/.config/Harlune/VelomarForge.conf");
}

// Beside the program (a build) or in ../share/velomar (an installation).
TEST(CompanionFiles, StartFolderAndGuideAddress) {
    TempFolder temp;
    fs::create_directories(temp.File("bin"));
    fs::create_directories(temp.File("share/velomar"));
    WriteBytes(temp.File("share/velomar/VelomarForge User Guide.htm"), "<html>");
    EXPECT_EQ(FindStartFolder(temp.File("bin")), temp.File("share/velomar/"));
    WriteBytes(temp.File("bin/Velomar.exe"), "MZ");
    EXPECT_EQ(FindStartFolder(temp.File("bin/")), temp.File("bin/"));
    EXPECT_EQ(UserGuideUrl("/a b/\xC3\xBC#", "_Audio"),
              "file:///a%20b/%C3%BC%23/VelomarForge%20User%20Guide.htm#_Audio");
}

// The guide at its topic first; when the shell fails on it, the document
// itself; when that fails too, one message that says what to install.
TEST(CompanionFiles, HelpFallsBackToTheDocument) {
    const std::string url = "open file:///g/VelomarForge%20User%20Guide.htm#_Audio";
    const std::string path = "/g/VelomarForge User Guide.htm";
    for (int failures = 0; failures <= 2; ++failures) {
        platform::HeadlessPlatform host;
        host.services.shellFailures = failures;
        ShowHelp("/g/", "_Audio");
        Strings opened;
        for (const auto& call : host.services.shellCalls)
            opened.push_back(call.verb.value_or("-") + " " + call.file);
        EXPECT_EQ(opened, failures ? (Strings{url, "open " + path}) : Strings{url});
        EXPECT_EQ(host.services.messages,
                  failures == 2 ? Strings{HelpNotOpenedMessage(path)} : Strings{});
    }
    EXPECT_NE(HelpNotOpenedMessage(path).find("xdg-utils"), std::string::npos);
}

// The program of a ".htm" association's open command (the Windows editor's Help).
TEST(CompanionFiles, HelpProgramIsTheQuotedPathAtTheStart) {
    const std::pair<const char*, const char*> cases[] = {
        {R"("C:\Program Files\browser.exe" -url "%1")", R"(C:\Program Files\browser.exe)"},
        {R"(C:\Web\browser.exe "%1")", ""},  // not quoted at the start
        {R"("C:\Web\browser.exe %1)", ""},   // never closed
    };
    for (const auto& [command, program] : cases) EXPECT_EQ(QuotedProgram(command), program);
}

}  // namespace
