// Undo and redo of every kind of change the editor makes, judged by the bytes
// the writer stores; the history's limits; Move Up / Move Down; and the
// session's Undo, which refreshes from the file as any change does.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "../support/project_sandbox.h"
#include "editor/edit_history.h"
#include "editor/project_session.h"
#include "editor/template_edit.h"
#include "platform/headless/headless_platform.h"

namespace {

using namespace sandbox;
using platform::MessageAnswer;

class EditHistoryTest : public ::testing::Test {
  protected:
    EditHistoryTest() {
        FillLargestRecord(S());
        S().NumberOfHotSpots = MAX_HOTSPOTS - 1;  // room for one more of each
        S().NumberOfLogosToDraw = MAX_LOGOS - 1;
    }
    LaunchSettings& S() { return *project->Settings; }
    std::string Stored() {
        EXPECT_TRUE(project->SaveSettings());
        return box.SettingsBytes();
    }

    ProjectSandbox box;
    std::unique_ptr<CInstallerWnd> project = box.NewProject();
    EditHistory history;
};

TEST_F(EditHistoryTest, UndoAndRedoEveryKindOfChange) {
    auto ok = [](bool answer) { return [answer](ItemDialog, int) { return answer; }; };
    const struct {
        const char* step;
        std::function<void(CInstallerWnd&)> change;
    } cases[] = {
        {"Insert Link",
         [&](CInstallerWnd& p) {
             InsertNewItem(&p, {NodeKind::HyperlinkCategory, 0}, ok(true));
         }},
        {"Insert Logo",
         [&](CInstallerWnd& p) {
             InsertNewItem(&p, {NodeKind::Logo, 2}, ok(true));
         }},
        {"Delete Link",
         [](CInstallerWnd& p) {
             DeleteTemplateItem(&p, {NodeKind::Hyperlink, 0});
         }},
        {"Delete Logo",
         [](CInstallerWnd& p) {
             DeleteTemplateItem(&p, {NodeKind::Logo, 5});
         }},
        {"Move Link Down",
         [](CInstallerWnd& p) {
             MoveTemplateItem(&p, {NodeKind::Hyperlink, 3}, 1);
         }},
        {"Move Logo Up",
         [](CInstallerWnd& p) {
             MoveTemplateItem(&p, {NodeKind::Logo, 13}, -1);
         }},
        {"Move", [](CInstallerWnd& p) { p.Settings->HotSpotRect[2].left += 7; }},
        {"Edit Background",
         [](CInstallerWnd& p) { p.Settings->BackGroundBitmapName = "@@00ff00000000ff"; }},
        {"Edit Link",
         [](CInstallerWnd& p) {
             LaunchSettings& s = *p.Settings;
             s.HotSpotCommand[4] = "QUIT";
             s.HotSpotTextHiliteColorG = 9;
             s.HotSpotFontSize = -30;
         }},
        {"Edit Logo",
         [](CInstallerWnd& p) {
             LaunchSettings& s = *p.Settings;
             s.AnimateLogo[1] = 0;
             s.LogoBitmapMaskColorG[1] = 77;
             s.LogoAnnimationDelay = 5;
         }},
        {"Edit Audio", [](CInstallerWnd& p) { p.Settings->HotSpotWaveFile = ""; }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.step);
        box.services.ScriptAnswers({MessageAnswer::Yes});
        const std::string before = Stored();
        history.Begin(c.step, S());
        c.change(*project);
        history.Settle(S());
        const std::string after = Stored();
        ASSERT_NE(before, after);
        EXPECT_EQ(history.UndoName(), c.step);

        ASSERT_TRUE(history.Undo(S()));
        EXPECT_EQ(Stored(), before);
        EXPECT_EQ(history.RedoName(), c.step);
        ASSERT_TRUE(history.Redo(S()));
        EXPECT_EQ(Stored(), after);
    }
}

TEST_F(EditHistoryTest, OnlyChangesCountAndTheOldestGoesPast100) {
    EXPECT_FALSE(history.Undo(S()));
    EXPECT_EQ(UndoLabel("Undo", history.UndoName()), "Undo");

    // A dialog cancelled, and an insert whose dialog was cancelled: no step,
    // and the redo list survives them.
    history.Begin("Edit Link", S());
    S().WindowTitle = "first";
    history.Settle(S());
    ASSERT_TRUE(history.Undo(S()));
    history.Begin("Edit Background", S());
    history.Begin("Insert Link", S());
    EXPECT_FALSE(InsertNewItem(project.get(), {NodeKind::HyperlinkCategory, 0},
                               [](ItemDialog, int) { return false; }));
    EXPECT_FALSE(history.Undo(S()));
    EXPECT_EQ(UndoLabel("Redo", history.RedoName()), "Redo Edit Link");

    // A new change ends the redo list.
    history.Begin("Edit Audio", S());
    S().StartupWaveFile = "x.wav";
    EXPECT_FALSE(history.Redo(S()));

    for (int i = 1; i <= 150; ++i) {
        history.Begin("Move", S());
        S().HotSpotRect[0].top = i;
    }
    int undone = 0;
    while (history.Undo(S())) ++undone;
    EXPECT_EQ(undone, int(EditHistory::kMaxSteps));
    EXPECT_EQ(S().HotSpotRect[0].top, 50);  // the 50 oldest steps are gone
    EXPECT_EQ(TextOf(S().StartupWaveFile), "x.wav");

    history.Clear();
    EXPECT_FALSE(history.Redo(S()));
}

TEST_F(EditHistoryTest, MoveSwapsWholeSlotsWithinTheCount) {
    const RecordSnapshot start = RecordSnapshot::Of(S());
    const std::string link3 = TextOf(S().HotSpotText[3]), logo0 = TextOf(S().LogoBitmapName[0]);
    S().ResizeLogo[0] = 1;
    S().ResizeLogo[1] = 0;
    ASSERT_TRUE(MoveTemplateItem(project.get(), {NodeKind::Hyperlink, 3}, -1));
    ASSERT_TRUE(MoveTemplateItem(project.get(), {NodeKind::Logo, 0}, 1));
    EXPECT_EQ(TextOf(S().HotSpotText[2]), link3);
    EXPECT_EQ(S().HotSpotRect[2].top, 160);  // its place went with it
    EXPECT_EQ(TextOf(S().HotSpotCommandDataA[2]), "setup\\component4.exe");
    EXPECT_EQ(TextOf(S().LogoBitmapName[1]), logo0);
    EXPECT_EQ(S().LogoBitmapLocation[1].x, 0);
    EXPECT_EQ(S().ResizeLogo[1], 1);
    EXPECT_EQ(S().ResizeLogo[0], 0);

    const int lastLink = MAX_HOTSPOTS - 2, lastLogo = MAX_LOGOS - 2;
    const struct {
        TemplateNode node;
        int step;
    } refused[] = {
        {{NodeKind::Hyperlink, 0}, -1},        {{NodeKind::Hyperlink, lastLink}, 1},
        {{NodeKind::Logo, lastLogo + 1}, -1},  {{NodeKind::Logo, -1}, 1},
        {{NodeKind::HyperlinkCategory, 0}, 1}, {{NodeKind::Background, 0}, 1},
        {{NodeKind::Hyperlink, 1}, 2},
    };
    const RecordSnapshot moved = RecordSnapshot::Of(S());
    for (const auto& r : refused) {
        EXPECT_FALSE(CanMoveItem(project.get(), r.node, r.step)) << int(r.node.kind);
        EXPECT_FALSE(MoveTemplateItem(project.get(), r.node, r.step)) << int(r.node.kind);
    }
    EXPECT_TRUE(RecordSnapshot::Of(S()) == moved);
    EXPECT_TRUE(CanMoveItem(project.get(), {NodeKind::Logo, lastLogo}, -1));
    EXPECT_FALSE(CanMoveItem(nullptr, {NodeKind::Logo, 1}, -1));
    EXPECT_TRUE(RecordSnapshot::Of(S()) != start);
}

// The frame as far as the session sees it.
class NoView : public ProjectView {
  public:
    explicit NoView(platform::Window* parent) : parent_(parent) {}
    platform::Window* PreviewParent() override { return parent_; }
    void RebuildTree() override {}
    std::string GetTitle() const override { return ""; }
    void SetTitle(const std::string&) override {}
    void ProjectChanged() override {}

  private:
    platform::Window* parent_;
};

// Undo stores the record at once, as any change does; a new project has no steps.
TEST(SessionUndo, StoresAtOnceAndEndsWithTheProject) {
    platform::HeadlessPlatform host{platform::HeadlessOptions{{1024, 768}, false}};
    TempFolder temp;
    platform::WindowParams params;
    params.style = platform::ws::Popup | platform::ws::Visible;
    params.width = params.height = 700;
    std::unique_ptr<platform::Window> pane = host.windows.CreateHostWindow(params, nullptr);
    NoView view(pane.get());
    ProjectSession session(&view);
    auto stored = [&] {
        CInstallerWnd wnd(temp.Path() + "p/");
        return wnd.LoadSettings() ? TextOf(wnd.Settings->WindowTitle) : "(unreadable)";
    };
    ASSERT_TRUE(session.NewProject(temp.Path() + "p/"));
    const std::string original = stored();
    session.BeginChange("Edit Background");
    session.GetInstallerWnd()->Settings->WindowTitle = "changed";
    session.SetModified(true);
    session.SaveProject();
    ASSERT_TRUE(session.Undo());
    EXPECT_EQ(stored(), original);
    ASSERT_TRUE(session.Redo());
    EXPECT_EQ(stored(), "changed");

    ASSERT_TRUE(session.NewProject(temp.Path() + "q/"));
    EXPECT_FALSE(session.Undo());
}

}  // namespace
