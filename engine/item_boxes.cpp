// Where the items stand, for the editor's arranging: the boxes of links and
// logos, and the end of the show with every logo in place.
#include <cstdint>
#include <string>

#include "engine/installer_wnd.h"
#include "engine/window_helpers.h"
#include "platform/platform.h"

using namespace window_detail;

namespace {

// A box at the edge of the coordinate range keeps a defined extent.
std::int32_t Reach(std::int32_t from, std::int32_t extent) {
    const std::int64_t end = std::int64_t(from) + extent;
    return end > INT32_MAX ? INT32_MAX : end < INT32_MIN ? INT32_MIN : std::int32_t(end);
}

}  // namespace

bool CInstallerWnd::MeasureLinkText(const std::string& text, platform::Size* extent) {
    if (!Wnd || !HotSpotFont) return false;
    platform::DC* dc = Wnd->GetDC();
    if (!dc) return false;
    platform::Font* old = dc->SelectFont(HotSpotFont.get());
    const bool measured = dc->MeasureText(text, extent);
    dc->SelectFont(old);
    Wnd->ReleaseDC(dc);
    return measured;
}

platform::Rect CInstallerWnd::LinkBox(int index) {
    LaunchSettings& s = *Settings;
    if (index < 0 || unsigned(index) >= HotSpotCount(s)) return {};
    platform::Rect& r = s.HotSpotRect[index];
    // The same measure the first paint takes, and keeps.
    platform::Size extent;
    if (r.right == 0 && MeasureLinkText(TextOf(s.HotSpotText[index]), &extent)) {
        r.right = Reach(r.left, extent.cx);
        r.bottom = Reach(r.top, extent.cy);
    }
    if (r.right == 0) return {};
    return r;
}

platform::Rect CInstallerWnd::LogoBox(int index) const {
    const LaunchSettings& s = *Settings;
    if (index < 0 || unsigned(index) >= LogoCount(s)) return {};
    const platform::Point at = s.LogoBitmapLocation[index];
    return {at.x, at.y, Reach(at.x, s.LogoWidth[index]), Reach(at.y, s.LogoHeight[index])};
}

void CInstallerWnd::EndShow() {
    SetAnnimationDone(1);
    if (!Wnd) return;
    LaunchSettings& s = *Settings;
    if (s.LogoAnnimation.TimerId != 0) Wnd->KillTimer(s.LogoAnnimation.TimerId);
    s.LogoAnnimation.TimerId = 0;
    ReleaseAnnimationSurfaces();
    s.LogoAnnimation.State = 3;  // finished
    if (HotSpotCaptured) Wnd->ReleaseCapture();
    HotSpotCaptured = 0;
    HoverHotSpot = 0;
    HotSpotByKey = 0;
    Wnd->RedrawNow();
}
