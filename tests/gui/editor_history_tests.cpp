// Undo, Redo and Move Up / Move Down as the user reaches them: real keys on
// the tree, the Edit menu naming the step, and the project file after each.
#include <wx/menu.h>
#include <wx/treectrl.h>

#include "editor/wx/hyperlink_dlg.h"
#include "editor/wx/tree_view.h"
#include "editor_fixture.h"

using namespace editor_test;

namespace {

class HistoryTest : public EditorTest {
  protected:
    void SetUp() override {
        EditorTest::SetUp();
        StartOnSample();
    }
    wxTreeCtrl* Tree() { return frame->TreeView->Tree(); }
    wxTreeItemId Link(int index) {
        wxTreeItemIdValue cookie;
        wxTreeItemId links = Tree()->GetFirstChild(Tree()->GetRootItem(), cookie);
        for (int i = 0; i < 2; ++i) links = Tree()->GetNextChild(Tree()->GetRootItem(), cookie);
        wxTreeItemId c = Tree()->GetFirstChild(links, cookie);
        for (int i = 0; i < index && c.IsOk(); ++i) c = Tree()->GetNextChild(links, cookie);
        return c;
    }
    // Keys go where the pointer is on a bare X server: over the tree.
    void Keys(std::initializer_list<const char*> held, const char* key) {
        Tree()->SetFocus();
        const wxPoint at = Tree()->GetScreenPosition();
        gui_test::Screen().MovePointer(at.x + 60, at.y + Tree()->GetSize().y - 10);
        PumpFor(100);
        for (const char* k : held) gui_test::Screen().KeyEvent(k, true);
        gui_test::Screen().PressKey(key);
        for (const char* k : held) gui_test::Screen().KeyEvent(k, false);
        PumpFor(300);
    }
    // The links' texts as AppSetup.dat holds them.
    std::string StoredLinks() {
        CInstallerWnd stored(temp.File("sample/"));
        if (!stored.LoadSettings()) return "(unreadable)";
        std::string texts;
        for (int i = 0; i < stored.Settings->NumberOfHotSpots; ++i)
            texts += TextOf(stored.Settings->HotSpotText[i]) + "|";
        return texts;
    }
    std::string MenuText(int id) {
        frame->UpdateWindowUI(wxUPDATE_UI_RECURSE);
        PumpFor(50);  // the Edit menu is made anew after the update
        frame->UpdateWindowUI(wxUPDATE_UI_RECURSE);
        wxMenuItem* item = frame->GetMenuBar()->FindItem(id);
        return item && item->IsEnabled() ? item->GetItemLabelText().utf8_string() : "(greyed)";
    }
};

TEST_F(HistoryTest, MoveUndoAndRedoWithTheKeys) {
    const std::string start = StoredLinks();
    const std::string first = Tree()->GetItemText(Link(0)).utf8_string();
    const std::string second = Tree()->GetItemText(Link(1)).utf8_string();
    EXPECT_EQ(MenuText(ID_UNDO), "(greyed)");

    Tree()->SelectItem(Link(0));
    Keys({"Alt_L"}, "Down");
    ASSERT_TRUE(PumpUntil([&] { return StoredLinks().rfind(second + "|" + first + "|", 0) == 0; }));
    // The moved link stays selected, so a second Alt+Down moves it on.
    EXPECT_EQ(Tree()->GetItemText(Tree()->GetSelection()).utf8_string(), first);
    EXPECT_EQ(MenuText(ID_UNDO), "Undo Move Link Down");
    EXPECT_EQ(MenuText(ID_MOVE_UP), "Move Up");

    Keys({"Control_L"}, "z");
    EXPECT_TRUE(PumpUntil([&] { return StoredLinks() == start; }));
    EXPECT_EQ(MenuText(ID_UNDO), "(greyed)");
    EXPECT_EQ(MenuText(ID_REDO), "Redo Move Link Down");
    Keys({"Control_L", "Shift_L"}, "z");
    EXPECT_TRUE(PumpUntil([&] { return StoredLinks() != start; }));
    Keys({"Control_L"}, "z");
    Keys({"Control_L"}, "y");
    EXPECT_TRUE(PumpUntil([&] { return StoredLinks() != start; }));
    EXPECT_TRUE(services.messages.empty());
}

// A dialog's OK is one step and a cancelled one none.
TEST_F(HistoryTest, DialogOkIsAStep) {
    const std::string start = StoredLinks();
    OnModal<CHyperlinkPropertiesDlg> cancel([](CHyperlinkPropertiesDlg* d) {
        d->LabelEdit->SetValue("never");
        Press(d, wxID_CANCEL);
    });
    frame->TreeView->ShowItemProperties(Link(1));
    EXPECT_EQ(MenuText(ID_UNDO), "(greyed)");

    OnModal<CHyperlinkPropertiesDlg> ok([](CHyperlinkPropertiesDlg* d) {
        d->LabelEdit->SetValue("Renamed");
        EXPECT_TRUE(PressOk(d));
    });
    frame->TreeView->ShowItemProperties(Link(1));
    EXPECT_TRUE(PumpUntil([&] { return StoredLinks().find("|Renamed|") != std::string::npos; }));
    EXPECT_EQ(MenuText(ID_UNDO), "Undo Edit Link");

    Command(ID_UNDO);
    EXPECT_EQ(StoredLinks(), start);
}

// A property dialog's fields show in the preview while it is open; Cancel
// puts the record back, and nothing is saved before OK.
TEST_F(HistoryTest, LiveDialogCancelPutsThePreviewBack) {
    LaunchSettings& s = *frame->DemoWnd->GetInstallerWnd()->Settings;
    const int left = s.HotSpotRect[1].left;
    const std::string start = StoredLinks();
    OnModal<CHyperlinkPropertiesDlg> live([&](CHyperlinkPropertiesDlg* d) {
        d->XEdit->SetValue("300");
        d->LabelEdit->SetValue("Live");
        PumpFor(200);
        EXPECT_EQ(frame->DemoWnd->GetInstallerWnd()->Settings->HotSpotRect[1].left, 300);
        EXPECT_EQ(TextOf(frame->DemoWnd->GetInstallerWnd()->Settings->HotSpotText[1]), "Live");
        EXPECT_EQ(StoredLinks(), start);
        Press(d, wxID_CANCEL);
    });
    frame->TreeView->ShowItemProperties(Link(1));
    ASSERT_EQ(live.Runs(), 1);
    CInstallerWnd* shown = frame->DemoWnd->GetInstallerWnd();
    EXPECT_EQ(shown->Settings->HotSpotRect[1].left, left);
    EXPECT_NE(TextOf(shown->Settings->HotSpotText[1]), "Live");
    EXPECT_TRUE(shown->Wnd && shown->Wnd->IsWindow());
    EXPECT_FALSE(frame->DemoWnd->Modified());
    EXPECT_EQ(MenuText(ID_UNDO), "(greyed)");
}

}  // namespace
