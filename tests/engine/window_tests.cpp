// The menu window: backgrounds, pictures it cannot load, its place, scenes of logos stacked
// and moving into place, what the show starts with, and the animation's timer.
#include "../support/rle_bomb.h"
#include "engine_fixture.h"
#include "platform/platform.h"

namespace enginetest {
namespace {

ColorRef At(const Surface& s, Point p) { return platform::raster::ColorRefOf(s.At(p.x, p.y)); }

::testing::AssertionResult Near(ColorRef got, ColorRef want) {
    for (int shift : {0, 8, 16})
        if (std::abs(int(got >> shift & 255) - int(want >> shift & 255)) > 3)
            return ::testing::AssertionFailure() << std::hex << got << " is not near " << want;
    return ::testing::AssertionSuccess();
}

using EngineWindow = EngineTest;

// Colours and gradients fill the background. One that cannot be made is said in
// a message box; a logo that cannot be loaded only in a trace. Small files that
// claim huge pictures pass the decoder's own limits, but together they pass the
// window's memory budget, and the first one past it fails before it takes the memory.
TEST_F(EngineWindow, BackgroundsAndPicturesThatCannotBeMade) {
    // The gradient runs across the line from (0, 0) to `same`, towards `end`:
    // vertically to light grey unless the horizontal flag is set, or to black.
    const ColorRef grey = Rgb(240, 240, 240), abc = Rgb(0xa0, 0xb0, 0xc0);
    const struct {
        const char* background;  // hex digits in either case
        ColorRef start;
        int sameX, sameY, endX, endY;
        ColorRef endColour;
    } cases[] = {
        {"@@00000001A0b0C0", abc, 637, 437, 637, 437, abc},
        {"@@0000000d0000ff", kBlue, 637, 0, 0, 437, grey},
        {"@@00000013ff0000", kRed, 0, 437, 637, 0, 0},
        {"@@000000070000ff", kBlue, 0, 437, 637, 0, grey},  // both directions
        {"@@0000000b000000", 0, 0, 437, 637, 0, grey},      // the dither-to-white flag
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.background);
        auto wnd = Show({{}, {}, c.background});
        const Surface s = Client(*wnd);
        EXPECT_TRUE(Near(At(s, {0, 0}), c.start));
        EXPECT_EQ(At(s, {0, 0}), At(s, {c.sameX, c.sameY}));
        EXPECT_TRUE(Near(At(s, {c.endX, c.endY}), c.endColour));
    }

    WriteSolidBmp(dir_ + "res/a.bmp", 4, 4, kRed);
    // 256 MiB as claimed (the file is 132 KB), and 64 MiB in each logo file.
    std::ofstream(dir_ + "res/big.bmp", std::ios::binary) << sandbox::PlausibleRleBomb(8192);
    std::vector<TestLogo> bombs;
    for (int i = 1; i <= MAX_LOGOS; ++i) {
        bombs.push_back({"res\\bomb" + std::to_string(i) + ".bmp", {0, 0}});
        std::ofstream(dir_ + "res/bomb" + std::to_string(i) + ".bmp", std::ios::binary)
            << sandbox::PlausibleRleBomb(4096);
    }
    const std::string noBackground = "Failed to load our background bitmap!\n";
    const std::string noLogo = "Failed to load our LOGO bitmap ";
    const struct {
        const char* background;  // a colour code without the colour flag, a file name
        std::vector<TestLogo> logos;
        std::vector<std::string> messages;
        std::string trace;
    } broken[] = {
        {"@@00000002ff0000", {}, {noBackground}, ""},
        {"@00000001ff0000", {}, {noBackground}, ""},
        {"res\\missing.bmp", {}, {noBackground}, ""},
        {"res\\big.bmp", {}, {noBackground}, ""},
        {"@@0000000100ff00",
         {{"res\\A.BMP", {0, 0}}, {"res\\gone.bmp", {0, 0}}},
         {},
         noLogo + "res\\gone.bmp!\n"},
        // Two fit the budget together; the third does not.
        {"@@0000000100ff00", bombs, {}, noLogo + "res\\bomb3.bmp!\n"},
        {"res\\bomb1.bmp", bombs, {}, noLogo + "res\\bomb2.bmp!\n"},
    };
    for (const auto& c : broken) {
        SCOPED_TRACE(c.background);
        services_.messages.clear();
        services_.traces.clear();
        auto wnd = MakeWindow({c.logos, {}, c.background});
        EXPECT_FALSE(wnd->Create(0, kRuntimeStyle, nullptr));
        EXPECT_EQ(c.messages, services_.messages);
        EXPECT_EQ(c.trace, services_.traces.empty() ? "" : services_.traces.back());
    }
}

// Centred on the screen, or in its parent but never at a negative place. The
// show puts the pointer on the window's corner, plays the start sound and
// starts the animation timer.
TEST_F(EngineWindow, PlaceAndStart) {
    using namespace platform::ws;
    WriteSolidBmp(dir_ + "res/start.wav", 1, 1, 0);  // any file will do
    WriteSolidBmp(dir_ + "res/logo.bmp", 10, 10, kBlue);
    TestProject p;
    p.logos = {{"res\\logo.bmp", {200, 100}}};  // the delay is read with the logos
    p.delay = 25;
    p.startupWave = "res\\start.wav";
    // The parent's size and the place in it; without one, on the 1024 x 768 screen.
    for (Rect c : {Rect{0, 0, 192, 164}, Rect{840, 300, 100, 0}, Rect{500, 640, 0, 100}}) {
        auto parent =
            windows_.CreateHostWindow({0, Popup | Visible, {}, "", 0, 0, c.left, c.top}, nullptr);
        auto wnd = MakeWindow(p);
        ASSERT_TRUE(c.left ? wnd->Create(0, Child | Visible | Border, parent.get())
                           : wnd->Create(0, kRuntimeStyle, nullptr));
        const platform::WindowParams& in = Host(*wnd)->Params();
        EXPECT_EQ((Rect{c.right, c.bottom, 640, 440}), (Rect{in.x, in.y, in.width, in.height}));
        EXPECT_EQ(c.left ? parent.get() : nullptr, in.parent);
        EXPECT_EQ("Installer Window", in.title);
        EXPECT_EQ(0x000Bu, in.windowClass.classStyle);
        if (c.left) continue;
        EXPECT_EQ(0x90880000u, in.style);
        wnd->StartShow();
        EXPECT_EQ((Point{192, 164}), windows_.CursorPos());
        EXPECT_EQ(std::vector<std::string>{dir_ + "res/start.wav"}, services_.sounds);
        EXPECT_EQ((std::map<unsigned, unsigned>{{LOGO_TIMER_ID, 25}}), Host(*wnd)->Timers());
        EXPECT_EQ(0, Host(*wnd)->OpenDCCount());
    }
}

// Remembers the largest bitmap the window has made.
struct LargestBitmapGraphics : platform::raster::RasterGraphics {
    std::unique_ptr<platform::Bitmap> CreateCompatibleBitmap(platform::DC* ref, int w,
                                                             int h) override {
        largest = std::max(largest, (long long)w * h);
        return RasterGraphics::CreateCompatibleBitmap(ref, w, h);
    }
    long long largest = 0;
};

// Scenes of logos, each shown with one link over the bottom left; then, after
// so many timer steps in all, every pixel of each area has its colour (or at
// least `least` do). No scene makes a bitmap larger than the window, however
// large its pictures.
TEST_F(EngineWindow, Scenes) {
    LargestBitmapGraphics graphics;
    platform::Install({&graphics, &windows_, &services_, &host_.system});
    // Left half the mask colour; right half red with one pixel that differs
    // from the mask in the green component only.
    WriteBmp(dir_ + "res/mask.bmp", 20, 10, [&](int x, int y) {
        if (x == 15 && y == 5) return Rgb(255, 1, 255);
        return x < 10 ? kMask : kRed;
    });
    WriteSolidBmp(dir_ + "res/red.bmp", 20, 10, kRed);
    WriteSolidBmp(dir_ + "res/blue.bmp", 20, 10, kBlue);
    WriteSolidBmp(dir_ + "res/big.bmp", 100, 60, kRed);
    WriteSolidBmp(dir_ + "res/huge.bmp", 1500, 1200, kRed);
    const char *red = "res\\red.bmp", *blue = "res\\blue.bmp", *big = "res\\big.bmp";
    const char* huge = "res\\huge.bmp";
    constexpr int kMin = INT32_MIN, kMax = INT32_MAX;
    const std::vector<TestLogo> scenes[] = {
        // 0: later logos lie over earlier ones and the text over them all; the
        // mask colour shows the background; moving logos wait for the show.
        {{big, {10, 360}}, {blue, {50, 362}}, {"res\\mask.bmp", {200, 40}},
         {blue, {300, 100}, 1, {400, 50}}},
        // 1: what shows of a picture larger than the window, or off its edge.
        {{huge, {100, 50}}, {huge, {-1400, -1100}}},
        // 2: down and right: set-up draws nothing, each frame erases the last,
        // and the clean-up puts the logo on its location.
        {{red, {500, 250}, 1, {100, 50}}},
        // 3: up and left, frames 7 and 39.
        {{red, {100, 50}, 1, {500, 250}}},
        // 4: 28 / 40 = 0.7 is held as 0.699999988 in a float: 10 steps make 6, not 7.
        {{red, {28, 12}, 1, {0, 0}}},
        // 5: resized, frame n is 100 + trunc(100 * (39 - n) / 20) wide, 60 + ...
        // high; the last is drawn at natural size, then the logo on its location.
        {{big, {300, 200}, 1, {20, 20}, 1}},
        // 6: untrusted 32-bit locations: frames far outside are clipped, and
        // positions never overflow into the window.
        {{red, {kMax, kMin}, 1, {kMin, kMax}, 1}},
        // 7: the first passes under the text; the second, shrinking, starts after
        // the first has finished, and its snapshot holds the first in place.
        {{red, {300, 385}, 1, {20, 385}}, {blue, {300, 300}, 1, {100, 300}, 1}},
    };
    constexpr ColorRef R = kRed, G = kGreen, B = kBlue, W = kNormal, M = Rgb(255, 1, 255);
    // Scene, timer steps (one sets a movement up, one draws each of its 40
    // frames, one cleans up), area, its colour, and how many need it (0: all).
    const struct {
        int scene, steps, left, top, right, bottom;
        ColorRef colour;
        int least;
    } checks[] = {
        {0, 0, 10, 360, 50, 370, R, 0},    {0, 0, 50, 362, 70, 372, B, 0},
        {0, 0, 30, 380, 110, 420, W, 10},  {0, 0, 200, 40, 210, 50, G, 0},
        {0, 0, 210, 40, 215, 50, R, 0},    {0, 0, 215, 45, 216, 46, M, 0},
        {0, 0, 200, 50, 230, 51, G, 0},    {0, 0, 300, 100, 320, 110, G, 0},
        {0, 0, 400, 50, 420, 60, G, 0},    {1, 0, 100, 50, 638, 350, R, 0},
        {1, 0, 0, 0, 100, 100, R, 0},      {2, 1, 90, 40, 130, 70, G, 0},
        {2, 2, 100, 50, 120, 60, R, 0},    {2, 2, 99, 50, 100, 60, G, 0},
        {2, 2, 100, 60, 120, 61, G, 0},    {2, 3, 110, 55, 130, 65, R, 0},
        {2, 3, 100, 50, 110, 55, G, 0},    {2, 41, 490, 245, 510, 255, R, 0},
        {2, 41, 480, 240, 490, 245, G, 0}, {2, 42, 500, 250, 520, 260, R, 0},
        {2, 42, 490, 245, 500, 250, G, 0}, {3, 9, 430, 215, 450, 225, R, 0},
        {3, 41, 110, 55, 130, 65, R, 0},   {4, 12, 6, 3, 26, 13, R, 0},
        {4, 12, 26, 3, 27, 13, G, 0},      {4, 41, 27, 11, 47, 21, R, 0},
        {4, 41, 47, 11, 48, 21, G, 0},     {5, 2, 20, 20, 315, 197, R, 0},
        {5, 2, 315, 20, 316, 197, G, 0},   {5, 2, 20, 197, 315, 198, G, 0},
        {5, 3, 27, 24, 317, 198, R, 0},    {5, 3, 20, 20, 27, 197, G, 0},
        {5, 3, 317, 24, 318, 198, G, 0},   {5, 40, 286, 191, 391, 254, R, 0},
        {5, 40, 391, 191, 392, 254, G, 0}, {5, 41, 300, 200, 400, 260, R, 0},
        {5, 41, 293, 195, 300, 260, G, 0}, {5, 41, 293, 195, 400, 200, G, 0},
        {5, 41, 20, 20, 293, 195, G, 0},   {6, 41, 0, 0, 638, 350, G, 0},
        {7, 8, 30, 380, 110, 420, W, 10},  {7, 42, 100, 300, 120, 310, G, 0},
        {7, 42, 300, 385, 320, 395, R, 0}, {7, 44, 100, 300, 159, 329, B, 0},
        {7, 44, 300, 385, 320, 395, R, 0}, {7, 60, 180, 300, 223, 321, B, 0},
        {7, 86, 300, 300, 320, 310, B, 0}, {7, 86, 300, 385, 320, 395, R, 0},
    };
    for (int scene = 0; scene < int(std::size(scenes)); ++scene) {
        auto wnd = Show({scenes[scene], {{"XXXX", 30, 380}}});
        int done = 0;
        for (const auto& c : checks) {
            if (c.scene != scene) continue;
            Steps(c.steps - done);
            done = c.steps;
            const Rect r{c.left, c.top, c.right, c.bottom};
            const Surface shown = Client(*wnd);
            EXPECT_GE(Count(shown, r, c.colour), c.least ? c.least : r.Width() * r.Height())
                << "scene " << scene << " after " << done << " steps: " << r;
            // A movement's surfaces cover only its frames' area, so a paint between
            // frames puts back what they drew: nothing changes on screen.
            Repaint(*wnd);
            EXPECT_TRUE(Client(*wnd).pixels == shown.pixels) << "scene " << scene;
        }
        EXPECT_LE(graphics.largest, 640 * 440) << "scene " << scene;
    }
}

class EngineAnimation : public EngineTest {
  protected:
    // One red logo moving from start to location on green.
    std::unique_ptr<CInstallerWnd> StartMoving(Point start, Point location,
                                               std::vector<TestHotSpot> hotspots = {},
                                               int resize = 0) {
        WriteSolidBmp(dir_ + "res/logo.bmp", 20, 10, kRed);
        return Show({{{"res\\logo.bmp", location, 1, start, resize}}, std::move(hotspots)});
    }
};

// A movement's surfaces cover only the area its frames draw on, and a
// teardown mid-movement releases them.
TEST_F(EngineAnimation, SurfacesCoverOnlyTheFramesAreaAndGoWithATeardown) {
    auto resized = StartMoving({300, 300}, {100, 300}, {}, 1);
    Steps(20);
    // It starts at x 300, 20 + trunc(20 * 39 / 20) = 59 by 29, and ends at x 100.
    platform::BitmapInfo area;
    ASSERT_TRUE(resized->Settings->LogoAnnimation.SnapshotBitmap->GetInfo(&area));
    EXPECT_EQ(std::pair(259, 29), std::pair(area.width, std::abs(area.height)));
    resized.reset();

    enum { kClearSettings, kCloseWindow, kDeleteObject };
    for (int how : {kClearSettings, kCloseWindow, kDeleteObject}) {
        SCOPED_TRACE(how);
        auto wnd = StartMoving({0, 0}, {200, 100});
        Steps(7);  // set-up and frames 0 to 5
        ASSERT_NE(nullptr, wnd->Settings->LogoAnnimation.SnapshotDC);
        if (how == kDeleteObject) {
            wnd.reset();  // it takes its window along
            EXPECT_TRUE(windows_.Windows().empty());
            EXPECT_EQ(0, StepsUntilStopped());
            continue;
        }
        how == kClearSettings ? wnd->ClearSettings() : wnd->Wnd->Destroy();
        const LogoAnnimationState& a = wnd->Settings->LogoAnnimation;
        EXPECT_TRUE(!a.SnapshotDC && !a.FrameDC && !a.FrameBitmap && a.TimerId == 0);
        EXPECT_EQ(0, Host(*wnd)->OpenDCCount());
        // With the settings cleared the timer still runs, its id forgotten, and stops.
        EXPECT_EQ(how == kClearSettings ? 2 : 0, StepsUntilStopped(10));
    }
}

// Neither the timer, a paint nor a click reaches past the logo and link slots.
TEST_F(EngineAnimation, CountsBeyondTheSlotsAreNeverFollowed) {
    auto wnd = StartMoving({0, 0}, {40, 40}, {{"Link", 50, 300, "QUIT"}});
    wnd->OnTimer(LOGO_TIMER_ID + 1);
    EXPECT_EQ(0, wnd->Settings->LogoAnnimation.State) << "other timer ids are ignored";
    wnd->Settings->NumberOfLogosToDraw = -1;  // 4294967295 when compared unsigned
    wnd->Settings->NumberOfHotSpots = 1000;
    EXPECT_EQ(58, StepsUntilStopped());  // 14 still slots, then the moving one
    Repaint(*wnd);
    EXPECT_EQ(Count(Client(*wnd), {40, 40, 60, 50}, kRed), 20 * 10);
    Click(*wnd, Inside(*wnd, 0));
    EXPECT_EQ(1, windows_.ClosesPosted());
    wnd->HoverHotSpot = 99;  // never a valid index
    windows_.LButtonDown(wnd->Wnd.get(), Inside(*wnd, 0));
    EXPECT_EQ(1, windows_.ClosesPosted());
}

}  // namespace
}  // namespace enginetest
