// The menu from the keyboard: the order the keys walk the links in, the one
// highlight they share with the pointer, Escape, keys while the logos move, and
// a menu without links. Enter and Space on each command kind are in
// hotspots_tests.cpp, next to the click they must equal.
#include <map>
#include <sstream>

#include "hotspot_fixture.h"

namespace enginetest {
namespace {

using namespace platform::vk;
using platform::keyflag::Repeat;
using platform::keyflag::Shift;

class EngineKeys : public EngineHotSpot {
  protected:
    // Three links that each run a program named after them.
    std::unique_ptr<CInstallerWnd> ShowThree() {
        return ShowSpots({{"One", 50, 50, "RUNABSOLUTE", "one"},
                          {"Two", 50, 150, "RUNABSOLUTE", "two"},
                          {"Three", 50, 250, "RUNABSOLUTE", "three"}});
    }
    void Key(CInstallerWnd& wnd, unsigned key, unsigned flags = 0) {
        EXPECT_TRUE(windows_.KeyDown(wnd.Wnd.get(), key, flags));
    }
    // Space-separated actions: T Tab, t Shift+Tab, U D L R the arrows, E Enter,
    // m<n> the pointer onto link n (m0: off the links), c a click where it is.
    void Play(CInstallerWnd& wnd, const std::string& script) {
        std::istringstream actions(script);
        std::string a;
        Point pointer = {400, 400};
        const std::map<std::string, unsigned> keys = {{"T", Tab},   {"t", Tab},  {"U", Up},
                                                      {"D", Down},  {"L", Left}, {"R", Right},
                                                      {"E", Return}};
        while (actions >> a) {
            if (keys.count(a)) Key(wnd, keys.at(a), a == "t" ? Shift : 0);
            if (a == "c") windows_.LButtonDown(wnd.Wnd.get(), pointer);
            if (a[0] == 'm') {
                const int n = std::stoi(a.substr(1));
                pointer = n == 0 ? Point{400, 400} : Inside(wnd, n - 1);
                Move(wnd, pointer);
            }
        }
    }
    // The programs run, in order, space-separated.
    std::string Ran() const {
        std::string ran;
        for (const platform::ShellCall& call : services_.shellCalls)
            ran += (ran.empty() ? "" : " ") + call.file;
        return ran;
    }
};

TEST_F(EngineKeys, KeysWalkTheLinksInFileOrderAndWrap) {
    const struct {
        const char* keys;
        int lit;
        int sounds;
    } cases[] = {
        {"T", 1, 1},       {"T T", 2, 2}, {"T T T", 3, 3}, {"T T T T", 1, 4}, {"t", 3, 1},
        {"t t t t", 3, 4}, {"U", 3, 1},   {"L", 3, 1},     {"D", 1, 1},       {"R", 1, 1},
        {"D R", 2, 2},     {"T U", 3, 2}, {"T T t", 1, 3}, {"U L D D", 1, 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.keys);
        services_.sounds.clear();
        auto wnd = ShowThree();
        Play(*wnd, c.keys);
        ExpectLit(*wnd, c.lit);
        EXPECT_EQ(size_t(c.sounds), services_.sounds.size());
        EXPECT_EQ("", Ran());
        EXPECT_EQ(0, Host(*wnd)->OpenDCCount());
    }
}

TEST_F(EngineKeys, MouseAndKeysShareOneHighlight) {
    const struct {
        const char* script;
        int lit;
        const char* ran;
    } cases[] = {
        {"m2 T", 3, ""},
        // Keys move on from the link the mouse lit last, after it left the links.
        {"m2 m0 T", 3, ""},
        {"m3 m0 m1 m0 U", 3, ""},
        // A link lit by a key stays lit while the pointer wanders off the links...
        {"T m0", 1, ""},
        // ...until the pointer lights another and leaves it.
        {"T m3 m0", 0, ""},
        // A click runs only the link under the pointer, never the one a key lit.
        {"m2 T c", 3, ""},
        {"m2 T E", 3, "three"},
        {"m2 T m2 c", 2, "two"},
        {"m2 m0 E", 0, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.script);
        services_.shellCalls.clear();
        auto wnd = ShowThree();
        Play(*wnd, c.script);
        ExpectLit(*wnd, c.lit);
        EXPECT_EQ(c.ran, Ran());
    }
}

TEST_F(EngineKeys, AKeyTakesTheCaptureAndAnExposeKeepsItsHighlight) {
    auto wnd = ShowThree();
    Play(*wnd, "m1");
    ASSERT_EQ(Host(*wnd), windows_.CaptureHolder());
    Play(*wnd, "T");
    EXPECT_EQ(nullptr, windows_.CaptureHolder());
    EXPECT_EQ(0, wnd->HotSpotCaptured);
    Repaint(*wnd);
    ExpectLit(*wnd, 2);

    // The pointer's highlight goes on an expose, as it always has.
    Play(*wnd, "m3");
    Repaint(*wnd);
    EXPECT_EQ(kNormal, TextIn(*wnd, RectOf(*wnd, 2)));
}

TEST_F(EngineKeys, EscapeClosesOnlyATopLevelMenuAndHeldKeysDoNotRepeatCommands) {
    const struct {
        bool child;
        unsigned key, flags;
        bool closes;
    } cases[] = {
        {false, Escape, 0, true},
        {false, Escape, Shift, true},
        {false, Escape, Repeat, false},
        {false, Return, Repeat, false},
        {false, Space, Repeat, false},
        // The editor's preview: Escape must never close the editor.
        {true, Escape, 0, false},
        {true, Return, 0, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "child " << c.child << " key " << c.key);
        TestProject p;
        p.hotspots = {{"Quit", 50, 50, "QUIT"}};
        using namespace platform::ws;
        auto parent =
            windows_.CreateHostWindow({0, Popup | Visible, {}, "", 0, 0, 800, 600}, nullptr);
        auto wnd = MakeWindow(p);
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
}

TEST_F(EngineKeys, KeysWorkWhileTheLogosMoveAndTheNextFrameOverdrawsTheHighlight) {
    WriteSolidBmp(dir_ + "res/logo.bmp", 20, 10, kRed);
    TestProject p;
    p.logos = {{"res\\logo.bmp", {500, 300}, 1, {400, 300}}};
    p.hotspots = {{"One", 50, 50, "RUNABSOLUTE", "one"}, {"Two", 50, 150, "RUNABSOLUTE", "two"}};
    auto wnd = Show(p);
    Steps(3);  // set-up and two frames
    Key(*wnd, Tab);
    Key(*wnd, Tab);
    ExpectLit(*wnd, 2, 2);
    Steps(1);
    EXPECT_EQ(kNormal, TextIn(*wnd, RectOf(*wnd, 1)));
    EXPECT_EQ(2, wnd->HoverHotSpot);
    Key(*wnd, Return);
    EXPECT_EQ("two", Ran());
    EXPECT_EQ(0, wnd->AnnimationDone);
    EXPECT_GT(StepsUntilStopped(), 0);
    EXPECT_EQ(0, Host(*wnd)->OpenDCCount());
}

TEST_F(EngineKeys, AMenuWithoutLinksIgnoresAllButEscape) {
    TestProject p;
    p.hoverWave = "res\\hover.wav";
    auto wnd = Show(p);
    windows_.SetMainWindow(wnd->Wnd.get());
    const Surface before = Client(*wnd);
    for (unsigned key : {Tab, Up, Down, Left, Right, Return, Space}) {
        Key(*wnd, key);
        Key(*wnd, key, Shift);
    }
    EXPECT_EQ(0, wnd->HoverHotSpot);
    EXPECT_TRUE(services_.sounds.empty());
    EXPECT_TRUE(services_.shellCalls.empty());
    EXPECT_EQ(0, windows_.ClosesPosted());
    EXPECT_EQ(before.pixels, Client(*wnd).pixels);
    Key(*wnd, Escape);
    EXPECT_FALSE(wnd->Wnd->IsWindow());
}

}  // namespace
}  // namespace enginetest
