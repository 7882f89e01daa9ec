// Hotspots: drawing and measuring the link texts, hover tracking with mouse
// capture, and the commands a click (or a key, hotspot_keys.cpp) runs.
#include <cstdint>
#include <string>

#include "engine/installer_wnd.h"
#include "engine/window_helpers.h"
#include "platform/platform.h"

using namespace window_detail;

namespace {

// A link placed at the edge of the coordinate range keeps a defined extent.
std::int32_t SaturatingAdd(std::int32_t a, std::int32_t b) {
    const std::int64_t sum = std::int64_t(a) + b;
    return sum > INT32_MAX ? INT32_MAX : sum < INT32_MIN ? INT32_MIN : std::int32_t(sum);
}

}  // namespace

void CInstallerWnd::DrawHotSpots(platform::DC& dc, int index) {
    LaunchSettings& s = *Settings;
    platform::Font* oldFont = HotSpotFont ? dc.SelectFont(HotSpotFont.get()) : nullptr;
    dc.SetBkMode(platform::BkMode::Transparent);

    const unsigned count = HotSpotCount(s);
    if (index == 0) {
        for (unsigned i = 0; i < count; ++i) {
            platform::Rect& r = s.HotSpotRect[i];
            const std::string& text = TextOf(s.HotSpotText[i]);
            dc.TextOutAt(r.left, r.top, text);
            // Measured once, at the first paint; until then nothing can be hit.
            platform::Size extent;
            if (r.right == 0 && dc.MeasureText(text, &extent)) {
                r.right = SaturatingAdd(r.left, extent.cx);
                r.bottom = SaturatingAdd(r.top, extent.cy);
            }
        }
    } else if (index > 0 && unsigned(index) <= count) {
        const platform::Rect& r = s.HotSpotRect[index - 1];
        dc.TextOutAt(r.left, r.top, TextOf(s.HotSpotText[index - 1]));
    }

    if (oldFont) dc.SelectFont(oldFont);
}

void CInstallerWnd::OnMouseMove(unsigned flags, platform::Point point) {
    if (!Wnd) return;
    if (Arranger) {
        Arranger->OnMouseMove(flags, point);
        return;
    }
    LaunchSettings& s = *Settings;
    const int prev = HoverHotSpot;
    int hit = 0;
    for (unsigned i = 0; i < HotSpotCount(s); ++i) {
        if (s.HotSpotRect[i].Contains(point)) {
            hit = int(i) + 1;
            break;
        }
    }

    if (hit == 0) {
        if (HotSpotCaptured) {
            Wnd->ReleaseCapture();
            HotSpotCaptured = 0;
        }
        // A link lit by a key stays lit while the pointer wanders off the links.
        if (prev != 0 && !HotSpotByKey) {
            platform::DC* dc = Wnd->GetDC();
            if (!dc) return;
            dc->SetTextColor(HotSpotTextColor(s));
            DrawHotSpots(*dc, prev);
            Wnd->ReleaseDC(dc);
            HoverHotSpot = 0;
        }
        return;
    }

    HoverHotSpot = hit;
    LastHotSpot = hit;
    HotSpotByKey = 0;
    // The capture keeps moves coming when the pointer jumps out of the window,
    // so the highlight is always taken back.
    if (!HotSpotCaptured) {
        Wnd->SetCapture();
        HotSpotCaptured = 1;
        platform::Current().windows->SetHandCursor();
    }
    platform::DC* dc = Wnd->GetDC();
    if (!dc) {
        Wnd->ReleaseCapture();
        HotSpotCaptured = 0;
        return;
    }
    MoveHighlight(*dc, prev, HoverHotSpot);
    Wnd->ReleaseDC(dc);
    if (prev != hit) Wnd->LinkFocused(hit);
}

// Redraws the link at from in the text colour and the one at to in the hilite
// colour, with the hover sound; nothing when they are the same link.
void CInstallerWnd::MoveHighlight(platform::DC& dc, int from, int to) {
    if (from == to) return;
    LaunchSettings& s = *Settings;
    PlayProjectSound(ProjectFolder, s.HotSpotWaveFile);
    dc.SetTextColor(HotSpotTextColor(s));
    DrawHotSpots(dc, from);
    platform::ColorRef saved = dc.SetTextColor(HotSpotHiliteColor(s));
    DrawHotSpots(dc, to);
    dc.SetTextColor(saved);
}

void CInstallerWnd::OnLButtonDown(unsigned flags, platform::Point point) {
    if (Arranger) {
        Arranger->OnLButtonDown(flags, point);
        return;
    }
    // Only the link under the pointer: a link lit by a key has no capture.
    if (HotSpotCaptured) RunHotSpot(HoverHotSpot);
}

// Only the arranger uses the release and the double-click.
void CInstallerWnd::OnLButtonUp(unsigned flags, platform::Point point) {
    if (Arranger) Arranger->OnLButtonUp(flags, point);
}

// The disc treats the second press of a double-click as nothing.
void CInstallerWnd::OnLButtonDblClk(unsigned flags, platform::Point point) {
    if (Arranger) Arranger->OnLButtonDblClk(flags, point);
}

void CInstallerWnd::RunHotSpot(int index) {
    LaunchSettings& s = *Settings;
    if (index < 1 || unsigned(index) > HotSpotCount(s)) return;
    const platform::Platform& host = platform::Current();
    const int i = index - 1;
    const std::string& command = TextOf(s.HotSpotCommand[i]);
    const std::string& dataA = TextOf(s.HotSpotCommandDataA[i]);
    const std::string& dataB = TextOf(s.HotSpotCommandDataB[i]);
    // No parameters at all, rather than an empty string, when none are given.
    const char* params = dataB.empty() ? nullptr : dataB.c_str();

    if (command == "RUN") {
        host.services->ShellExecuteFile(Wnd.get(), nullptr, ProjectFile(ProjectFolder, dataA),
                                        params);
    } else if (command == "RUNABSOLUTE") {
        host.services->ShellExecuteFile(Wnd.get(), nullptr, dataA, params);
    } else if (command == "OPEN") {
        host.services->ShellExecuteFile(Wnd.get(), "open", ProjectFile(ProjectFolder, dataA),
                                        nullptr);
    } else if (command == "OPENABSOLUTE") {
        host.services->ShellExecuteFile(Wnd.get(), "open", dataA, nullptr);
    } else if (command == "QUIT") {
        host.windows->PostCloseToMainWindow();
    } else {
        host.services->ShowMessage("Invalid HotSpot Command!", platform::MessageButtons::Ok);
    }
}
