// A save that fails keeps the edit: in a read-only project (as an ordinary
// user, since root may write anywhere) the refresh after an edit, Test
// Project, Save and the save question all leave the edit in memory, marked,
// and the preview shows it rather than the old file.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>

#include "../support/ordinary_user.h"
#include "../support/project_sandbox.h"
#include "editor/project_lifecycle.h"
#include "editor/project_session.h"
#include "platform/headless/headless_platform.h"

namespace {

using platform::MessageAnswer;

class TitleView : public ProjectView {
  public:
    explicit TitleView(platform::Window* parent) : parent_(parent) {}
    platform::Window* PreviewParent() override { return parent_; }
    void RebuildTree() override {}
    std::string GetTitle() const override { return title; }
    void SetTitle(const std::string& t) override { title = t; }
    void ProjectChanged() override {}
    std::string title;

  private:
    platform::Window* parent_;
};

TEST(UnsavedEditTest, FailedSaveKeepsTheEditMarkedAndShown) {
    platform::HeadlessPlatform host{platform::HeadlessOptions{{1024, 768}, false}};
    sandbox::TempFolder temp;
    const std::string folder = temp.File("p/");
    ASSERT_NE(CreateNewProject(folder), nullptr);
    const std::string stored = sandbox::ReadBytes(folder + "AppSetup.dat");
    sandbox::OpenToOrdinaryUser(temp.Path());
    ::chmod(folder.c_str(), 0555);

    const std::string report = sandbox::AsOrdinaryUser([&] {
        platform::WindowParams pane;
        pane.style = platform::ws::Popup | platform::ws::Visible;
        pane.width = 800;
        pane.height = 500;
        auto parent = host.windows.CreateHostWindow(pane, nullptr);
        TitleView view(parent.get());
        ProjectSession session(&view);
        std::string out;
        auto state = [&](const char* step) {
            const CInstallerWnd* p = session.GetInstallerWnd();
            out += std::string(step) + ": modified " + std::to_string(session.Modified) +
                   ", star " + std::to_string(!view.title.empty() && view.title.back() == '*') +
                   ", links " + (p ? std::to_string(p->Settings->NumberOfHotSpots) : "-") +
                   ", shown " + std::to_string(p && p->Wnd && p->Wnd->IsWindow()) +
                   ", started " + std::to_string(p && !p->AnnimationDone) + ", messages " +
                   std::to_string(host.services.messages.size()) + "\n";
            host.services.messages.clear();
        };
        if (!session.OpenProject(folder, false)) return std::string("not opened");
        // The tree's Insert: one more link, marked, then the queued refresh.
        LaunchSettings& s = *session.GetInstallerWnd()->Settings;
        s.HotSpotText[0] = "Read me";
        s.HotSpotCommand[0] = "QUIT";
        s.NumberOfHotSpots = 1;
        session.SetModified(true);
        session.ReloadProject(false);
        state("refresh");
        session.ReloadProject(true);
        state("test project");
        const bool saved = session.SaveProject();
        out += "save " + std::to_string(saved) + ", said " +
               (host.services.messages.empty() ? "nothing\n" : host.services.messages.back());
        state("save");
        host.services.ScriptAnswers({MessageAnswer::Yes});
        out += "question yes " + std::to_string(session.PromptSave()) + "\n";
        state("question");
        host.services.ScriptAnswers({MessageAnswer::Yes});
        out += "open another " + std::to_string(session.OpenProject(folder, false)) + "\n";
        host.services.ScriptAnswers({MessageAnswer::No});
        out += "question no " + std::to_string(session.PromptSave()) + "\n";
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
