// A project folder someone sent us: the build and the import write and delete
// only the project's own files, whatever links and names the folder holds. The
// fixtures are made and built by an ordinary user, for whom permissions count.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "../support/ordinary_user.h"
#include "../support/project_sandbox.h"
#include "editor/dialogs/resource_import.h"
#include "editor/project_build.h"

namespace {

namespace fs = std::filesystem;
using namespace sandbox;

const std::string kAutorun = AUTORUN_INF_TEXT;

bool IsFile(const std::string& path) { return fs::is_regular_file(fs::symlink_status(path)); }

class OutsideProject : public ::testing::Test {
  protected:
    void SetUp() override {
        OpenToOrdinaryUser(box.folder.Path());
        OpenToOrdinaryUser(outside.Path());
    }

    // As the ordinary user: `arrange` makes the fixture, the project at `folder`
    // (default: the sandbox's) gets `settings` and is built. The result and the
    // messages come back as one text.
    std::string Build(const std::function<void()>& arrange,
                      const std::function<void(LaunchSettings&)>& settings,
                      std::string folder = "") {
        if (folder.empty()) folder = box.folder.Path();
        return AsOrdinaryUser([&] {
            fs::create_directories(folder + "/res");
            WriteBytes(outside.File("Velomar.exe"), "MZ runtime");
            arrange();
            CInstallerWnd project(folder);
            settings(*project.Settings);
            const BuildResult result = BuildProject(&project, outside.File("Velomar.exe"));
            std::string text = result == BuildResult::Built ? "built" : "failed";
            for (const std::string& m : box.services.messages) text += "|" + m;
            return text;
        });
    }
    std::string P(const std::string& name) const { return box.folder.File(name); }

    ProjectSandbox box;
    TempFolder outside;
};

TEST_F(OutsideProject, ALinkedResIsNeitherCleanedNorFollowed) {
    const std::string result = Build(
        [&] {
            fs::remove(P("res"));
            fs::create_directory(outside.File("shared"));
            for (const char* name : {"a.bmp", "b.wav", "c.txt"})
                WriteBytes(outside.File(std::string("shared/") + name), "not the project's");
            fs::create_directory_symlink(outside.File("shared"), P("res"));
        },
        [](LaunchSettings&) {});
    EXPECT_EQ(result, std::string("built|") + RES_LINK_NOTE);
    for (const char* name : {"a.bmp", "b.wav", "c.txt"})
        EXPECT_TRUE(IsFile(outside.File(std::string("shared/") + name))) << name;
}

TEST_F(OutsideProject, LinksAtTheBuildsTargetsAreReplacedNeverWrittenThrough) {
    // The linked file is one the user may not write: only the link is replaced.
    WriteBytes(outside.File("victim.inf"), "outside");
    fs::permissions(outside.File("victim.inf"), fs::perms(0644));
    const std::string result = Build(
        [&] {
            fs::create_symlink(outside.File("victim.inf"), P("autorun.inf"));
            // A link to the runtime itself is no runtime on a disc.
            fs::create_symlink(outside.File("Velomar.exe"), P("Velomar.exe"));
            // Leftovers of a killed build: ours go, a user's file of a like name stays.
            WriteBytes(P("autorun.inf.tmp.0123abcd"), "[aut");
            WriteBytes(P("VELOMAR.EXE.tmp.deadbeef"), "MZ");
            WriteBytes(P("notes.txt.tmp.01234567"), "the user's");
        },
        [](LaunchSettings&) {});
    EXPECT_EQ(result, "built");
    EXPECT_EQ(ReadBytes(outside.File("victim.inf")), "outside");
    EXPECT_TRUE(IsFile(P("autorun.inf")));
    EXPECT_EQ(ReadBytes(P("autorun.inf")), kAutorun);
    EXPECT_TRUE(IsFile(P("Velomar.exe")));
    EXPECT_EQ(ReadBytes(P("Velomar.exe")), "MZ runtime");
    EXPECT_FALSE(fs::exists(P("autorun.inf.tmp.0123abcd")));
    EXPECT_FALSE(fs::exists(P("VELOMAR.EXE.tmp.deadbeef")));
    EXPECT_TRUE(fs::exists(P("notes.txt.tmp.01234567")));

    // A dangling link in another case is replaced too, and makes no file outside.
    fs::remove(P("autorun.inf"));
    fs::create_symlink(outside.File("made.inf"), P("AUTORUN.INF"));
    EXPECT_EQ(Build([] {}, [](LaunchSettings&) {}), "built");
    EXPECT_FALSE(fs::exists(outside.File("made.inf")));
    EXPECT_TRUE(IsFile(P("AUTORUN.INF")));
}

TEST_F(OutsideProject, EverySpellingEitherRuntimeOpensIsKept) {
    const std::string result = Build(
        [&] {
            fs::create_directory(P("docs"));
            for (const char* name : {"background.bmp", "guide.pdf", "Logo.bmp", "setup.exe",
                                     "intro.wav", "orphan.bmp"})
                WriteBytes(P(std::string("res/") + name), name);
            fs::create_directory_symlink("res", P("alias"));  // only POSIX follows it
        },
        [](LaunchSettings& s) {
            s.BackGroundBitmapName = "res\\.\\background.bmp";
            s.NumberOfLogosToDraw = 1;
            s.LogoBitmapName[0] = "RES//logo.bmp. ";  // Windows drops the trailing ". "
            s.StartupWaveFile = "..\\res\\intro.wav";  // at a disc's root ".." stays there
            s.NumberOfHotSpots = 2;
            s.HotSpotCommand[0] = "OPEN";
            s.HotSpotCommandDataA[0] = "docs\\..\\res\\guide.pdf";
            s.HotSpotCommand[1] = "RUN";
            s.HotSpotCommandDataA[1] = "alias\\setup.exe";
        });
    EXPECT_EQ(result, std::string("built|") + OFF_DISC_NOTE +
                          "\nalias\\setup.exe: reached through a link, which Windows does not see on a disc");
    for (const char* name : {"background.bmp", "guide.pdf", "Logo.bmp", "setup.exe", "intro.wav"})
        EXPECT_TRUE(IsFile(P(std::string("res/") + name))) << name;
    EXPECT_FALSE(fs::exists(P("res/orphan.bmp")));
}

TEST_F(OutsideProject, UsedFilesThatCannotGoOntoTheDiscAreNamed) {
    const std::string result = Build(
        [&] {
            WriteBytes(outside.File("art.bmp"), "outside");
            fs::create_symlink(outside.File("art.bmp"), P("res/art.bmp"));
            fs::create_symlink(outside.File("gone.wav"), P("res/gone.wav"));
            WriteBytes(P("res/ok.bmp"), "inside");
        },
        [](LaunchSettings& s) {
            s.BackGroundBitmapName = "res\\art.bmp";
            s.NumberOfLogosToDraw = 1;
            s.LogoBitmapName[0] = "res\\ok.bmp";
            s.HotSpotWaveFile = "res\\gone.wav";
        });
    EXPECT_EQ(result, std::string("built|") + OFF_DISC_NOTE +
                          "\nres\\art.bmp: it leads out of the project folder or nowhere"
                          "\nres\\gone.wav: it leads out of the project folder or nowhere");
    EXPECT_TRUE(fs::is_symlink(P("res/art.bmp")));  // links in res are never deleted
}

TEST_F(OutsideProject, AProjectFolderNameIsTakenAsItIs) {
    // "p\..\victim" is one folder's name, not a way to the folder beside it.
    const std::string victim = box.folder.File("victim/");
    const std::string odd = box.folder.File("p\\..\\victim/");
    const std::string result = Build(
        [&] {
            fs::create_directories(victim + "res");
            WriteBytes(victim + "res/theirs.bmp", "victim's");
            WriteBytes(odd + "res/unused.bmp", "ours");
        },
        [](LaunchSettings&) {}, odd);
    EXPECT_EQ(result, "built");
    EXPECT_TRUE(IsFile(victim + "res/theirs.bmp"));
    EXPECT_FALSE(fs::exists(victim + "autorun.inf"));
    EXPECT_FALSE(fs::exists(odd + "res/unused.bmp"));
    EXPECT_EQ(ReadBytes(odd + "autorun.inf"), kAutorun);

    // A folder named back\slash opens; its stored names still map '\'.
    const std::string named = box.folder.File("back\\slash");
    fs::create_directories(named + "/res");
    CInstallerWnd saved(named);
    saved.Settings->BackGroundBitmapName = "res\\b.bmp";
    ASSERT_TRUE(saved.SaveSettings());
    CInstallerWnd opened(named);
    ASSERT_TRUE(opened.LoadSettings());
    EXPECT_EQ(TextOf(opened.Settings->BackGroundBitmapName), "res\\b.bmp");
    EXPECT_EQ(ProjectFilePath(named, "res\\b.bmp"), named + "/res/b.bmp");
}

TEST_F(OutsideProject, ImportedNamesMeanTheSameFileOnBothSystems) {
    fs::create_directory(P("res"));
    const struct {
        const char* source;
        const char* stored;
    } cases[] = {
        {"evil\\title.bmp", "res\\evil_title.bmp"},
        {"a:b*c?\"<>|.bmp", "res\\a_b_c_____.bmp"},
        {"tab\there\x7f.wav", "res\\tab_here_.wav"},
        {"trailing. .", "res\\trailing___"},
        {"con.bmp", "res\\_con.bmp"},
        {"COM1", "res\\_COM1"},
        {"console.bmp", "res\\console.bmp"},
    };
    for (const auto& c : cases) {
        WriteBytes(outside.File(c.source), c.source);
        std::string stored;
        ASSERT_TRUE(ImportResource(outside.File(c.source), box.folder.Path(), &stored)) << c.source;
        EXPECT_EQ(stored, c.stored);
        // The stored name reaches the copy, as both runtimes will read it.
        EXPECT_EQ(ReadBytes(ProjectFilePath(box.folder.Path(), stored)), c.source) << stored;
    }
    EXPECT_TRUE(box.services.messages.empty());
}

}  // namespace
