// Shared by the hotspot tests: a project of links over the plain background,
// their text colours on screen, and the pointer's moves and clicks.
#pragma once

#include <utility>
#include <vector>

#include "engine_fixture.h"

namespace enginetest {

constexpr ColorRef kNormal = Rgb(255, 255, 255);
constexpr ColorRef kHilite = Rgb(255, 255, 0);

class EngineHotSpot : public EngineTest {
  protected:
    std::unique_ptr<CInstallerWnd> ShowSpots(std::vector<TestHotSpot> hotspots) {
        TestProject p;
        p.hoverWave = "res\\hover.wav";
        p.hotspots = std::move(hotspots);
        return Show(p);
    }
    Rect RectOf(CInstallerWnd& wnd, int i) { return wnd.Settings->HotSpotRect[i]; }
    Point Inside(CInstallerWnd& wnd, int i) {
        return {RectOf(wnd, i).left + 2, RectOf(wnd, i).top + 2};
    }
    // The one text colour the area shows, or black when it shows both or neither.
    ColorRef TextIn(CInstallerWnd& wnd, Rect r) {
        const int normal = Count(Client(wnd), r, kNormal);
        const int hilite = Count(Client(wnd), r, kHilite);
        return normal && !hilite ? kNormal : hilite && !normal ? kHilite : Rgb(0, 0, 0);
    }
    // Exactly link `lit` (1-based, 0 for none) is hovered and shows the hilite colour.
    void ExpectLit(CInstallerWnd& wnd, int lit, int links = 3) {
        EXPECT_EQ(lit, wnd.HoverHotSpot);
        for (int i = 0; i < links; ++i)
            EXPECT_EQ(i + 1 == lit ? kHilite : kNormal, TextIn(wnd, RectOf(wnd, i)))
                << "link " << i + 1;
    }
    void Move(CInstallerWnd& wnd, Point p) { windows_.MouseMove(wnd.Wnd.get(), p); }
    void Click(CInstallerWnd& wnd, Point p) {
        Move(wnd, p);
        windows_.LButtonDown(wnd.Wnd.get(), p);
    }
};

}  // namespace enginetest
