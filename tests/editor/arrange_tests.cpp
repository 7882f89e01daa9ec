// Arranging on the preview, with a real (headless) menu window in a pane.

#include "../engine/engine_fixture.h"
#include "editor/item_layout.h"
#include "editor/template_edit.h"
#include "editor/template_tree.h"
#include "fake_panes.h"

namespace {

using namespace enginetest;

std::string Name(TemplateNode n) {
    if (n.kind == NodeKind::Root) return "none";
    return (n.kind == NodeKind::Hyperlink ? "link" : "logo") + std::to_string(n.index);
}

class ArrangeTest : public EngineTest {
  protected:
    // Two overlapping logos (100 x 80 and 60 x 60) and two links, one over a logo.
    ArrangeTest() {
        WriteSolidBmp(dir_ + "res/big.bmp", 100, 80, kRed);
        WriteSolidBmp(dir_ + "res/small.bmp", 60, 60, kBlue);
        project.logos = {{"res\\big.bmp", {100, 100}}, {"res\\small.bmp", {150, 150}}};
        project.hotspots = {{"Install", 120, 110, "RUN", "setup.exe"}, {"Leave", 400, 300}};
    }
    CInstallerWnd& Open() {
        project.Write(dir_);
        EXPECT_TRUE(session.OpenProject(dir_, false));
        arranger.WindowShown();
        windows_.Pump();  // the first paint measures the links
        return *session.GetInstallerWnd();
    }
    LaunchSettings& S() { return *session.GetInstallerWnd()->Settings; }
    Point LinkAt(int i) { return {S().HotSpotRect[i].left, S().HotSpotRect[i].top}; }

    TestProject project;
    std::unique_ptr<platform::Window> pane = host_.windows.CreateHostWindow(
        {0, platform::ws::Popup | platform::ws::Visible, {}, "", 0, 0, 640, 440}, nullptr);
    FakePanes panes{pane.get()};
    ProjectSession session{&panes};
    Arranger arranger{session, panes};
};

TEST_F(ArrangeTest, AClickHitsTheItemDrawnOnTop) {
    CInstallerWnd& wnd = Open();
    const Rect link = wnd.LinkBox(0);
    const std::pair<Point, const char*> cases[] = {
        {{105, 105}, "logo0"},                     // only the big logo
        {{155, 155}, "logo1"},                     // both logos: the later one
        {{link.left + 2, link.top + 2}, "link0"},  // a link over a logo
        {{405, 305}, "link1"},
        {{101, 179}, "logo0"},  // the box's last row
        {{200, 100}, "none"},   // right edge is outside
    };
    for (const auto& [at, hit] : cases) EXPECT_EQ(Name(ItemAt(wnd, at)), hit) << at;
}

// A drag moves the record only in memory until the release makes it one change
// that the refresh writes; a press that barely moves is a click.
TEST_F(ArrangeTest, ADragBecomesOneMoveOnRelease) {
    CInstallerWnd& wnd = Open();
    arranger.SetOn(true);
    wnd.OnLButtonDown(platform::mk::LButton, {110, 105});
    wnd.OnMouseMove(platform::mk::LButton, {112, 106});
    EXPECT_EQ(S().LogoBitmapLocation[0], (Point{100, 100})) << "moved within the click's slack";
    wnd.OnMouseMove(platform::mk::LButton, {113, 106});
    EXPECT_EQ(S().LogoBitmapLocation[0], (Point{103, 101})) << "three pixels across make a drag";
    wnd.OnMouseMove(platform::mk::LButton, {140, 95});
    wnd.OnMouseMove(platform::mk::LButton, {160, 125});
    EXPECT_EQ(Count(Client(wnd), {148, 118, 252, 119}, Rgb(0, 0, 0)), 104) << "outline at the new place";
    EXPECT_EQ(panes.moves, 0);

    wnd.OnLButtonUp(0, {160, 125});
    EXPECT_EQ(panes.moves, 1);
    session.SetModified(true);
    session.ReloadProject(false);
    arranger.WindowShown();
    EXPECT_EQ(S().LogoBitmapLocation[0], (Point{150, 120})) << "read back from AppSetup.dat";
    EXPECT_EQ(Name(arranger.Selection()), "logo0") << "kept across the refresh";

    // A release that never came (the pointer let go elsewhere) ends the drag.
    CInstallerWnd& again = *session.GetInstallerWnd();
    again.OnLButtonDown(platform::mk::LButton, {405, 305});
    again.OnMouseMove(platform::mk::LButton, {405, 308});  // three down make a drag too
    again.OnMouseMove(0, {425, 305});
    EXPECT_EQ(LinkAt(1), (Point{400, 303})) << "where it was last dragged to";
    EXPECT_EQ(panes.moves, 2);
    EXPECT_EQ(panes.selected.size(), 2u);
}

TEST_F(ArrangeTest, ClickAndArrowKeysMoveTheSelectionAndEnterOpensIt) {
    CInstallerWnd& wnd = Open();
    arranger.SetOn(true);
    wnd.OnKeyDown(platform::vk::Right, 0);
    EXPECT_EQ(panes.moves, 0) << "nothing selected";
    wnd.OnLButtonDown(platform::mk::LButton, {405, 305});  // a click selects, runs nothing
    wnd.OnLButtonUp(0, {405, 305});
    EXPECT_TRUE(services_.shellCalls.empty());
    const int width = wnd.LinkBox(1).Width();
    namespace kf = platform::keyflag;
    const struct {
        unsigned key, flags;
        Point at;
    } cases[] = {
        {platform::vk::Right, 0, {401, 300}},
        {platform::vk::Down, 0, {401, 301}},
        {platform::vk::Left, kf::Shift, {391, 301}},
        {platform::vk::Up, kf::Shift | kf::Repeat, {391, 291}},
    };
    for (const auto& c : cases) {
        wnd.OnKeyDown(c.key, c.flags);
        EXPECT_EQ(LinkAt(1), c.at) << c.key;
    }
    EXPECT_EQ(panes.moves, 4);
    EXPECT_EQ(wnd.LinkBox(1).Width(), width) << "the measured box moves whole";
    wnd.OnKeyDown(platform::vk::Return, 0);
    wnd.OnLButtonDblClk(platform::mk::LButton, {105, 105});
    std::string opened;
    for (TemplateNode n : panes.properties) opened += Name(n) + " ";
    EXPECT_EQ(opened, "link1 logo0 ");
}

// Near the ends of the 32-bit range a move goes as far as the box keeps its
// size; the outline and the redraw around it stay defined.
TEST_F(ArrangeTest, MovesAtTheEdgesOfTheRangeKeepTheSize) {
    CInstallerWnd& wnd = Open();
    arranger.SetOn(true);
    const int width = wnd.LinkBox(1).Width(), height = wnd.LinkBox(1).Height();
    const struct {
        TemplateNode item;
        Point at;
    } cases[] = {
        {{NodeKind::Hyperlink, 1}, {INT32_MAX - width - 5, INT32_MAX - height - 5}},
        {{NodeKind::Hyperlink, 1}, {INT32_MIN + 5, INT32_MIN}},
        {{NodeKind::Logo, 0}, {INT32_MAX - 100, INT32_MIN + 3}},
    };
    namespace kf = platform::keyflag;
    for (const auto& c : cases) {
        if (c.item.kind == NodeKind::Hyperlink)
            S().HotSpotRect[1] = {c.at.x, c.at.y, c.at.x + width, c.at.y + height};
        else
            S().LogoBitmapLocation[0] = c.at;
        const Rect start = ItemBox(wnd, c.item);
        arranger.Select(c.item);
        for (unsigned key : {platform::vk::Right, platform::vk::Down, platform::vk::Left,
                             platform::vk::Up, platform::vk::Left, platform::vk::Up})
            for (int i = 0; i < 3; ++i) wnd.OnKeyDown(key, kf::Shift);
        const Rect box = ItemBox(wnd, c.item);
        EXPECT_EQ(std::pair(box.Width(), box.Height()), std::pair(start.Width(), start.Height()))
            << Name(c.item) << c.at;
        EXPECT_LT(box.left, start.left) << "moved back as far as it went, then on";
    }
    S().HotSpotRect[1] = {400, 300, 0, 0};  // not measured yet: only the corner moves
    MoveItem(S(), {NodeKind::Hyperlink, 1}, 5, -7);
    EXPECT_EQ(S().HotSpotRect[1], (Rect{405, 293, 0, 0}));
}

TEST_F(ArrangeTest, ItemsOutsideTheWindow) {
    project.logos[0].location = {539, 10};   // 100 wide: one pixel past 638
    project.hotspots[1].left = -3;           // left of the window
    project.logos[1].location = {578, 378};  // exactly up to the edge: inside
    CInstallerWnd& wnd = Open();
    std::string outside;
    for (TemplateNode n : ItemsOutside(wnd)) outside += Name(n) + " ";
    EXPECT_EQ(outside, "link1 logo0 ");
    std::string marked;  // the tree's rows, flagged or not, that say so
    for (const TreeRow& row : TreeRows(&wnd))
        if (row.outside || row.text.find("(outside") != std::string::npos)
            marked += Name(row.node) + (row.outside ? " " : "? ") + row.text + "\n";
    EXPECT_EQ(marked,
              "link1 Leave  (outside the window)\nlogo0 res\\big.bmp  (outside the window)\n");
}

// A free place overlaps nothing, with room around it, first by rows. A new
// link goes below the last one, or to a free place when that is off the
// window; a new logo to a free place for its real size, unless the user typed
// a place in its dialog.
TEST_F(ArrangeTest, NewItemsGoWhereTheyCanBeSeen) {
    CInstallerWnd& wnd = Open();
    auto ok = [](ItemDialog, int) { return true; };
    const int below = wnd.LinkBox(1).bottom + 6;
    ASSERT_TRUE(InsertNewItem(&wnd, {NodeKind::HyperlinkCategory, 0}, ok));
    EXPECT_EQ(LinkAt(2), (Point{400, below}));
    // Below the last link off the window, or onto another link: a free place.
    for (int top : {425, 270}) {
        S().HotSpotRect[2] = {400, top, 0, 0};
        EXPECT_EQ(NewLinkPlace(wnd, "New Command"), (Point{10, 10})) << top;
    }
    EXPECT_EQ(FreePlace(wnd, {300, 120}), (Point{210, 10}));
    EXPECT_EQ(FreePlace(wnd, {700, 500}), (Point{0, 0})) << "too large: from the corner";

    WriteSolidBmp(dir_ + "res/tall.bmp", 40, 300, kGreen);
    S().LogoBitmapLocation[0] = {10, 100};  // below the first free place of 64 x 64
    auto pick = [&](Point typed) {
        return [&, typed](ItemDialog, int i) {
            S().LogoBitmapName[i] = "res\\tall.bmp";
            if (typed.x >= 0) S().LogoBitmapLocation[i] = typed;
            return true;
        };
    };
    ASSERT_TRUE(InsertNewItem(&wnd, {NodeKind::LogoCategory, 0}, pick({-1, -1})));
    EXPECT_EQ(S().LogoBitmapLocation[2], (Point{220, 10})) << "placed for 40 x 300, not 64 x 64";
    ASSERT_TRUE(InsertNewItem(&wnd, {NodeKind::LogoCategory, 0}, pick({7, 8})));
    EXPECT_EQ(S().LogoBitmapLocation[3], (Point{7, 8}));
}

}  // namespace
