// The recent projects list, "Add to Disc..." and the colour swatches: real
// files and a real settings store in scratch folders, messages and answers
// through the recording message box.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "../support/project_sandbox.h"
#include "editor/dialogs/add_to_disc.h"
#include "editor/dialogs/colour_text.h"
#include "editor/dialogs/hyperlink_form.h"
#include "editor/recent_projects.h"
#include "editor/reg_settings.h"

namespace {

namespace fs = std::filesystem;
using namespace sandbox;
using Folders = std::vector<std::string>;
using platform::MessageAnswer;

TEST(RecentList, NewestFirstOnceAndAtMostEight) {
    sandbox::ProjectSandbox platform;  // POSIX: letter case tells folders apart
    const struct {
        Folders before;
        std::string added;
        Folders after;
    } cases[] = {
        {{}, "/a/", {"/a/"}},
        {{"/a/", "/b/"}, "/b/", {"/b/", "/a/"}},
        {{"/a/", "/b/"}, "/b", {"/b", "/a/"}},  // a trailing separator does not count
        {{"/a/"}, "/A/", {"/A/", "/a/"}},
        {{"/1/", "/2/", "/3/", "/4/", "/5/", "/6/", "/7/", "/8/"},
         "/9/",
         {"/9/", "/1/", "/2/", "/3/", "/4/", "/5/", "/6/", "/7/"}},
        {{"/1/", "/2/", "/3/", "/4/", "/5/", "/6/", "/7/", "/8/"},
         "/8/",
         {"/8/", "/1/", "/2/", "/3/", "/4/", "/5/", "/6/", "/7/"}},
    };
    for (const auto& c : cases) EXPECT_EQ(WithRecentFolder(c.before, c.added), c.after) << c.added;
    EXPECT_EQ(RecentMenuText(0, "/home/Tom & Jerry/disc/"), "&1 /home/Tom && Jerry/disc/");
    EXPECT_EQ(RecentMenuText(7, "/x/"), "&8 /x/");
}

class RecentStore : public ::testing::Test {
  protected:
    std::string Project(const std::string& name) {
        fs::create_directories(home.File(name));
        WriteBytes(home.File(name + "/AppSetup.dat"), "[English]\n");
        return home.File(name + "/");
    }

    ProjectSandbox box;
    TempFolder home;
    std::string file = home.File("VelomarForge.conf");
    CRegSettings store{"Software\\Harlune\\VelomarForge\\", file};
    RecentProjects recent{store};
};

TEST_F(RecentStore, KeptAcrossRunsAndGoneOnesLeaveWithAMessage) {
    const std::string a = Project("a"), b = Project("b");
    recent.Add(a);
    recent.Add(b);
    recent.Add(std::string(CRegSettings::MAX_TEXT + 1, 'x'));  // would be kept cut short
    recent.Add("/line\nbreak/");
    CRegSettings again("Software\\Harlune\\VelomarForge\\", file);
    EXPECT_EQ(RecentProjects(again).Folders(), (Folders{b, a}));

    EXPECT_TRUE(recent.StillThere(a));
    EXPECT_TRUE(box.services.messages.empty());
    fs::remove_all(home.File("a"));
    EXPECT_FALSE(recent.StillThere(a));
    ASSERT_EQ(box.services.messages.size(), 1u);
    EXPECT_NE(box.services.messages[0].find(a), std::string::npos);
    EXPECT_EQ(recent.Folders(), (Folders{b}));
}

TEST_F(RecentStore, HandEditedStoreShowsEachFolderOnce) {
    store.SetString(RecentProjects::SECTION, "Project1", "/p/");
    store.SetString(RecentProjects::SECTION, "Project2", "");
    store.SetString(RecentProjects::SECTION, "Project3", "/p");
    store.SetString(RecentProjects::SECTION, "Project9", "/beyond/");
    store.SetString(RecentProjects::SECTION, "Project4", "/q/");
    EXPECT_EQ(recent.Folders(), (Folders{"/p/", "/q/"}));
    recent.Add("/q/");
    EXPECT_EQ(recent.Folders(), (Folders{"/q/", "/p/"}));
}

class AddFile : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::create_directories(box.folder.File("docs/manuals"));
        WriteBytes(outside.File("setup.exe"), "new program");
    }
    std::string Source() const { return outside.File("setup.exe"); }
    std::string Add(const std::string& source, const std::string& folder, bool expected) {
        std::string stored = "(none)";
        EXPECT_EQ(AddToDisc(source, box.folder.Path(), folder, &stored), expected) << folder;
        return stored;
    }

    ProjectSandbox box;
    TempFolder outside;
};

TEST_F(AddFile, CopiedIntoTheChosenFolderAndNamedAsStored) {
    EXPECT_EQ(Add(Source(), "", true), "setup.exe");
    EXPECT_EQ(Add(Source(), "docs\\manuals", true), "docs\\manuals\\setup.exe");
    EXPECT_EQ(ReadBytes(box.folder.File("docs/manuals/setup.exe")), "new program");
    // The file already in its place is not copied, and nothing is asked.
    EXPECT_EQ(Add(box.folder.File("setup.exe"), "", true), "setup.exe");
    // A name Windows cannot carry is made portable.
    WriteBytes(outside.File("a:b?.exe"), "x");
    EXPECT_EQ(Add(outside.File("a:b?.exe"), "docs", true), "docs\\a_b_.exe");
    EXPECT_TRUE(box.services.messages.empty());
}

TEST_F(AddFile, ANameClashAsksOrRefuses) {
    WriteBytes(box.folder.File("setup.exe"), "old program");
    box.services.ScriptAnswers({MessageAnswer::No, MessageAnswer::Yes});
    EXPECT_EQ(Add(Source(), "", false), "(none)");
    EXPECT_EQ(ReadBytes(box.folder.File("setup.exe")), "old program");
    EXPECT_EQ(Add(Source(), "", true), "setup.exe");
    EXPECT_EQ(ReadBytes(box.folder.File("setup.exe")), "new program");
    EXPECT_EQ(box.services.messages.size(), 2u);

    fs::create_directory(box.folder.File("docs/setup.exe"));
    box.services.messages.clear();
    Add(Source(), "docs", false);
    ASSERT_EQ(box.services.messages.size(), 1u);
    EXPECT_NE(box.services.messages[0].find("not a file"), std::string::npos);
}

// Links in the project may lead anywhere: they are replaced or refused, never
// written through.
TEST_F(AddFile, NeverWritesThroughALink) {
    WriteBytes(outside.File("victim"), "keep me");
    fs::create_symlink(outside.File("victim"), box.folder.File("setup.exe"));
    fs::create_directory_symlink(outside.Path(), box.folder.File("away"));
    box.services.ScriptAnswers({MessageAnswer::Yes});
    EXPECT_EQ(Add(Source(), "", true), "setup.exe");
    EXPECT_FALSE(fs::is_symlink(box.folder.File("setup.exe")));
    EXPECT_EQ(ReadBytes(outside.File("victim")), "keep me");

    TempFolder elsewhere;
    WriteBytes(elsewhere.File("other.exe"), "other");
    Add(elsewhere.File("other.exe"), "away", false);
    Add(elsewhere.File("other.exe"), "docs\\..\\..", false);
    EXPECT_FALSE(fs::exists(outside.File("other.exe")));
    EXPECT_FALSE(fs::exists(box.folder.File("../other.exe")));
    Add(outside.File("missing.exe"), "", false);
    EXPECT_EQ(box.services.messages.back(),
              "Failed to open the specified file:\n" + outside.File("missing.exe"));
}

TEST_F(AddFile, ChosenFolderMustBeInsideTheProject) {
    fs::create_directory_symlink(outside.Path(), box.folder.File("away"));
    const std::string sibling = box.folder.Path().substr(0, box.folder.Path().size() - 1) + "x";
    fs::create_directory(sibling);
    const struct {
        std::string chosen;
        bool ok;
        std::string relative;
    } cases[] = {
        {box.folder.Path(), true, ""},
        {box.folder.File("docs"), true, "docs"},
        {box.folder.File("docs/manuals/"), true, "docs\\manuals"},
        {box.folder.File("docs/../docs/manuals"), true, "docs\\manuals"},
        {box.folder.File("away"), false, "(none)"},  // resolves outside
        {outside.Path(), false, "(none)"},
        {sibling, false, "(none)"},  // shares the project folder's name as a prefix
        {box.folder.File("gone"), false, "(none)"},
    };
    for (const auto& c : cases) {
        std::string relative = "(none)";
        EXPECT_EQ(DiscFolderName(box.folder.Path(), c.chosen, &relative), c.ok) << c.chosen;
        EXPECT_EQ(relative, c.relative) << c.chosen;
    }
    fs::remove_all(sibling);
}

TEST(AddToDiscButton, OnlyForAProgramRelativeToTheDisc) {
    HyperlinkForm form;
    const struct {
        LinkAction action;
        bool absolute;
        bool enabled;
    } cases[] = {
        {LinkAction::RunProgram, false, true},  {LinkAction::RunProgram, true, false},
        {LinkAction::OpenFolder, false, false}, {LinkAction::BrowseCd, false, false},
        {LinkAction::WebSite, true, false},     {LinkAction::Quit, false, false},
    };
    for (const auto& c : cases) {
        form.ClickAction(c.action);
        if (c.absolute != form.absolute) form.ClickPathKind(c.absolute);
        EXPECT_EQ(form.addToDiscEnabled, c.enabled) << int(c.action) << c.absolute;
    }
    form.ClickAction(LinkAction::RunProgram);
    form.ClickPathKind(true);
    form.ClickPathKind(false);
    EXPECT_TRUE(form.addToDiscEnabled);
}

TEST(Swatch, OnlyForAWholeColourText) {
    const struct {
        const char* text;
        bool shown;
        ColourBytes colour;
    } cases[] = {
        {"0xff8000", true, {255, 128, 0}}, {"0xFFa0B1", true, {255, 160, 177}},
        {"0Xff8000", false, {}},           {"0xff80", false, {}},
        {"0xff80001", false, {}},          {"0xgg0000", false, {}},
        {"0x12 456", false, {}},           {"0x\x10" "00000", false, {}},
        {"", false, {}},
    };
    for (const auto& c : cases) {
        ColourBytes colour{1, 2, 3};
        EXPECT_EQ(SwatchColour(c.text, &colour), c.shown) << c.text;
        if (c.shown) {
            EXPECT_TRUE(colour == c.colour) << c.text;
        }
    }
}

}  // namespace
