// The recent projects list and "Add to Disc...": real files and a real
// settings store in scratch folders, messages and answers through the
// recording message box.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "../support/project_sandbox.h"
#include "editor/dialogs/add_to_disc.h"
#include "editor/recent_projects.h"
#include "editor/reg_settings.h"

namespace {

namespace fs = std::filesystem;
using namespace sandbox;
using Folders = std::vector<std::string>;

TEST(RecentList, NewestFirstOnceAndAtMostEight) {
    ProjectSandbox box;  // POSIX: letter case tells folders apart
    const Folders eight{"/1/", "/2/", "/3/", "/4/", "/5/", "/6/", "/7/", "/8/"};
    const struct {
        Folders before;
        std::string added;
        Folders after;
    } cases[] = {
        {{"/a/", "/b/"}, "/b", {"/b", "/a/"}},  // a trailing separator does not count
        {{"/a/"}, "/A/", {"/A/", "/a/"}},
        {eight, "/9/", {"/9/", "/1/", "/2/", "/3/", "/4/", "/5/", "/6/", "/7/"}},
        {eight, "/8/", {"/8/", "/1/", "/2/", "/3/", "/4/", "/5/", "/6/", "/7/"}},
    };
    for (const auto& c : cases) EXPECT_EQ(WithRecentFolder(c.before, c.added), c.after) << c.added;
    EXPECT_EQ(RecentMenuText(7, "/Tom & Jerry/"), "&8 /Tom && Jerry/");
}

TEST(RecentStore, KeptAcrossRunsAndGoneOnesLeaveWithAMessage) {
    ProjectSandbox box;
    TempFolder home;
    const std::string file = home.File("VelomarForge.conf"), a = home.File("a/");
    fs::create_directory(a);
    WriteBytes(a + "AppSetup.dat", "[English]\n");
    CRegSettings store("Software\\Harlune\\VelomarForge\\", file);
    store.SetString(RecentProjects::SECTION, "Project2", "/b");  // a hand-edited repeat
    store.SetString(RecentProjects::SECTION, "Project3", "/b/");
    RecentProjects recent(store);
    recent.Add(a);
    recent.Add(std::string(CRegSettings::MAX_TEXT + 1, 'x'));  // would be kept cut short
    recent.Add("/line\nbreak/");
    CRegSettings again("Software\\Harlune\\VelomarForge\\", file);
    EXPECT_EQ(RecentProjects(again).Folders(), (Folders{a, "/b"}));

    EXPECT_TRUE(recent.StillThere(a));
    fs::remove_all(a);
    EXPECT_FALSE(recent.StillThere(a));
    ASSERT_EQ(box.services.messages.size(), 1u);
    EXPECT_NE(box.services.messages[0].find(a), std::string::npos);
    EXPECT_EQ(RecentProjects(again).Folders(), (Folders{"/b"}));
}

class AddFile : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::create_directories(box.folder.File("docs/manuals"));
        WriteBytes(outside.File("setup.exe"), "new program");
        fs::create_directory_symlink(outside.Path(), box.folder.File("away"));
    }
    std::string Add(const std::string& source, const std::string& folder, bool expected) {
        std::string stored = "(none)";
        EXPECT_EQ(AddToDisc(source, box.folder.Path(), folder, &stored), expected) << folder;
        return stored;
    }

    ProjectSandbox box;
    TempFolder outside;
    const std::string source = outside.File("setup.exe");
};

TEST_F(AddFile, CopiedIntoTheChosenFolderAndNamedAsStored) {
    EXPECT_EQ(Add(source, "docs\\manuals", true), "docs\\manuals\\setup.exe");
    EXPECT_EQ(ReadBytes(box.folder.File("docs/manuals/setup.exe")), "new program");
    // The file itself already there: no copy, no question.
    EXPECT_EQ(Add(box.folder.File("docs/manuals/setup.exe"), "docs\\manuals", true),
              "docs\\manuals\\setup.exe");
    WriteBytes(outside.File("a:b?.exe"), "x");
    EXPECT_EQ(Add(outside.File("a:b?.exe"), "", true), "a_b_.exe");
    EXPECT_TRUE(box.services.messages.empty());
}

// A clash asks; a link in the file's place is replaced, never written through;
// a folder in its place, or a way through a link, is refused.
TEST_F(AddFile, ClashesAndLinks) {
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
    for (const char* folder : {"away", "docs\\..\\.."}) Add(elsewhere.File("other.exe"), folder, false);
    EXPECT_FALSE(fs::exists(outside.File("other.exe")));
    EXPECT_FALSE(fs::exists(box.folder.File("../other.exe")));
    EXPECT_EQ(box.services.messages.size(), 5u);
}

TEST_F(AddFile, ChosenFolderMustBeInsideTheProject) {
    const std::string sibling = box.folder.Path().substr(0, box.folder.Path().size() - 1) + "x";
    fs::create_directory(sibling);
    const struct {
        std::string chosen, relative;
    } cases[] = {
        {box.folder.Path(), ""},
        {box.folder.File("docs/../docs/manuals/"), "docs\\manuals"},
        {box.folder.File("away"), "(none)"},  // resolves outside
        {sibling, "(none)"},                  // the project folder's name is its prefix
        {box.folder.File("gone"), "(none)"},
    };
    for (const auto& c : cases) {
        std::string relative = "(none)";
        EXPECT_EQ(DiscFolderName(box.folder.Path(), c.chosen, &relative), c.relative != "(none)")
            << c.chosen;
        EXPECT_EQ(relative, c.relative) << c.chosen;
    }
    fs::remove_all(sibling);
}

}  // namespace
