// The project lifecycle on the headless host with real folders: New (nested
// paths, the overwrite question), Open (missing, damaged), the title's "*" and
// the preview's reload. The save question is tested with the editor's window
// (tests/gui/editor_tests.cpp).
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "../support/project_sandbox.h"
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

}  // namespace
