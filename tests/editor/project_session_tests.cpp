// The project lifecycle on the headless host with real folders: New (nested
// paths, the overwrite question), Open (missing, damaged), the title's "*",
// the preview's reload with its picture cache, and a save that fails. The save
// question is tested with the editor's window (tests/gui/editor_tests.cpp).
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include "../support/ordinary_user.h"
#include "../support/project_sandbox.h"
#include "bench/bench_project.h"
#include "editor/project_lifecycle.h"
#include "editor/project_session.h"
#include "platform/headless/headless_platform.h"

namespace {

namespace fs = std::filesystem;
using platform::MessageAnswer;
using Messages = std::vector<std::string>;

// The frame and panes, as far as the session sees them.
class FakeView : public ProjectView {
  public:
    explicit FakeView(platform::Window* parent) : parent_(parent) {}
    platform::Window* PreviewParent() override { return parent_; }
    void RebuildTree() override { ++rebuilds; }
    std::string GetTitle() const override { return title; }
    void SetTitle(const std::string& t) override { title = t; }
    void ProjectChanged() override { ++changes; }

    std::string title = "VelomarForge - /p";
    int rebuilds = 0, changes = 0;

  private:
    platform::Window* parent_;
};

class ProjectSessionTest : public ::testing::Test {
  protected:
    // The preview pane: 800 x 500.
    std::unique_ptr<platform::Window> MakePane() {
        platform::WindowParams params;
        params.style = platform::ws::Popup | platform::ws::Visible;
        params.width = 800;
        params.height = 500;
        return host.windows.CreateHostWindow(params, nullptr);
    }

    std::string Folder(const std::string& name) const { return temp.Path() + name; }
    const Messages& messages() const { return host.services.messages; }
    // A project on disk with one changed value, opened and marked modified.
    void OpenModified(const std::string& name) {
        ASSERT_TRUE(session.NewProject(Folder(name)));
        session.GetInstallerWnd()->Settings->WindowTitle = "changed";
        session.SetModified(true);
    }
    std::string StoredTitle(const std::string& name) {
        CInstallerWnd wnd(Folder(name));
        return wnd.LoadSettings() ? wnd.Settings->WindowTitle.value_or("") : "(unreadable)";
    }

    platform::HeadlessPlatform host{platform::HeadlessOptions{{1024, 768}, false}};
    sandbox::TempFolder temp;
    std::unique_ptr<platform::Window> pane = MakePane();
    FakeView view{pane.get()};
    ProjectSession session{&view};
};

TEST_F(ProjectSessionTest, NewProjectMakesNestedFoldersAndShowsThePreviewCentred) {
    const std::string folder = Folder("a/b/c");
    ASSERT_TRUE(session.NewProject(folder));
    EXPECT_TRUE(fs::is_regular_file(folder + "/AppSetup.dat"));
    EXPECT_TRUE(fs::is_directory(folder + "/res"));
    CInstallerWnd* wnd = session.GetInstallerWnd();
    ASSERT_TRUE(wnd && wnd->Wnd && wnd->Wnd->IsWindow());
    EXPECT_EQ(view.rebuilds, 1);
    EXPECT_FALSE(session.Modified);
    const platform::Rect r = wnd->Wnd->GetWindowRect();
    EXPECT_EQ(r.left, 80);
    EXPECT_EQ(r.top, 30);
    EXPECT_TRUE(messages().empty());
}

TEST_F(ProjectSessionTest, OverwriteQuestionBothWays) {
    OpenModified("p");
    session.SaveProject();
    fs::create_directories(Folder("p/res/keep"));
    sandbox::WriteBytes(Folder("p/res/logo.bmp"), "x");
    const std::string question = "Project already exists.\nDo you wish to overwrite?";

    // No: the open project is closed all the same and the file stays.
    ASSERT_FALSE(session.NewProject(Folder("p")));
    EXPECT_EQ(session.GetInstallerWnd(), nullptr);
    EXPECT_EQ(messages(), Messages{question});
    EXPECT_EQ(StoredTitle("p"), "changed");
    EXPECT_EQ(view.rebuilds, 1);  // stopped before the window: the tree stays

    host.services.ScriptAnswers({MessageAnswer::Yes});
    ASSERT_TRUE(session.NewProject(Folder("p")));
    EXPECT_NE(StoredTitle("p"), "changed");
    EXPECT_TRUE(fs::exists(Folder("p/res/logo.bmp")));
    EXPECT_TRUE(fs::is_directory(Folder("p/res/keep")));
}

TEST_F(ProjectSessionTest, OpenFailuresLeaveNothingOpen) {
    struct Case {
        const char* what;
        const char* content;  // null: no AppSetup.dat
        Messages shown;
    };
    const Case cases[] = {
        {"no settings file", nullptr, {"Failed to open the specified project!"}},
        {"damaged settings", "garbage\r\n", {"Could not find correct Language section!\n"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(session.NewProject(Folder(std::string("good ") + c.what)));
        const int rebuilds = view.rebuilds;
        host.services.messages.clear();
        fs::create_directories(Folder(c.what));
        if (c.content) sandbox::WriteBytes(Folder(c.what) + "/AppSetup.dat", c.content);
        EXPECT_FALSE(session.OpenProject(Folder(c.what) + "/", false));
        EXPECT_EQ(session.GetInstallerWnd(), nullptr);
        EXPECT_EQ(messages(), c.shown);
        EXPECT_EQ(view.rebuilds, rebuilds);
    }
}

TEST_F(ProjectSessionTest, ModifiedFlagDrivesTheStar) {
    struct Step {
        bool flag;
        const char* title;
        int changes;
    };
    const Step steps[] = {{true, "VelomarForge - /p*", 1},
                          {true, "VelomarForge - /p*", 2},
                          {false, "VelomarForge - /p", 2},
                          {false, "VelomarForge - /p", 2}};
    for (const Step& s : steps) {
        session.SetModified(s.flag);
        EXPECT_EQ(view.title, s.title);
        EXPECT_EQ(view.changes, s.changes);
        EXPECT_EQ(session.Modified, s.flag);
    }
}

// A reload saves first and reopens; only the test mode starts like the runtime.
TEST_F(ProjectSessionTest, ReloadSavesAndReopens) {
    OpenModified("p");
    sandbox::WriteBytes(Folder("p/res/start.wav"), "RIFF");
    session.GetInstallerWnd()->Settings->StartupWaveFile = "res\\start.wav";
    for (bool test : {false, true, true}) {
        SCOPED_TRACE(test);
        host.services.sounds.clear();
        session.GetInstallerWnd()->HoverHotSpot = 7;  // gone with the old object
        session.ReloadProject(test);
        ASSERT_NE(session.GetInstallerWnd(), nullptr);
        EXPECT_EQ(session.GetInstallerWnd()->HoverHotSpot, 0);
        EXPECT_EQ(StoredTitle("p"), "changed");
        EXPECT_FALSE(session.Modified);
        EXPECT_EQ(view.title, ProjectTitle(Folder("p")));  // the star gone, the title kept
        EXPECT_EQ(host.services.sounds.size(), test ? 1u : 0u);
        EXPECT_EQ(session.GetInstallerWnd()->AnnimationDone, test ? 0 : 1);
    }
    EXPECT_TRUE(messages().empty());
    session.CloseProject();
    session.ReloadProject(true);  // nothing open: nothing happens
    EXPECT_EQ(session.GetInstallerWnd(), nullptr);
}

// The refresh reuses the pictures whose files did not change, and reads again
// those that did; closing the project lets them all go.
TEST_F(ProjectSessionTest, RefreshDecodesOnlyChangedPicturesAndCloseReleasesThem) {
    bench::Project project(3, false, false);  // background and logos 0 to 2
    const std::string res = project.Dir() + "res/";
    ASSERT_TRUE(session.OpenProject(project.Dir(), false));
    LaunchSettings* s = session.GetInstallerWnd()->Settings.get();
    // Held here, so that a picture decoded again cannot reuse the address.
    const std::shared_ptr<platform::Bitmap> background = s->BackgroundBitmap;
    const std::shared_ptr<platform::Bitmap> logos[] = {s->LogoBitmap[0], s->LogoBitmap[1],
                                                       s->LogoBitmap[2]};
    EXPECT_EQ(session.Pictures().Size(), 4u);

    // Logo 1 rewritten at its size with a later time, logo 2 at another size.
    bench::WriteBmp(res + "logo1.bmp", 200, 150, 77);
    fs::last_write_time(res + "logo1.bmp",
                        fs::last_write_time(res + "logo1.bmp") + std::chrono::seconds(5));
    bench::WriteBmp(res + "logo2.bmp", 100, 150, 2);
    session.ReloadProject(false);
    s = session.GetInstallerWnd()->Settings.get();
    EXPECT_EQ(s->BackgroundBitmap, background);
    EXPECT_EQ(s->LogoBitmap[0], logos[0]);
    EXPECT_NE(s->LogoBitmap[1], logos[1]);
    EXPECT_NE(s->LogoBitmap[2], logos[2]);
    EXPECT_EQ(s->LogoWidth[2], 100);
    EXPECT_EQ(session.Pictures().Size(), 4u) << "the replaced pictures are let go";
    EXPECT_TRUE(host.services.messages.empty());

    session.CloseProject();
    EXPECT_EQ(session.Pictures().Size(), 0u);
}

// A save that fails keeps the edit: in a read-only project (as an ordinary
// user, since root may write anywhere) the refresh after an edit, Test
// Project, Save and the save question all leave the edit in memory, marked,
// and the preview shows it rather than the old file.
TEST_F(ProjectSessionTest, FailedSaveKeepsTheEditMarkedAndShown) {
    const std::string folder = temp.File("p/");
    ASSERT_NE(CreateNewProject(folder), nullptr);
    const std::string stored = sandbox::ReadBytes(folder + "AppSetup.dat");
    sandbox::OpenToOrdinaryUser(temp.Path());
    ::chmod(folder.c_str(), 0555);

    const std::string report = sandbox::AsOrdinaryUser([&] {
        auto parent = MakePane();
        FakeView titled(parent.get());
        ProjectSession own(&titled);
        std::string out;
        auto state = [&](const char* step) {
            const CInstallerWnd* p = own.GetInstallerWnd();
            out += std::string(step) + ": modified " + std::to_string(own.Modified) + ", star " +
                   std::to_string(!titled.title.empty() && titled.title.back() == '*') +
                   ", links " + (p ? std::to_string(p->Settings->NumberOfHotSpots) : "-") +
                   ", shown " + std::to_string(p && p->Wnd && p->Wnd->IsWindow()) + ", started " +
                   std::to_string(p && !p->AnnimationDone) + ", messages " +
                   std::to_string(host.services.messages.size()) + "\n";
            host.services.messages.clear();
        };
        if (!own.OpenProject(folder, false)) return std::string("not opened");
        // The tree's Insert: one more link, marked, then the queued refresh.
        LaunchSettings& s = *own.GetInstallerWnd()->Settings;
        s.HotSpotText[0] = "Read me";
        s.HotSpotCommand[0] = "QUIT";
        s.NumberOfHotSpots = 1;
        own.SetModified(true);
        own.ReloadProject(false);
        state("refresh");
        own.ReloadProject(true);
        state("test project");
        const bool saved = own.SaveProject();
        out += "save " + std::to_string(saved) + ", said " +
               (host.services.messages.empty() ? "nothing\n" : host.services.messages.back());
        state("save");
        host.services.ScriptAnswers({MessageAnswer::Yes});
        out += "question yes " + std::to_string(own.PromptSave()) + "\n";
        state("question");
        host.services.ScriptAnswers({MessageAnswer::Yes});
        out += "open another " + std::to_string(own.OpenProject(folder, false)) + "\n";
        host.services.ScriptAnswers({MessageAnswer::No});
        out += "question no " + std::to_string(own.PromptSave()) + "\n";
        return out;
    });
    EXPECT_EQ(report,
              "refresh: modified 1, star 1, links 1, shown 1, started 0, messages 1\n"
              "test project: modified 1, star 1, links 1, shown 1, started 1, messages 1\n"
              "save 0, said Failed to create the INI file!\n"
              "save: modified 1, star 1, links 1, shown 1, started 1, messages 1\n"
              "question yes 0\n"
              "question: modified 1, star 1, links 1, shown 1, started 1, messages 2\n"
              // The question is asked and its save fails again: the project stays.
              "open another 0\n"
              "question no 1\n");
    EXPECT_EQ(sandbox::ReadBytes(folder + "AppSetup.dat"), stored);
    ::chmod(folder.c_str(), 0755);
}

}  // namespace
