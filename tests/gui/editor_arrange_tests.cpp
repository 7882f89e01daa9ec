// Arrange Items in the editor's window, with the pointer on the X server: a
// drag saved to AppSetup.dat, the tree and the preview picking the same item,
// links running again once it is off, and Build's question about items
// outside the window.
#include <wx/menu.h>
#include <wx/treectrl.h>

#include "editor/arranger.h"
#include "editor/wx/tree_view.h"
#include "editor_fixture.h"
#include "platform/wx/wx_window.h"

using namespace editor_test;
using platform::MessageAnswer;

namespace {

class ArrangeTest : public EditorTest {
  protected:
    void SetUp() override {
        EditorTest::SetUp();
        StartOnSample();
    }
    CInstallerWnd* Project() { return frame->DemoWnd->GetInstallerWnd(); }
    LaunchSettings& S() { return *Project()->Settings; }
    // A link that does not close the editor, once the first paint measured it.
    int RunnableLink() {
        for (int i = 0; i < S().NumberOfHotSpots; ++i)
            if (TextOf(S().HotSpotCommand[i]) != "QUIT") return i;
        return -1;
    }
    // The screen point of a client point of the preview.
    wxPoint OnScreen(platform::Point client) {
        auto* menu = dynamic_cast<platform::wx::WxWindow*>(Project()->Wnd.get());
        return menu->ClientWindow()->ClientToScreen(wxPoint(client.x, client.y));
    }
    platform::Point Middle(const platform::Rect& r) {
        return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    void Drag(platform::Point from, platform::Point to) {
        xtest::XDisplay& x = gui_test::Screen();
        const wxPoint a = OnScreen(from), b = OnScreen(to);
        x.MovePointer(a.x, a.y);
        PumpFor(100);
        x.Button(1, true);
        PumpFor(100);
        for (int step = 1; step <= 4; ++step) {
            x.MovePointer(a.x + (b.x - a.x) * step / 4, a.y + (b.y - a.y) * step / 4);
            PumpFor(50);
        }
        x.Button(1, false);
    }
    platform::Rect Stored(int link) {
        CInstallerWnd disk(temp.File("sample/"));
        EXPECT_TRUE(disk.LoadSettings());
        return disk.Settings->HotSpotRect[link];
    }
    bool Arranging() {
        frame->UpdateWindowUI(wxUPDATE_UI_RECURSE);
        return frame->GetMenuBar()->IsChecked(ID_ARRANGE_ITEMS) &&
               frame->GetToolBar()->GetToolState(ID_ARRANGE_ITEMS);
    }
};

TEST_F(ArrangeTest, DragALinkThenLinksRunAgainWhenItIsOff) {
    const int link = RunnableLink();
    ASSERT_GE(link, 0);
    ASSERT_TRUE(PumpUntil([&] { return S().HotSpotRect[link].right != 0; }));
    const platform::Rect before = S().HotSpotRect[link];
    EXPECT_FALSE(Arranging());
    Command(ID_ARRANGE_ITEMS);
    EXPECT_TRUE(Arranging());

    Drag(Middle(before), {Middle(before).x + 40, Middle(before).y + 24});
    ASSERT_TRUE(PumpUntil([&] { return Stored(link).left != before.left; }));
    EXPECT_EQ(Stored(link).left, before.left + 40);
    EXPECT_EQ(Stored(link).top, before.top + 24);
    EXPECT_TRUE(services.shellCalls.empty()) << "a link ran while arranging";
    EXPECT_EQ(Title().back(), '/') << "the move was saved";
    // The refresh made the window anew; the tree still shows the moved link picked.
    PumpFor(200);
    const wxTreeItemId picked = frame->TreeView->Tree()->GetSelection();
    ASSERT_TRUE(picked.IsOk());
    EXPECT_EQ(frame->TreeView->NodeOf(picked).kind, NodeKind::Hyperlink);
    EXPECT_EQ(frame->TreeView->NodeOf(picked).index, link);

    // The drag is one step: undone and redone whole.
    EXPECT_TRUE(PumpUntil([&] {
        frame->UpdateWindowUI(wxUPDATE_UI_RECURSE);
        return frame->GetMenuBar()->FindItem(ID_UNDO)->GetItemLabelText() == "Undo Move";
    }));
    Command(ID_UNDO);
    ASSERT_TRUE(PumpUntil([&] { return Stored(link).left == before.left; }));
    EXPECT_EQ(Stored(link).top, before.top);
    Command(ID_REDO);
    ASSERT_TRUE(PumpUntil([&] { return Stored(link).left == before.left + 40; }));
    EXPECT_EQ(Stored(link).top, before.top + 24);

    Command(ID_ARRANGE_ITEMS);
    EXPECT_FALSE(Arranging());
    const wxPoint at = OnScreen(Middle(S().HotSpotRect[link]));
    gui_test::Screen().MovePointer(at.x, at.y);
    PumpFor(150);
    gui_test::Screen().Click();
    EXPECT_TRUE(PumpUntil([&] { return services.shellCalls.size() == 1; }));
}

// Picking in the tree picks on the preview, and arrow keys there move the item.
TEST_F(ArrangeTest, TheTreePicksWhatTheKeysMove) {
    Command(ID_ARRANGE_ITEMS);
    ASSERT_GT(S().NumberOfLogosToDraw, 0);
    wxTreeCtrl* tree = frame->TreeView->Tree();
    wxTreeItemIdValue cookie;
    wxTreeItemId logos = tree->GetLastChild(tree->GetRootItem());
    tree->SelectItem(tree->GetFirstChild(logos, cookie));
    const TemplateNode picked = frame->DemoWnd->Arrange().Selection();
    EXPECT_EQ(picked.kind, NodeKind::Logo);
    EXPECT_EQ(picked.index, 0);

    const platform::Point start = S().LogoBitmapLocation[0];
    frame->DemoWnd->FocusPreview();
    PumpFor(100);
    gui_test::Screen().KeyEvent("Shift_L", true);
    gui_test::Screen().PressKey("Right");
    gui_test::Screen().KeyEvent("Shift_L", false);
    ASSERT_TRUE(PumpUntil([&] { return Project() && S().LogoBitmapLocation[0].x != start.x; }));
    PumpFor(200);  // the refresh; the keys stay with the new preview
    gui_test::Screen().PressKey("Up");
    ASSERT_TRUE(PumpUntil([&] { return S().LogoBitmapLocation[0].y != start.y; }));
    EXPECT_EQ(S().LogoBitmapLocation[0], (platform::Point{start.x + 10, start.y - 1}));
}

// Build names what the disc would cut off and stops on No; the tree marks it.
TEST_F(ArrangeTest, BuildAsksAboutItemsOutsideTheWindow) {
    S().LogoBitmapLocation[0] = {600, 400};
    frame->DemoWnd->SetModified(true);
    frame->DemoWnd->ReloadProject(false);
    wxTreeCtrl* tree = frame->TreeView->Tree();
    wxTreeItemIdValue cookie;
    const wxTreeItemId logo = tree->GetFirstChild(tree->GetLastChild(tree->GetRootItem()), cookie);
    const std::string name = TextOf(S().LogoBitmapName[0]);
    EXPECT_EQ(tree->GetItemText(logo).utf8_string(), name + "  (outside the window)");

    services.ScriptAnswers({MessageAnswer::No});
    Command(ID_BUILD_PROJECT);
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_NE(services.messages[0].find("\n" + name + "\n"), std::string::npos)
        << services.messages[0];
    EXPECT_FALSE(fs::exists(temp.File("sample/autorun.inf")));
}

}  // namespace
