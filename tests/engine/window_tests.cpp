// The menu window: backgrounds of every kind, its place, the pictures it
// cannot load, logos with their mask colour and stacking order, and what the
// show starts with.
#include "../support/rle_bomb.h"
#include "engine_fixture.h"
#include "platform/platform.h"

namespace enginetest {
namespace {

constexpr int kClientW = 638;
constexpr int kClientH = 438;

ColorRef At(const Surface& s, Point p) { return platform::raster::ColorRefOf(s.At(p.x, p.y)); }

::testing::AssertionResult Near(ColorRef got, ColorRef want) {
    for (int shift : {0, 8, 16})
        if (std::abs(int(got >> shift & 255) - int(want >> shift & 255)) > 3)
            return ::testing::AssertionFailure() << std::hex << got << " is not near " << want;
    return ::testing::AssertionSuccess();
}

using EngineWindow = EngineTest;

TEST_F(EngineWindow, ColourAndGradientBackgrounds) {
    const ColorRef grey = Rgb(240, 240, 240);
    const struct {
        const char* background;
        ColorRef start;
        Point same;  // of the start's colour: the gradient runs across it
        Point end;
        ColorRef endColour;
    } cases[] = {
        // Hex digits in either case.
        {"@@00000001A0b0C0", Rgb(0xa0, 0xb0, 0xc0), {637, 437}, {637, 437}, Rgb(0xa0, 0xb0, 0xc0)},
        // Vertical, from the colour to light grey.
        {"@@0000000d0000ff", kBlue, {637, 0}, {0, 437}, grey},
        // Horizontal towards black.
        {"@@00000013ff0000", kRed, {0, 437}, {637, 0}, 0},
        // Both directions set: horizontal wins.
        {"@@000000070000ff", kBlue, {0, 437}, {637, 0}, grey},
        // The dither-to-white flag still ends in light grey.
        {"@@0000000b000000", 0, {0, 437}, {637, 0}, grey},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.background);
        TestProject p;
        p.background = c.background;
        auto wnd = Show(p);
        const Surface s = Client(*wnd);
        ASSERT_EQ(std::pair(kClientW, kClientH), std::pair(s.width, s.height));
        EXPECT_TRUE(Near(At(s, {0, 0}), c.start));
        EXPECT_EQ(At(s, {0, 0}), At(s, c.same));
        EXPECT_TRUE(Near(At(s, c.end), c.endColour));
        EXPECT_TRUE(services_.messages.empty());
    }
}

// A background that cannot be made is said in a message box; a logo that
// cannot be loaded only in a trace. Small files that claim huge pictures pass
// the decoder's own limits, but together they pass the window's memory
// budget, and the first one past it fails before it takes the memory.
TEST_F(EngineWindow, PicturesThatCannotBeMadeFailTheWindow) {
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
    } cases[] = {
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
    for (const auto& c : cases) {
        SCOPED_TRACE(c.background);
        services_.messages.clear();
        services_.traces.clear();
        TestProject p;
        p.background = c.background;
        p.logos = c.logos;
        auto wnd = MakeWindow(p);
        EXPECT_FALSE(wnd->Create(0, kRuntimeStyle, nullptr));
        EXPECT_EQ(c.messages, services_.messages);
        EXPECT_EQ(c.trace, services_.traces.empty() ? "" : services_.traces.back());
    }
}

TEST_F(EngineWindow, CentredOnTheScreenOrInItsParentButNeverNegative) {
    auto wnd = Show(TestProject{});
    EXPECT_EQ((Rect{192, 164, 832, 604}), wnd->Wnd->GetWindowRect());  // 640 x 440
    const platform::WindowParams& params = Host(*wnd)->Params();
    EXPECT_EQ("Installer Window", params.title);
    EXPECT_EQ(0x000Bu, params.windowClass.classStyle);
    EXPECT_EQ(0x90880000u, params.style);

    using namespace platform::ws;
    for (Rect c : {Rect{840, 300, 100, 0}, Rect{500, 640, 0, 100}}) {  // parent size, place
        auto parent =
            windows_.CreateHostWindow({0, Popup | Visible, {}, "", 0, 0, c.left, c.top}, nullptr);
        auto child = MakeWindow(TestProject{});
        ASSERT_TRUE(child->Create(0, Child | Visible | Border, parent.get()));
        const platform::WindowParams& in = Host(*child)->Params();
        EXPECT_EQ((Point{c.right, c.bottom}), (Point{in.x, in.y})) << c.left;
        EXPECT_EQ(parent.get(), in.parent);
    }
}

// Remembers the largest bitmap the window has made since the last Reset.
class LargestBitmapGraphics : public platform::raster::RasterGraphics {
  public:
    std::unique_ptr<platform::Bitmap> CreateCompatibleBitmap(platform::DC* ref, int w,
                                                             int h) override {
        Note(w, h);
        return RasterGraphics::CreateCompatibleBitmap(ref, w, h);
    }
    std::unique_ptr<platform::Bitmap> CreateMonochromeBitmap(int w, int h) override {
        Note(w, h);
        return RasterGraphics::CreateMonochromeBitmap(w, h);
    }
    long long largest = 0;

  private:
    void Note(int w, int h) { largest = std::max(largest, (long long)w * h); }
};

// A repaint copies no more of a logo than the client area shows, however
// large the picture; what it shows is drawn all the same.
TEST_F(EngineWindow, RepaintsCopyOnlyTheVisiblePartOfALogo) {
    LargestBitmapGraphics graphics;
    platform::Install({&graphics, &windows_, &services_, &host_.system});
    WriteSolidBmp(dir_ + "res/big.bmp", 1500, 1200, kRed);
    TestProject p;
    p.logos = {{"res\\big.bmp", {100, 50}}, {"res\\big.bmp", {-1400, -1100}}};
    auto wnd = Show(p);
    graphics.largest = 0;
    Repaint(*wnd);
    EXPECT_LE(graphics.largest, (long long)kClientW * kClientH);
    const Surface s = Client(*wnd);
    EXPECT_TRUE(AreaIs(s, {100, 50, kClientW, kClientH}, kRed));
    EXPECT_TRUE(AreaIs(s, {0, 0, 100, 100}, kRed));
}

// A scene: logos (and links) shown, then after so many timer steps in all,
// every pixel of each area has its colour, or at least `least` of them.
struct Area {
    int left, top, right, bottom;
    ColorRef colour;
    int least = 0;
};
struct Checkpoint {
    int steps;  // one sets a movement up, one draws each of its 40 frames, one cleans up
    std::vector<Area> areas;
};
struct Scene {
    std::vector<TestLogo> logos;
    std::vector<Checkpoint> checkpoints;
    std::vector<TestHotSpot> hotspots = {};
};

TEST_F(EngineWindow, Scenes) {
    // Left half the mask colour; right half red with one pixel that differs
    // from the mask in the green component only.
    WriteBmp(dir_ + "res/mask.bmp", 20, 10, [&](int x, int y) {
        if (x == 15 && y == 5) return Rgb(255, 1, 255);
        return x < 10 ? kMask : kRed;
    });
    WriteSolidBmp(dir_ + "res/red.bmp", 20, 10, kRed);
    WriteSolidBmp(dir_ + "res/blue.bmp", 20, 10, kBlue);
    WriteSolidBmp(dir_ + "res/big.bmp", 100, 60, kRed);
    const char *red = "res\\red.bmp", *blue = "res\\blue.bmp", *big = "res\\big.bmp";
    constexpr ColorRef R = kRed, G = kGreen, B = kBlue;
    constexpr int kMin = INT32_MIN, kMax = INT32_MAX;
    const Scene scenes[] = {
        // Later logos lie over earlier ones and the text over them all; the
        // mask colour shows the background; moving logos wait for the show.
        {{{big, {10, 10}},
          {blue, {50, 12}},
          {"res\\mask.bmp", {200, 40}},
          {blue, {300, 100}, 1, {400, 50}}},
         {{0,
           {{10, 10, 50, 20, R},
            {50, 12, 70, 22, B},
            {30, 25, 110, 70, kNormal, 10},
            {200, 40, 210, 50, G},
            {210, 40, 215, 50, R},
            {215, 45, 216, 46, Rgb(255, 1, 255)},
            {200, 50, 230, 51, G},
            {300, 100, 320, 110, G},
            {400, 50, 420, 60, G}}}},
         {{"XXXX", 30, 25}}},
        // Down and right: set-up draws nothing, each frame erases the last, and
        // the clean-up puts the logo on its location.
        {{{red, {500, 250}, 1, {100, 50}}},
         {{1, {{90, 40, 130, 70, G}}},
          {2, {{100, 50, 120, 60, R}, {99, 50, 100, 60, G}, {100, 60, 120, 61, G}}},
          {3, {{110, 55, 130, 65, R}, {100, 50, 110, 55, G}}},
          {41, {{490, 245, 510, 255, R}, {480, 240, 490, 245, G}}},
          {42, {{500, 250, 520, 260, R}, {490, 245, 500, 250, G}}}}},
        // Up and left: frames 7 and 39.
        {{{red, {100, 50}, 1, {500, 250}}},
         {{9, {{430, 215, 450, 225, R}}}, {41, {{110, 55, 130, 65, R}}}}},
        // 28 / 40 = 0.7 is held as 0.699999988 in a float: 10 steps make 6, not 7.
        {{{red, {28, 12}, 1, {0, 0}}},
         {{12, {{6, 3, 26, 13, R}, {26, 3, 27, 13, G}}},
          {41, {{27, 11, 47, 21, R}, {47, 11, 48, 21, G}}}}},
        // Resized, frame n is 100 + trunc(100 * (39 - n) / 20) wide, 60 + ...
        // high; the last is drawn at natural size, then the logo on its location.
        {{{big, {300, 200}, 1, {20, 20}, 1}},
         {{2, {{20, 20, 315, 197, R}, {315, 20, 316, 197, G}, {20, 197, 315, 198, G}}},
          {3, {{27, 24, 317, 198, R}, {20, 20, 27, 197, G}, {317, 24, 318, 198, G}}},
          {40, {{286, 191, 391, 254, R}, {391, 191, 392, 254, G}}},
          {41,
           {{300, 200, 400, 260, R},
            {293, 195, 300, 260, G},
            {293, 195, 400, 200, G},
            {20, 20, 293, 195, G}}}}},
        // Untrusted 32-bit locations: frames far outside are clipped, and
        // positions never overflow into the window.
        {{{red, {kMax, kMin}, 1, {kMin, kMax}, 1}}, {{41, {{0, 0, kClientW, kClientH, G}}}}},
        // The second logo starts after the first has finished; its snapshot
        // holds the first in place.
        {{{red, {300, 100}, 1, {100, 100}}, {blue, {300, 300}, 1, {100, 300}}},
         {{42, {{100, 300, 120, 310, G}, {300, 100, 320, 110, R}}},
          {44, {{100, 300, 120, 310, B}, {300, 100, 320, 110, R}}},
          {86, {{300, 300, 320, 310, B}, {300, 100, 320, 110, R}}}}},
    };
    for (const Scene& scene : scenes) {
        TestProject p;
        p.logos = scene.logos;
        p.hotspots = scene.hotspots;
        auto wnd = Show(p);
        int done = 0;
        for (const Checkpoint& checkpoint : scene.checkpoints) {
            Steps(checkpoint.steps - done);
            done = checkpoint.steps;
            const Surface s = Client(*wnd);
            for (const Area& a : checkpoint.areas) {
                const Rect r{a.left, a.top, a.right, a.bottom};
                const int all = r.Width() * r.Height();
                EXPECT_GE(Count(s, r, a.colour), a.least ? a.least : all)
                    << scene.logos[0].name << " after " << done << " steps: " << r;
            }
        }
    }
}

// The show paints at once, puts the pointer on the window's corner, plays the
// start sound and starts the animation timer; a repaint before the animation
// is done still leaves the moving logos out.
TEST_F(EngineWindow, ShowStarts) {
    WriteSolidBmp(dir_ + "res/start.wav", 1, 1, 0);  // any file will do
    WriteSolidBmp(dir_ + "res/moving.bmp", 10, 10, kBlue);
    TestProject p;
    p.logos = {{"res\\moving.bmp", {200, 100}, 1, {50, 50}}};
    p.delay = 25;
    p.startupWave = "res\\start.wav";
    auto wnd = Show(p);
    EXPECT_EQ((Point{192, 164}), windows_.CursorPos());
    EXPECT_EQ(std::vector<std::string>{dir_ + "res/start.wav"}, services_.sounds);
    EXPECT_EQ((std::map<unsigned, unsigned>{{LOGO_TIMER_ID, 25}}), Host(*wnd)->Timers());
    EXPECT_EQ(0, Host(*wnd)->OpenDCCount());
    Repaint(*wnd);
    EXPECT_TRUE(AreaIs(Client(*wnd), {200, 100, 210, 110}, kGreen));
}

}  // namespace
}  // namespace enginetest
