// The template tree and the preview as the user edits with them: the keys on
// the tree, the refresh that saves and rebuilds, Undo and Redo by their keys,
// Arrange Items with the pointer and the arrows, and the preview's pixels shared
// with the X server. What the bars and the popup show is the mirror test's.
// Which node allows what, and the history's steps, are the core's.
#include <chrono>
#include <thread>

#include "editor/wx/hyperlink_dlg.h"
#include "editor_fixture.h"
// Last: its macros (None, Bool) would clash with the names above.
#include <X11/Xlib.h>

using namespace editor_test;
using platform::MessageAnswer;

namespace {

class TreeTest : public OnSample {
  protected:
    std::string StoredLinks() {
        std::string texts;
        const auto stored = OnDisk();
        for (int i = 0; i < stored->Settings->NumberOfHotSpots; ++i)
            texts += TextOf(stored->Settings->HotSpotText[i]) + "|";
        return texts;
    }
    std::string MenuText(int id) {
        UpdateMenus();
        wxMenuItem* item = frame->GetMenuBar()->FindItem(id);
        return item && item->IsEnabled() ? item->GetItemLabelText().utf8_string() : "(greyed)";
    }
};

// Insert's OK and Delete's Yes each save and rebuild through the queued refresh.
TEST_F(TreeTest, InsertAndDeleteKeysSaveAndRebuild) {
    OnModal<CHyperlinkPropertiesDlg> link([](CHyperlinkPropertiesDlg* d) {
        d->LabelEdit->SetValue("Read me");
        EXPECT_TRUE(PressOk(d));
    });
    Tree()->SelectItem(Category(kLinks));
    KeysOnTree({}, "Insert");
    ASSERT_EQ(link.Runs(), 1);
    EXPECT_TRUE(PumpUntil([&] { return Children(kLinks).size() == 5; }));

    services.messages.clear();
    services.ScriptAnswers({MessageAnswer::Yes});
    Tree()->SelectItem(Child(kLogos, 0));
    KeysOnTree({}, "Delete");
    EXPECT_EQ(services.messages, Messages{"Are you sure you want to permanently delete the "
                                          "Bitmap / Logo file:\n\nres\\title.bmp ?"});
    EXPECT_TRUE(PumpUntil([&] { return Children(kLogos).size() == 2; }));
}

// Alt+Down moves the link, Ctrl+Z and Ctrl+Shift+Z walk the history, and the
// Edit menu names the step.
TEST_F(TreeTest, MoveUndoAndRedoWithTheKeys) {
    const std::string start = StoredLinks();
    const std::string first = Tree()->GetItemText(Child(kLinks, 0)).utf8_string();
    const std::string second = Tree()->GetItemText(Child(kLinks, 1)).utf8_string();
    EXPECT_EQ(MenuText(ID_UNDO), "(greyed)");
    Tree()->SelectItem(Child(kLinks, 0));
    KeysOnTree({"Alt_L"}, "Down");
    ASSERT_TRUE(PumpUntil([&] { return StoredLinks().rfind(second + "|" + first + "|", 0) == 0; }));
    EXPECT_EQ(Tree()->GetItemText(Tree()->GetSelection()).utf8_string(), first);
    EXPECT_EQ(MenuText(ID_UNDO), "Undo Move Link Down");

    KeysOnTree({"Control_L"}, "z");
    EXPECT_TRUE(PumpUntil([&] { return StoredLinks() == start; }));
    EXPECT_EQ(MenuText(ID_REDO), "Redo Move Link Down");
    KeysOnTree({"Control_L", "Shift_L"}, "z");
    EXPECT_TRUE(PumpUntil([&] { return StoredLinks() != start; }));
    EXPECT_TRUE(services.messages.empty());
}

// A link's and a logo's dialog show their fields in the preview while open
// (looked at when it idles); Cancel puts them back.
TEST_F(TreeTest, DialogFieldsShowLiveUntilCancel) {
    const struct {
        Place place;
        int field;
        std::function<std::string()> shown;
    } cases[] = {
        {kLinks, IDC_LINK_LABEL, [&] { return TextOf(S().HotSpotText[1]); }},
        {kLogos, IDC_LOGO_X, [&] { return std::to_string(S().LogoBitmapLocation[1].x); }},
    };
    for (const auto& c : cases) {
        const std::string before = c.shown();
        OnModal<wxDialog> dialog([&](wxDialog* d) {
            dynamic_cast<wxTextCtrl*>(d->FindWindow(c.field))->SetValue("123");
            PumpFor(200);
            EXPECT_EQ(c.shown(), "123") << c.field;
            Press(d, wxID_CANCEL);
        });
        frame->Editor->EditProperties(frame->TreeView->NodeOf(Child(c.place, 1)));
        ASSERT_EQ(dialog.Runs(), 1);
        EXPECT_EQ(c.shown(), before) << c.field;
    }
}

// Arrange Items: a drag on the preview is saved, and runs no link; picking in
// the tree picks on the preview, and the arrow keys there move the item.
TEST_F(TreeTest, ArrangeByDragAndByTheKeys) {
    int link = 0;
    while (TextOf(S().HotSpotCommand[link]) == "QUIT") ++link;
    ASSERT_TRUE(PumpUntil([&] { return S().HotSpotRect[link].right != 0; }));
    const platform::Rect before = S().HotSpotRect[link];
    const platform::Point from{(before.left + before.right) / 2, (before.top + before.bottom) / 2};
    auto left = [&] { return OnDisk()->Settings->HotSpotRect[link].left; };
    Command(ID_ARRANGE_ITEMS);
    xtest::XDisplay& x = gui_test::Screen();
    const wxPoint a = OnScreen(from), b = OnScreen({from.x + 40, from.y + 24});
    x.MovePointer(a.x, a.y);
    PumpFor(100);
    x.Button(1, true);
    PumpFor(100);
    for (int step = 1; step <= 4; ++step) {
        x.MovePointer(a.x + (b.x - a.x) * step / 4, a.y + (b.y - a.y) * step / 4);
        PumpFor(50);
    }
    x.Button(1, false);
    ASSERT_TRUE(PumpUntil([&] { return left() == before.left + 40; }));
    EXPECT_EQ(OnDisk()->Settings->HotSpotRect[link].top, before.top + 24);
    EXPECT_TRUE(services.shellCalls.empty()) << "a link ran while arranging";

    Tree()->SelectItem(Child(kLogos, 0));
    EXPECT_EQ(frame->Editor->Arrange().Selection().kind, NodeKind::Logo);
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

// The preview's pixels are shared with the X server: they are not written
// again until it has read the last put, and no round trip is made for that
// once the put's completion has come back.
TEST_F(TreeTest, PreviewPixelsWaitForTheServerOnlyWhenNeeded) {
    auto* preview = dynamic_cast<platform::wx::WxWindow*>(Project()->Wnd.get());
    auto* dpy = static_cast<Display*>(wxGetDisplayInfo().dpy);
    ASSERT_TRUE(preview && dpy);
    PumpFor(100);
    const auto put = [&] {  // one pixel drawn and shown: the put, not yet sent
        platform::DC* dc = preview->GetDC();
        dc->FillSolidRect({5, 5, 6, 6}, platform::Rgb(1, 2, 3));
        preview->ReleaseDC(dc);
        return NextRequest(dpy) - 1;
    };
    const auto taken = [&](unsigned long request) {
        return long(XLastKnownRequestProcessed(dpy) - request) >= 0;
    };
    const auto drawAgain = [&] { preview->ReleaseDC(preview->GetDC()); };

    unsigned long request = put();
    ASSERT_FALSE(taken(request));
    drawAgain();
    EXPECT_TRUE(taken(request)) << "drawn again before the server read the put";

    // Without a request of ours, as the main loop waits between steps.
    request = put();
    XFlush(dpy);
    for (int i = 0; i < 250 && !taken(request); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        XEvent event;  // reads what came, takes no event
        XCheckIfEvent(
            dpy, &event, [](Display*, XEvent*, XPointer) -> Bool { return False; }, nullptr);
    }
    ASSERT_TRUE(taken(request)) << "nothing came back from the put";
    const unsigned long next = NextRequest(dpy);
    drawAgain();
    EXPECT_EQ(NextRequest(dpy), next) << "a round trip after the put was known read";
}

}  // namespace
