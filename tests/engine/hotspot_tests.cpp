// The links: measured at the first paint, hover with sound, capture and cursor, the commands
// they run, and the keys that share one highlight with the pointer (a screen reader hears it).
#include <map>
#include <sstream>

#include "engine_fixture.h"

namespace enginetest {
namespace {

using namespace platform::vk;
using platform::keyflag::Repeat;
using platform::keyflag::Shift;
using EngineHotSpot = EngineTest;
constexpr std::int32_t kMax = INT32_MAX, kMin = INT32_MIN;

// A link is measured once, at the first paint, and dead before it. Right and
// bottom edges are outside, and where links overlap the lower index wins. At the
// ends of the coordinate range a link's extent stops at the range's edge instead
// of wrapping, so the part inside the range still reacts.
TEST_F(EngineHotSpot, MeasuredOnceAtTheFirstPaintAndWhichLinkAPointHits) {
    auto wnd = MakeWindow({{}, {{"Setup", 40, 60, "RUNABSOLUTE", "setup"}}});
    ASSERT_TRUE(wnd->Create(0, kRuntimeStyle, nullptr));
    EXPECT_EQ((Rect{40, 60, 0, 0}), RectOf(*wnd, 0));
    wnd->OnMouseMove(0, {45, 65});
    wnd->OnLButtonDown(platform::mk::LButton, {45, 65});
    EXPECT_EQ(0, wnd->HoverHotSpot);
    EXPECT_TRUE(services_.shellCalls.empty());
    // A screen reader asking before the first paint gets the box that paint keeps.
    std::string text;
    Rect box;
    EXPECT_FALSE(wnd->AccessibleLink(2, &text, &box));
    ASSERT_TRUE(wnd->AccessibleLink(1, &text, &box));
    EXPECT_EQ("Setup", text);
    EXPECT_EQ("Test", wnd->AccessibleName());

    wnd->StartShow();
    const Rect measured = RectOf(*wnd, 0);
    EXPECT_GT(measured.right, 40 + 20);
    EXPECT_EQ(measured, box);
    wnd->Settings->HotSpotText[0] = "A much longer text than before";
    Repaint(*wnd);
    EXPECT_EQ(measured, RectOf(*wnd, 0));

    auto spots =
        ShowSpots({{"A", 100, 100}, {"B", 102, 102}, {"C", kMax - 2, kMax - 1}, {"D", kMin, kMin}});
    const Rect a = RectOf(*spots, 0), b = RectOf(*spots, 1);
    ASSERT_GT(b.right, a.right);
    EXPECT_EQ((Rect{kMax - 2, kMax - 1, kMax, kMax}), RectOf(*spots, 2));
    // The first two points are in both links.
    const Point l = {a.left, a.top}, r = {a.right - 1, a.bottom - 1}, e = {b.right, b.bottom};
    const struct {
        int x, y, hit;
    } cases[] = {
        {l.x, l.y, 1},     {r.x, r.y, 1},           {r.x + 1, l.y, 0},     {l.x, r.y + 1, 0},
        {l.x - 1, l.y, 0}, {l.x, l.y - 1, 0},       {e.x - 1, e.y - 1, 2}, {e.x, e.y - 1, 0},
        {e.x - 1, e.y, 0}, {kMax - 1, kMax - 1, 3}, {kMin, kMin, 4},
    };
    for (const auto& c : cases) {
        spots->OnMouseMove(0, {c.x, c.y});
        EXPECT_EQ(c.hit, spots->HoverHotSpot) << c.x << ", " << c.y;
    }
}

TEST_F(EngineHotSpot, EachCommandDoesItsOneThing) {
    auto real = [this](const std::string& path) { return host_.system.RealPath(dir_ + path); };
    const struct {
        const char *command, *a, *b;
        std::string outcome;
    } cases[] = {
        // Relative to the project folder; no verb, so the shell's default applies.
        {"RUN", "setup\\Setup.exe", "/quiet /log",
         "shell - " + real("setup\\Setup.exe") + " /quiet /log"},
        // Empty parameters are no parameters at all, not an empty string.
        {"RUN", "setup.exe", "", "shell - " + real("setup.exe") + " -"},
        {"RUNABSOLUTE", "notepad", "readme.txt", "shell - notepad readme.txt"},
        {"OPEN", "docs", "ignored", "shell open " + real("docs") + " -"},
        {"OPEN", "", "", "shell open " + real("") + " -"},
        {"OPENABSOLUTE", "www.Example.com/a=b", "x", "shell open www.Example.com/a=b -"},
        {"QUIT", "", "", "close"},
        {"run", "x", "", "message Invalid HotSpot Command!"},
        {"OPEN ", "x", "", "message Invalid HotSpot Command!"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << '"' << c.command << "\" " << c.a);
        services_.shellCalls.clear();
        services_.messages.clear();
        const int closes = windows_.ClosesPosted();
        auto wnd = ShowSpots({{"Link", 50, 50, c.command, c.a, c.b}});
        Click(*wnd, Inside(*wnd, 0));
        std::string outcome;
        for (const platform::ShellCall& call : services_.shellCalls)
            outcome += "shell " + call.verb.value_or("-") + " " + call.file + " " +
                       call.params.value_or("-");
        for (const std::string& message : services_.messages) outcome += "message " + message;
        if (windows_.ClosesPosted() != closes) outcome += "close";
        EXPECT_EQ(c.outcome, outcome);
        EXPECT_TRUE(wnd->Wnd->IsWindow());  // the menu stays open
    }
}

using EngineKeys = EngineTest;

// The pointer and the keys move one highlight over three links that each run
// a program named after them. Actions: T Tab, t Shift+Tab, U D L R the arrows,
// E Enter, S Space, m<n> the pointer onto link n (m0: off the links), w<n> elsewhere
// within link n, o out of the window, c a click where the pointer is, r an expose.
TEST_F(EngineKeys, PointerAndKeysShareOneHighlight) {
    // Keys walk the links in file order and wrap. Entering a link lights it,
    // moving within it does nothing new, and leaving the window straight from a
    // link still arrives. Keys move on from the link the pointer lit last, after
    // it left the links. A link lit by a key stays lit while the pointer wanders
    // off the links and over an expose, until the pointer lights another and
    // leaves it; the pointer's highlight goes on an expose, as it always has. A
    // click runs only the link under the pointer, never the one a key lit; Enter
    // and Space run the lit link as a click does; nothing lit, nothing runs.
    const struct {
        const char* script;
        int lit;  // the link hovered; negative: hovered but not lit
        std::size_t sounds;
        const char* ran;
    } cases[] = {
        {"T", 1, 1, ""},       {"T T", 2, 2, ""},         {"T T T", 3, 3, ""},
        {"T T T T", 1, 4, ""}, {"t", 3, 1, ""},           {"t t t t", 3, 4, ""},
        {"U", 3, 1, ""},       {"L", 3, 1, ""},           {"D", 1, 1, ""},
        {"R", 1, 1, ""},       {"D R", 2, 2, ""},         {"T U", 3, 2, ""},
        {"T T t", 1, 3, ""},   {"U L D D", 1, 4, ""},     {"m1", 1, 1, ""},
        {"m1 w1", 1, 1, ""},   {"m1 m2", 2, 2, ""},       {"m1 m2 o", 0, 2, ""},
        {"m2 T", 3, 2, ""},    {"m2 m0 T", 3, 2, ""},     {"m3 m0 m1 m0 U", 3, 3, ""},
        {"T m0 r", 1, 1, ""},  {"T m3 m0", 0, 2, ""},     {"m3 r", -3, 1, ""},
        {"m2 T c", 3, 2, ""},  {"m2 T E", 3, 2, "three"}, {"m2 T m2 c", 2, 3, "two"},
        {"m2 m0 E", 0, 1, ""}, {"T T S", 2, 2, "two"},    {"E S c", 0, 0, ""},
    };
    const std::map<std::string, unsigned> keys = {{"T", Tab},    {"t", Tab},  {"U", Up},
                                                  {"D", Down},   {"L", Left}, {"R", Right},
                                                  {"E", Return}, {"S", Space}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.script);
        services_.shellCalls.clear();
        services_.sounds.clear();
        auto wnd = ShowSpots({{"One", 50, 50, "RUNABSOLUTE", "one"},
                              {"Two", 50, 150, "RUNABSOLUTE", "two"},
                              {"Three", 50, 250, "RUNABSOLUTE", "three"}});
        std::istringstream actions(c.script);
        std::string a, last;
        Point pointer = {400, 400};
        while (actions >> a) {
            last = a;
            const int n = a.size() > 1 ? a[1] - '0' : 0;
            if (keys.count(a)) Key(*wnd, keys.at(a), a == "t" ? Shift : 0);
            if (a == "c") windows_.LButtonDown(wnd->Wnd.get(), pointer);
            if (a == "r") Repaint(*wnd);
            if (a[0] == 'm') pointer = n == 0 ? Point{400, 400} : Inside(*wnd, n - 1);
            if (a[0] == 'w') pointer = {RectOf(*wnd, n - 1).left + 5, RectOf(*wnd, n - 1).top + 3};
            if (a == "o") pointer = {-20, -20};
            if (a[0] == 'm' || a[0] == 'w' || a == "o") windows_.MouseMove(wnd->Wnd.get(), pointer);
        }
        EXPECT_EQ(std::abs(c.lit), wnd->HoverHotSpot);
        for (int i = 0; i < 3; ++i) {  // each text in one colour, the hilite only when lit
            const bool lit = i + 1 == c.lit;
            EXPECT_GT(Count(Client(*wnd), RectOf(*wnd, i), lit ? kHilite : kNormal), 0) << i;
            EXPECT_EQ(Count(Client(*wnd), RectOf(*wnd, i), lit ? kNormal : kHilite), 0) << i;
        }
        EXPECT_EQ(std::vector<std::string>(c.sounds, dir_ + "res/hover.wav"), services_.sounds);
        // A screen reader hears of each new highlight, as the ear does, last the lit one.
        const std::vector<int>& heard = Host(*wnd)->FocusedLinks();
        EXPECT_EQ(c.sounds, heard.size());
        EXPECT_TRUE(c.lit == 0 || (!heard.empty() && heard.back() == std::abs(c.lit)));
        std::string ran;
        for (const platform::ShellCall& call : services_.shellCalls) ran += call.file;
        EXPECT_EQ(c.ran, ran);
        // The pointer on a link holds the capture and shows the hand; a key lets it go.
        if (last[0] != 'c' && last[0] != 'r') {
            const bool captured = last != "m0" && (last[0] == 'm' || last[0] == 'w');
            EXPECT_EQ(captured ? Host(*wnd) : nullptr, windows_.CaptureHolder());
            EXPECT_EQ(captured, wnd->HotSpotCaptured != 0);
            EXPECT_TRUE(!captured || windows_.Cursor() == platform::CursorShape::Hand);
        }
        EXPECT_EQ(0, Host(*wnd)->OpenDCCount());
    }
}

// In the editor's preview (a child) Escape must never close the editor. A menu
// without links ignores every other key.
TEST_F(EngineKeys, EscapeClosesOnlyATopLevelMenuAndHeldKeysDoNotRepeatCommands) {
    const struct {
        bool child;
        unsigned key, flags;
        bool closes;
    } cases[] = {
        {false, Escape, 0, true},       {false, Escape, Shift, true},
        {false, Escape, Repeat, false}, {false, Return, Repeat, false},
        {false, Space, Repeat, false},  {true, Escape, 0, false},
        {true, Return, 0, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "child " << c.child << " key " << c.key);
        using namespace platform::ws;
        auto parent =
            windows_.CreateHostWindow({0, Popup | Visible, {}, "", 0, 0, 800, 600}, nullptr);
        auto wnd = MakeWindow({{}, {{"Quit", 50, 50, "QUIT"}}});
        ASSERT_TRUE(c.child ? wnd->Create(0, Child | Visible | Border, parent.get())
                            : wnd->Create(0, kRuntimeStyle, nullptr));
        wnd->StartShow();
        platform::Window* main = c.child ? parent.get() : wnd->Wnd.get();
        windows_.SetMainWindow(main);
        const int closes = windows_.ClosesPosted();
        Key(*wnd, Tab);
        Key(*wnd, c.key, c.flags);
        EXPECT_EQ(c.closes, windows_.ClosesPosted() != closes);
        EXPECT_EQ(c.closes, !main->IsWindow());
        windows_.SetMainWindow(nullptr);
    }

    const int closes = windows_.ClosesPosted();
    auto wnd = ShowSpots({});
    windows_.SetMainWindow(wnd->Wnd.get());
    for (unsigned key : {Tab, Up, Down, Left, Right, Return, Space}) {
        Key(*wnd, key);
        Key(*wnd, key, Shift);
    }
    EXPECT_EQ(0, wnd->HoverHotSpot);
    EXPECT_TRUE(services_.sounds.empty());
    EXPECT_TRUE(services_.shellCalls.empty());
    EXPECT_EQ(closes, windows_.ClosesPosted());
    Key(*wnd, Escape);
    EXPECT_FALSE(wnd->Wnd->IsWindow());
}

}  // namespace
}  // namespace enginetest
