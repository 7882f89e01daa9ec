// The template tree as the user edits with it: the context menu, the Insert
// and Delete keys, the double-click, the refresh that saves and rebuilds; and
// Build with Copy. Which node allows what is the core's (template_edit_tests).
#include <wx/menu.h>
#include <wx/radiobut.h>
#include <wx/textctrl.h>
#include <wx/treectrl.h>

#include "editor/project_build.h"
#include "editor/wx/audio_dlg.h"
#include "editor/wx/background_dlg.h"
#include "editor/wx/hyperlink_dlg.h"
#include "editor/wx/logo_dlg.h"
#include "editor/wx/tree_view.h"
#include "editor_fixture.h"

using namespace editor_test;
using platform::MessageAnswer;

namespace {

enum Place { kBackground, kAudio, kLinks, kLogos };

class TreeTest : public EditorTest {
  protected:
    void SetUp() override {
        EditorTest::SetUp();
        StartOnSample();
    }
    // A fresh copy of the sample, opened.
    void Reopen() {
        frame->DemoWnd->CloseProject();
        fs::remove_all(temp.File("sample"));
        fs::copy(VELOMAR_SOURCE_DIR "/examples/sample", temp.File("sample"),
                 fs::copy_options::recursive);
        OpenSample();
        services.messages.clear();
    }
    CInstallerWnd* Project() { return frame->DemoWnd->GetInstallerWnd(); }
    LaunchSettings& S() { return *Project()->Settings; }
    wxTreeCtrl* Tree() { return frame->TreeView->Tree(); }

    wxTreeItemId Category(Place place) {
        wxTreeItemIdValue cookie;
        wxTreeItemId c = Tree()->GetFirstChild(Tree()->GetRootItem(), cookie);
        for (int i = 0; i < int(place); ++i)
            c = Tree()->GetNextChild(Tree()->GetRootItem(), cookie);
        return c;
    }
    wxTreeItemId Child(Place category, int index) {
        wxTreeItemIdValue cookie;
        wxTreeItemId c = Tree()->GetFirstChild(Category(category), cookie);
        for (int i = 0; i < index && c.IsOk(); ++i)
            c = Tree()->GetNextChild(Category(category), cookie);
        return c;
    }
    std::vector<std::string> Children(Place category) {
        std::vector<std::string> texts;
        wxTreeItemIdValue cookie;
        for (wxTreeItemId c = Tree()->GetFirstChild(Category(category), cookie); c.IsOk();
             c = Tree()->GetNextChild(Category(category), cookie))
            texts.push_back(Tree()->GetItemText(c).utf8_string());
        return texts;
    }
    // The pointer over the tree (keys go where it is on a bare X server), the
    // node selected, then the key as the keyboard sends it.
    void PressOn(const wxTreeItemId& item, const char* key) {
        Tree()->SelectItem(item);
        Tree()->SetFocus();
        const wxPoint at = Tree()->GetScreenPosition();
        gui_test::Screen().MovePointer(at.x + 60, at.y + Tree()->GetSize().y - 10);
        PumpFor(100);
        gui_test::Screen().PressKey(key);
        PumpFor(200);
    }
    int StoredCount(bool links) {
        CInstallerWnd stored(temp.File("sample/"));
        if (!stored.LoadSettings()) return -1;
        return links ? stored.Settings->NumberOfHotSpots : stored.Settings->NumberOfLogosToDraw;
    }
};

TEST_F(TreeTest, ContextMenuFollowsTheNodesKind) {
    // A link named as a category is still a link.
    S().HotSpotText[1] = std::string("Audio");
    frame->TreeView->RebuildTree(Project());
    // Which entry is enabled for which kind is the core's; here the menu carries it.
    std::unique_ptr<wxMenu> menu(frame->TreeView->ItemMenu(Child(kLinks, 1)));
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->GetLabelText(CVelomarTreeView::ID_INSERT_ITEM), "Insert new item");
    EXPECT_FALSE(menu->IsEnabled(CVelomarTreeView::ID_INSERT_ITEM));
    EXPECT_TRUE(menu->IsEnabled(CVelomarTreeView::ID_DELETE_ITEM));
    // "Properties..." on the link named "Audio" opens that link's dialog.
    OnModal<CHyperlinkPropertiesDlg> link([](CHyperlinkPropertiesDlg* d) {
        EXPECT_EQ(d->LabelEdit->GetValue(), "Audio");
        Press(d, wxID_CANCEL);
    });
    frame->TreeView->RunItemCommand(Child(kLinks, 1), CVelomarTreeView::ID_PROPERTIES_ITEM);
    EXPECT_EQ(link.Runs(), 1);

    // The real popup: a right click on the category, the first entry by the keys.
    OnModal<CHyperlinkPropertiesDlg> inserted([](CHyperlinkPropertiesDlg* d) {
        EXPECT_EQ(d->LabelEdit->GetValue(), "New Command");
        Press(d, wxID_CANCEL);
    });
    wxRect r;
    ASSERT_TRUE(Tree()->GetBoundingRect(Category(kLinks), r, true));
    const wxPoint at = Tree()->ClientToScreen(r.GetPosition() + wxPoint(r.width / 2, r.height / 2));
    // From outside the tree onto the node, so GTK sees the pointer enter it.
    gui_test::Screen().MovePointer(at.x + 400, at.y);
    PumpFor(100);
    gui_test::Screen().MovePointer(at.x, at.y);
    PumpFor(300);
    // The popup runs its own loop: the keys come from a timer inside it, once
    // the menu is open.
    wxTimer keys;
    keys.Bind(wxEVT_TIMER, [](wxTimerEvent&) {
        gui_test::Screen().PressKey("Down");
        gui_test::Screen().PressKey("Return");
    });
    bool opened = false;
    frame->TreeView->Bind(wxEVT_MENU_OPEN, [&](wxMenuEvent& e) {
        opened = true;
        keys.StartOnce(300);
        e.Skip();
    });
    wxTimer stuck;  // a popup that took no keys must not hang the test
    stuck.Bind(wxEVT_TIMER, [](wxTimerEvent&) { gui_test::Screen().PressKey("Escape"); });
    stuck.StartOnce(4000);
    gui_test::Screen().Click(3);
    EXPECT_TRUE(PumpUntil([&] { return inserted.Runs() == 1; }, 5000)) << "menu opened " << opened;
    stuck.Stop();
    EXPECT_EQ(S().NumberOfHotSpots, 4);

    // Without a project: the categories only, no menu, no key does anything.
    frame->DemoWnd->CloseProject();
    frame->TreeView->RebuildTree(nullptr);
    EXPECT_EQ(Tree()->GetCount(), 5u);
    for (Place p : {kBackground, kAudio, kLinks, kLogos})
        EXPECT_EQ(frame->TreeView->ItemMenu(Category(p)), nullptr);
    EXPECT_FALSE(frame->TreeView->InsertNewItem(Category(kLinks)));
}

// OK counts the item; the queued refresh saves and rebuilds the tree.
TEST_F(TreeTest, InsertWithOkSavesAndRebuilds) {
    OnModal<CHyperlinkPropertiesDlg> link([](CHyperlinkPropertiesDlg* d) {
        d->LabelEdit->SetValue("Read me");
        EXPECT_TRUE(PressOk(d));
    });
    PressOn(Category(kLinks), "Insert");
    ASSERT_EQ(link.Runs(), 1);
    EXPECT_TRUE(PumpUntil([&] { return Children(kLinks).size() == 5; }));
    EXPECT_EQ(Children(kLinks).back(), "Read me");
    EXPECT_FALSE(frame->DemoWnd->Modified());
    EXPECT_EQ(Title(), "VelomarForge - " + temp.File("sample/"));
    EXPECT_EQ(StoredCount(true), 5);

    // A logo's OK without a file stays open; with one it counts.
    OnModal<CLogoPropertiesDlg> withFile([&](CLogoPropertiesDlg* d) {
        EXPECT_FALSE(PressOk(d));  // refused, then cancelled by PressOk
    });
    PressOn(Category(kLogos), "Insert");
    EXPECT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(S().NumberOfLogosToDraw, 3);
    OnModal<CLogoPropertiesDlg> chosen([&](CLogoPropertiesDlg* d) {
        d->BitmapEdit->SetValue(wxString::FromUTF8(temp.File("sample/res/title.bmp")));
        EXPECT_TRUE(PressOk(d));
    });
    PressOn(Category(kLogos), "Insert");
    EXPECT_TRUE(PumpUntil([&] { return Children(kLogos).size() == 4; }));
    EXPECT_EQ(Children(kLogos).back(), "res\\title.bmp");
    EXPECT_EQ(StoredCount(false), 4);
}

// The slots moving up are the core's; here the key asks and the refresh saves.
TEST_F(TreeTest, DeleteKeyAsksThenSavesAndRebuilds) {
    for (MessageAnswer answer : {MessageAnswer::No, MessageAnswer::Yes}) {
        SCOPED_TRACE(answer == MessageAnswer::Yes ? "yes" : "no");
        Reopen();
        services.ScriptAnswers({answer});
        PressOn(Child(kLogos, 0), "Delete");
        EXPECT_EQ(services.messages,
                  Messages{"Are you sure you want to permanently delete the Bitmap / Logo "
                           "file:\n\nres\\title.bmp ?"});
        const bool yes = answer == MessageAnswer::Yes;
        EXPECT_TRUE(PumpUntil([&] { return int(Children(kLogos).size()) == (yes ? 2 : 3); }));
        PumpFor(100);
        EXPECT_EQ(TextOf(S().LogoBitmapName[0]), yes ? "res\\disc.bmp" : "res\\title.bmp");
        EXPECT_EQ(StoredCount(false), yes ? 2 : 3);
        EXPECT_FALSE(frame->DemoWnd->Modified());
    }
}

// Until the queued refresh ran, the old nodes stand for other slots: a second
// Delete (a held key) must not remove the logo that moved up into slot 0.
TEST_F(TreeTest, NothingActsOnNodesBeforeTheRefresh) {
    services.ScriptAnswers({MessageAnswer::Yes, MessageAnswer::Yes});
    const wxTreeItemId first = Child(kLogos, 0);
    frame->TreeView->RunItemCommand(first, CVelomarTreeView::ID_DELETE_ITEM);
    frame->TreeView->RunItemCommand(first, CVelomarTreeView::ID_DELETE_ITEM);
    EXPECT_FALSE(frame->TreeView->InsertNewItem(Category(kLinks)));
    EXPECT_EQ(services.messages.size(), 1u);
    EXPECT_TRUE(PumpUntil([&] { return Children(kLogos).size() == 2; }));
    EXPECT_EQ(Children(kLogos), (std::vector<std::string>{"res\\disc.bmp", "res\\tagline.bmp"}));
    EXPECT_EQ(StoredCount(false), 2);

    // A refresh queued while a dialog is up waits until it ends: the dialog
    // keeps the project it was opened on.
    services.ScriptAnswers({MessageAnswer::Yes});
    OnModal<CLogoPropertiesDlg> open([&](CLogoPropertiesDlg* d) {
        frame->TreeView->RunItemCommand(Child(kLogos, 1), CVelomarTreeView::ID_DELETE_ITEM);
        PumpFor(200);
        EXPECT_EQ(Children(kLogos).size(), 2u) << "rebuilt under the dialog";
        Press(d, wxID_CANCEL);
    });
    frame->TreeView->ShowItemProperties(Child(kLogos, 0));
    EXPECT_EQ(open.Runs(), 1);
    EXPECT_TRUE(PumpUntil([&] { return Children(kLogos).size() == 1; }));
}

// What the build writes and keeps is the core's; here the frame saves first,
// asks, opens the folder on Yes and enables Copy.
TEST_F(TreeTest, BuildEnablesCopyAndOffersTheFolder) {
    const std::string folder = temp.File("sample/");
    sandbox::WriteBytes(temp.File("bin/Velomar.exe"), "MZ the runtime");
    for (MessageAnswer answer : {MessageAnswer::No, MessageAnswer::Yes}) {
        const bool open = answer == MessageAnswer::Yes;
        SCOPED_TRACE(open ? "yes" : "no");
        S().WindowTitle = std::string(open ? "yes" : "no");  // unsaved: the build saves first
        frame->DemoWnd->SetModified(true);
        services.messages.clear();
        services.shellCalls.clear();
        services.ScriptAnswers({answer});
        Command(ID_BUILD_PROJECT);
        EXPECT_EQ(services.messages, Messages{BUILD_DONE_QUESTION});
        EXPECT_TRUE(Enabled(ID_COPY_PROJECT));
        EXPECT_FALSE(frame->DemoWnd->Modified());
        EXPECT_EQ(sandbox::ReadBytes(folder + "Velomar.exe"), "MZ the runtime");
        ASSERT_EQ(services.shellCalls.size(), open ? 1u : 0u);
        if (open) {
            EXPECT_EQ(services.shellCalls[0].verb, "open");
            EXPECT_EQ(services.shellCalls[0].file, folder);
        }
        // Copy Finished Project Files opens the folder.
        services.shellCalls.clear();
        Command(ID_COPY_PROJECT);
        EXPECT_EQ(services.shellCalls.size(), 1u);
        CInstallerWnd stored(folder);
        ASSERT_TRUE(stored.LoadSettings());
        EXPECT_EQ(TextOf(stored.Settings->WindowTitle), open ? "yes" : "no");
    }
    // A change after the build disables Copy again.
    frame->DemoWnd->SetModified(true);
    EXPECT_FALSE(Enabled(ID_COPY_PROJECT));
}

}  // namespace
