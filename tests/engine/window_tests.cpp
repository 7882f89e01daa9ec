// The menu window: backgrounds of every kind, centring, logo loading, logos
// with their mask colour and stacking order, and what the show starts with.
#include "engine_fixture.h"
#include "platform/platform.h"

namespace enginetest {
namespace {

constexpr int kClientW = 638;
constexpr int kClientH = 438;
constexpr Rect kClient{0, 0, kClientW, kClientH};

ColorRef At(const Surface& s, int x, int y) { return platform::raster::ColorRefOf(s.At(x, y)); }

using EngineWindow = EngineTest;

TEST_F(EngineWindow, ColourAndGradientBackgrounds) {
    struct Near {
        int x, y;
        ColorRef color;
        int tolerance;
    };
    struct Case {
        const char* background;
        Rect uniform;  // all of one colour: a row for a vertical gradient, a column for horizontal
        std::vector<Near> near;
    };
    const ColorRef grey = Rgb(240, 240, 240);
    const Case cases[] = {
        // Hex digits in either case.
        {"@@00000001A0b0C0", kClient, {{0, 0, Rgb(0xa0, 0xb0, 0xc0), 0}}},
        // Vertical, from the colour to light grey.
        {"@@0000000d0000ff",
         {0, 200, kClientW, 201},
         {{0, 0, kBlue, 1},
          {300, kClientH - 1, grey, 3},
          {100, kClientH / 2, Rgb(120, 120, 248), 4}}},
        // Horizontal towards black.
        {"@@00000013ff0000",
         {300, 0, 301, kClientH},
         {{0, 0, kRed, 1}, {kClientW - 1, 10, 0, 2}, {kClientW / 2, 10, Rgb(128, 0, 0), 4}}},
        // Both directions set: horizontal wins.
        {"@@000000070000ff", {400, 0, 401, kClientH}, {{kClientW - 1, 0, grey, 3}}},
        // The dither-to-white flag still ends in light grey.
        {"@@0000000b000000", {400, 0, 401, kClientH}, {{kClientW - 1, 0, grey, 3}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.background);
        TestProject p;
        p.background = c.background;
        auto wnd = Show(p);
        const Surface s = Client(*wnd);
        ASSERT_EQ(kClientW, s.width);
        ASSERT_EQ(kClientH, s.height);
        EXPECT_TRUE(AreaIs(s, c.uniform, At(s, c.uniform.left, c.uniform.top)));
        for (const Near& n : c.near) {
            const ColorRef got = At(s, n.x, n.y);
            EXPECT_NEAR(platform::RedOf(got), platform::RedOf(n.color), n.tolerance) << n.x;
            EXPECT_NEAR(platform::GreenOf(got), platform::GreenOf(n.color), n.tolerance) << n.x;
            EXPECT_NEAR(platform::BlueOf(got), platform::BlueOf(n.color), n.tolerance) << n.x;
        }
        EXPECT_TRUE(services_.messages.empty());
    }
}

TEST_F(EngineWindow, BackgroundThatCannotBeMadeFailsWithAMessage) {
    // A colour code without the colour flag, a single '@' (a file name), a missing file.
    for (const char* background : {"@@00000002ff0000", "@00000001ff0000", "res\\missing.bmp"}) {
        SCOPED_TRACE(background);
        services_.messages.clear();
        TestProject p;
        p.background = background;
        EXPECT_FALSE(MakeWindow(p)->Create(0, kRuntimeStyle, nullptr));
        EXPECT_EQ(std::vector<std::string>{"Failed to load our background bitmap!\n"},
                  services_.messages);
    }
}

TEST_F(EngineWindow, CentredOnTheScreenOrInItsParentButNeverNegative) {
    auto wnd = Show(TestProject{});
    EXPECT_EQ((Rect{192, 164, 832, 604}), wnd->Wnd->GetWindowRect());  // 640 x 440
    const platform::WindowParams& params = Host(*wnd)->Params();
    EXPECT_EQ("Installer Window", params.title);
    EXPECT_EQ(0x000Bu, params.windowClass.classStyle);
    EXPECT_EQ(0x90880000u, params.style);

    struct Case {
        int w, h, x, y;
    };
    for (Case c : {Case{840, 300, 100, 0}, Case{500, 640, 0, 100}}) {
        using namespace platform::ws;
        auto parent =
            windows_.CreateHostWindow({0, Popup | Visible, {}, "", 0, 0, c.w, c.h}, nullptr);
        auto child = MakeWindow(TestProject{});
        ASSERT_TRUE(child->Create(0, Child | Visible | Border, parent.get()));
        EXPECT_EQ(c.x, Host(*child)->Params().x) << c.w;
        EXPECT_EQ(c.y, Host(*child)->Params().y) << c.w;
        EXPECT_EQ(parent.get(), Host(*child)->Params().parent);
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

TEST_F(EngineWindow, MissingLogoFailsWithATraceButNoMessage) {
    WriteSolidBmp(dir_ + "res/a.bmp", 4, 4, kRed);
    TestProject p;
    p.logos = {{"res\\A.BMP", {0, 0}}, {"res\\gone.bmp", {0, 0}}};
    auto wnd = MakeWindow(p);
    EXPECT_FALSE(wnd->Create(0, kRuntimeStyle, nullptr));
    EXPECT_TRUE(services_.messages.empty());
    ASSERT_FALSE(services_.traces.empty());
    EXPECT_EQ("Failed to load our LOGO bitmap res\\gone.bmp!\n", services_.traces.back());
    // What was made stays until the settings are cleared.
    EXPECT_NE(nullptr, wnd->Settings->BackgroundBitmap);
    EXPECT_NE(nullptr, wnd->Settings->LogoBitmap[0]);
}

TEST_F(EngineWindow, LogosShowTheBackgroundThroughTheMaskColourAndLieUnderTheText) {
    // Left half the mask colour; right half red with one pixel that differs
    // from the mask in the green component only.
    WriteBmp(dir_ + "res/mask.bmp", 20, 10, [&](int x, int y) {
        if (x == 15 && y == 5) return Rgb(255, 1, 255);
        return x < 10 ? kMask : kRed;
    });
    WriteSolidBmp(dir_ + "res/red.bmp", 40, 40, kRed);
    WriteSolidBmp(dir_ + "res/blue.bmp", 40, 40, kBlue);
    TestProject p;
    p.logos = {
        {"res\\mask.bmp", {100, 40}}, {"res\\red.bmp", {10, 10}}, {"res\\blue.bmp", {30, 30}}};
    p.hotspots = {{"XXXX", 35, 35}};
    auto wnd = Show(p);
    const Surface s = Client(*wnd);
    EXPECT_TRUE(AreaIs(s, {100, 40, 110, 50}, kGreen));
    EXPECT_TRUE(AreaIs(s, {110, 40, 115, 50}, kRed));
    EXPECT_TRUE(AreaIs(s, {115, 45, 116, 46}, Rgb(255, 1, 255)));
    EXPECT_TRUE(AreaIs(s, {120, 40, 130, 50}, kGreen));  // right of the logo
    EXPECT_TRUE(AreaIs(s, {100, 50, 130, 51}, kGreen));  // below it

    // Later logos lie over earlier ones, and the text in its colour over them all.
    const Rect r = wnd->Settings->HotSpotRect[0];
    ASSERT_LT(r.bottom, 62);
    EXPECT_TRUE(AreaIs(s, {10, 10, 30, 30}, kRed));
    EXPECT_TRUE(AreaIs(s, {30, 62, 70, 70}, kBlue));
    EXPECT_GT(Count(s, r, Rgb(255, 255, 255)), 10);
}

TEST_F(EngineWindow, ShowStartsWithoutTheMovingLogos) {
    WriteSolidBmp(dir_ + "res/start.wav", 1, 1, 0);  // any file will do
    WriteSolidBmp(dir_ + "res/still.bmp", 10, 10, kRed);
    WriteSolidBmp(dir_ + "res/moving.bmp", 10, 10, kBlue);
    TestProject p;
    p.logos = {{"res\\still.bmp", {20, 20}}, {"res\\moving.bmp", {200, 100}, 1, {50, 50}}};
    p.delay = 25;
    p.startupWave = "res\\start.wav";
    auto wnd = Show(p);
    Surface s = Client(*wnd);
    EXPECT_TRUE(AreaIs(s, {20, 20, 30, 30}, kRed));
    EXPECT_TRUE(AreaIs(s, {200, 100, 210, 110}, kGreen));
    EXPECT_TRUE(AreaIs(s, {50, 50, 60, 60}, kGreen));
    // Painted, pointer on the window's corner, sound played, animation timer started.
    EXPECT_FALSE(Host(*wnd)->NeedsPaint());
    EXPECT_EQ((Point{192, 164}), windows_.CursorPos());
    EXPECT_EQ(std::vector<std::string>{dir_ + "res/start.wav"}, services_.sounds);
    EXPECT_EQ((std::map<unsigned, unsigned>{{LOGO_TIMER_ID, 25}}), Host(*wnd)->Timers());
    EXPECT_EQ(0, Host(*wnd)->OpenDCCount());

    // A repaint before the animation is done still leaves it out.
    Repaint(*wnd);
    EXPECT_TRUE(AreaIs(Client(*wnd), {200, 100, 210, 110}, kGreen));
}

}  // namespace
}  // namespace enginetest
