// The logo animation: moving logos slide into place one after another, one
// step per timer message.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <memory>

#include "engine/installer_wnd.h"
#include "engine/window_helpers.h"
#include "platform/platform.h"

using namespace window_detail;

namespace {

enum AnimationState { kReset = 0, kNextLogo = 1, kMoving = 2, kFinished = 3 };

// Start +/- trunc(n * step): the product in extended precision, as the
// position of frame n has always been computed.
int FramePosition(int start, int end, unsigned n, float step) {
    long long offset = static_cast<long long>(std::trunc(static_cast<long double>(n) * step));
    long long pos = end > start ? start + offset : start - offset;
    return static_cast<int>(pos);
}

// w + trunc(w * (total - n - 1) / (100.0 / percent)), the product in 32 bits.
int ResizedExtent(int extent, unsigned total, unsigned n, int percent) {
    std::uint32_t product = std::uint32_t(extent) * (total - n - 1);
    return extent + static_cast<int>(std::trunc(double(product) / (100.0 / percent)));
}

float StepOf(int start, int end, unsigned frames) {
    long double distance = std::llabs(static_cast<long long>(end) - start);
    return static_cast<float>(distance / frames);
}

// Where a rectangle of the client area lies in the surfaces; false when it
// misses them, so that nothing of it would show.
bool InArea(const LogoAnnimationState& a, platform::Point at, int w, int h,
            platform::Point* local) {
    const platform::Rect& r = a.Area;
    if (w <= 0 || h <= 0 || std::int64_t(at.x) + w <= r.left || at.x >= r.right ||
        std::int64_t(at.y) + h <= r.top || at.y >= r.bottom)
        return false;
    *local = {at.x - r.left, at.y - r.top};
    return true;
}

// Where the logo was drawn last, in the client area.
struct Drawn {
    platform::Point at;
    platform::Size size;
};
Drawn LastDrawn(const LogoAnnimationState& a) { return {a.CurPos, a.DrawSize}; }

// Of the frame, what changed since `before`: the logo's old and new places,
// onto the window. The rest of the window already shows the same pixels.
void ShowFrame(platform::DC& window, const LogoAnnimationState& a, const Drawn& before) {
    std::int64_t left = a.Area.right, top = a.Area.bottom, right = a.Area.left, bottom = a.Area.top;
    for (const Drawn& d : {before, LastDrawn(a)}) {
        if (d.size.cx <= 0 || d.size.cy <= 0) continue;
        left = std::min<std::int64_t>(left, d.at.x);
        top = std::min<std::int64_t>(top, d.at.y);
        right = std::max<std::int64_t>(right, std::int64_t(d.at.x) + d.size.cx);
        bottom = std::max<std::int64_t>(bottom, std::int64_t(d.at.y) + d.size.cy);
    }
    left = std::max<std::int64_t>(left, a.Area.left);
    top = std::max<std::int64_t>(top, a.Area.top);
    right = std::min<std::int64_t>(right, a.Area.right);
    bottom = std::min<std::int64_t>(bottom, a.Area.bottom);
    if (left >= right || top >= bottom) return;
    window.BitBlt(int(left), int(top), int(right - left), int(bottom - top), *a.FrameDC,
                  int(left - a.Area.left), int(top - a.Area.top), platform::Rop::SrcCopy);
}

void DrawLogoInFrame(LogoAnnimationState& a, platform::DC& logo, platform::Point at, int w, int h) {
    platform::Point local;
    if (InArea(a, at, w, h, &local))
        CInstallerWnd::DrawTransparent(local.x, local.y, w, h, logo, *a.FrameDC, a.MaskColor);
}

// Restores the area of the frame drawn last from the snapshot.
void EraseLastFrame(LogoAnnimationState& a) {
    platform::Point local;
    if (InArea(a, a.CurPos, a.DrawSize.cx, a.DrawSize.cy, &local))
        a.FrameDC->BitBlt(local.x, local.y, a.DrawSize.cx, a.DrawSize.cy, *a.SnapshotDC, local.x,
                          local.y, platform::Rop::SrcCopy);
}

// Every place a frame of the movement draws on, and the logo's location,
// within the client area: the rest of the window stays as it is.
platform::Rect MovementArea(const LogoAnnimationState& a, const platform::Rect& client, int w,
                            int h) {
    std::int64_t left = client.right, top = client.bottom, right = client.left, bottom = client.top;
    const auto add = [&](platform::Point at, int cx, int cy) {
        if (cx <= 0 || cy <= 0) return;
        left = std::min<std::int64_t>(left, at.x);
        top = std::min<std::int64_t>(top, at.y);
        right = std::max<std::int64_t>(right, std::int64_t(at.x) + cx);
        bottom = std::max<std::int64_t>(bottom, std::int64_t(at.y) + cy);
    };
    for (unsigned n = 0; n < a.FrameTotal; ++n) {
        const platform::Point at{FramePosition(a.StartPos.x, a.EndPos.x, n, a.StepX),
                                 FramePosition(a.StartPos.y, a.EndPos.y, n, a.StepY)};
        if (a.Resize)
            add(at, ResizedExtent(w, a.FrameTotal, n, a.GrowPercent),
                ResizedExtent(h, a.FrameTotal, n, a.GrowPercent));
        else
            add(at, w, h);
    }
    add(a.EndPos, w, h);
    left = std::max<std::int64_t>(left, client.left);
    top = std::max<std::int64_t>(top, client.top);
    right = std::min<std::int64_t>(right, client.right);
    bottom = std::min<std::int64_t>(bottom, client.bottom);
    // A movement wholly outside still gets surfaces, of one pixel.
    if (right <= left || bottom <= top)
        return {client.left, client.top, client.left + 1, client.top + 1};
    return {int(left), int(top), int(right), int(bottom)};
}

// A logo that slides without resizing stops at trunc(39 * d / 40), short of its
// location. Put it in place before the next logo takes its snapshot, so the
// menu never rests with a logo off its spot.
void SettleMovedLogo(platform::Window& wnd, LogoAnnimationState& a) {
    if (a.Resize || a.CurPos == a.EndPos || !a.LogoHandle || !a.SnapshotDC || !a.FrameDC) return;
    platform::DC* dc = wnd.GetDC();
    if (!dc) return;
    if (std::unique_ptr<platform::DC> logoDC =
            platform::Current().graphics->CreateCompatibleDC(dc)) {
        platform::Bitmap* old = logoDC->SelectBitmap(a.LogoHandle);
        const Drawn before = LastDrawn(a);
        EraseLastFrame(a);
        DrawLogoInFrame(a, *logoDC, a.EndPos, a.DrawSize.cx, a.DrawSize.cy);
        a.CurPos = a.EndPos;
        ShowFrame(*dc, a, before);
        logoDC->SelectBitmap(old);
    }
    wnd.ReleaseDC(dc);
}

}  // namespace

void CInstallerWnd::OnTimer(unsigned id) {
    if (id != LOGO_TIMER_ID || !Wnd) return;
    LaunchSettings& s = *Settings;
    LogoAnnimationState& a = s.LogoAnnimation;

    // The timer that fired is ours even when a cleared record forgot its id.
    auto StopTimer = [this, &a] {
        Wnd->KillTimer(a.TimerId != 0 ? a.TimerId : LOGO_TIMER_ID);
        a.TimerId = 0;
    };

    switch (a.State) {
        case kReset:
            a.LogoIndex = 0;
            a.FrameCount = 0;
            a.FrameTotal = 0;
            ReleaseAnnimationSurfaces();
            a.State = kNextLogo;
            [[fallthrough]];
        case kNextLogo: {
            if (a.LogoIndex >= LogoCount(s)) {
                a.State = kFinished;
                break;
            }
            unsigned i = a.LogoIndex;
            if (s.AnimateLogo[i] == 0) {
                ++a.LogoIndex;
                break;
            }
            a.StartPos = s.LogoBitmapAnimateLocation[i];
            a.EndPos = s.LogoBitmapLocation[i];
            a.MaskColor = LogoMaskColor(s, i);
            a.LogoHandle = s.LogoBitmap[i].get();
            a.Resize = s.ResizeLogo[i];
            a.SnapshotOldBitmap = nullptr;
            a.FrameOldBitmap = nullptr;
            // No frame drawn yet: nothing to erase.
            a.CurPos = a.StartPos;
            a.DrawSize = {0, 0};
            if (InitAnnimateSequence(ANNIMATION_FRAMES, ANNIMATION_GROW_PERCENT)) {
                a.State = kMoving;
            } else {
                a.State = kFinished;
                platform::Trace("State Machine: Failed to initialize our annimation sequence!\n");
            }
            break;
        }
        case kMoving:
            if (a.FrameCount < a.FrameTotal) {
                DrawAnnimateFrame();
                ++a.FrameCount;
            } else {
                SettleMovedLogo(*Wnd, a);
                ReleaseAnnimationSurfaces();
                ++a.LogoIndex;
                a.FrameCount = 0;
                a.State = kNextLogo;
            }
            break;
        case kFinished:
            AnnimationDone = 1;
            ReleaseAnnimationSurfaces();
            StopTimer();
            break;
        default:
            platform::Trace("Invalid state!");
            StopTimer();
            break;
    }
}

bool CInstallerWnd::InitAnnimateSequence(unsigned frames, int percent) {
    LogoAnnimationState& a = Settings->LogoAnnimation;
    platform::Graphics& gfx = *platform::Current().graphics;
    a.FrameTotal = frames;
    a.GrowPercent = percent;

    a.StepX = 0.0f;
    a.StepY = 0.0f;
    if (frames > 1) {
        a.StepX = StepOf(a.StartPos.x, a.EndPos.x, frames);
        a.StepY = StepOf(a.StartPos.y, a.EndPos.y, frames);
    }
    platform::DC* dc = Wnd->GetDC();
    if (!dc) return false;
    platform::BitmapInfo logo;
    if (!a.LogoHandle || !a.LogoHandle->GetInfo(&logo)) logo = {};
    a.Area = MovementArea(a, Wnd->GetClientRect(), logo.width, std::abs(logo.height));
    const int w = a.Area.Width(), h = a.Area.Height();

    // Surface A: the area as it is now. Surface B: the frame being composed.
    a.SnapshotDC = gfx.CreateCompatibleDC(dc);
    a.SnapshotBitmap = gfx.CreateCompatibleBitmap(dc, w, h);
    a.FrameDC = gfx.CreateCompatibleDC(dc);
    a.FrameBitmap = gfx.CreateCompatibleBitmap(dc, w, h);
    if (!a.SnapshotDC || !a.SnapshotBitmap || !a.FrameDC || !a.FrameBitmap) {
        Wnd->ReleaseDC(dc);
        return false;
    }
    a.SnapshotOldBitmap = a.SnapshotDC->SelectBitmap(a.SnapshotBitmap.get());
    a.SnapshotDC->BitBlt(0, 0, w, h, *dc, a.Area.left, a.Area.top, platform::Rop::SrcCopy);
    a.FrameOldBitmap = a.FrameDC->SelectBitmap(a.FrameBitmap.get());
    a.FrameDC->BitBlt(0, 0, w, h, *a.SnapshotDC, 0, 0, platform::Rop::SrcCopy);
    Wnd->ReleaseDC(dc);
    return true;
}

void CInstallerWnd::DrawAnnimateFrame() {
    LogoAnnimationState& a = Settings->LogoAnnimation;
    platform::Graphics& gfx = *platform::Current().graphics;
    const unsigned n = a.FrameCount;

    platform::DC* dc = Wnd->GetDC();
    if (!dc) {
        platform::Trace("DrawAnnimateFrame(): ERROR: pDC == NULL\n");
        return;
    }
    if (!a.LogoHandle || !a.SnapshotDC || !a.FrameDC) {
        Wnd->ReleaseDC(dc);
        platform::Trace("DrawAnnimateFrame(): ERROR: FromHandle Failed\n");
        return;
    }
    std::unique_ptr<platform::DC> logoDC = gfx.CreateCompatibleDC(dc);
    if (!logoDC) {
        Wnd->ReleaseDC(dc);
        return;
    }
    platform::Bitmap* oldLogo = logoDC->SelectBitmap(a.LogoHandle);
    a.LogoHandle->GetInfo(&a.LogoInfo);
    const int w = a.LogoInfo.width;
    const int h = std::abs(a.LogoInfo.height);

    const Drawn before = n == 0 ? Drawn{} : LastDrawn(a);
    if (n == 0) {
        a.DrawSize = {w, h};
    } else {
        EraseLastFrame(a);
    }
    a.CurPos = {FramePosition(a.StartPos.x, a.EndPos.x, n, a.StepX),
                FramePosition(a.StartPos.y, a.EndPos.y, n, a.StepY)};

    if (!a.Resize) {
        DrawLogoInFrame(a, *logoDC, a.CurPos, w, h);
    } else {
        // The logo keeps its top-left corner and shrinks towards it.
        a.DrawSize = {ResizedExtent(w, a.FrameTotal, n, a.GrowPercent),
                      ResizedExtent(h, a.FrameTotal, n, a.GrowPercent)};
        // Outside the area there is nothing to draw, which is not a failure.
        platform::Point local;
        if (!InArea(a, a.CurPos, a.DrawSize.cx, a.DrawSize.cy, &local) ||
            DrawTransparentStretched(local.x, local.y, a.DrawSize.cx, a.DrawSize.cy, *logoDC, w, h,
                                     *a.FrameDC, a.MaskColor))
            platform::Trace("%d %d\n", a.CurPos.x, a.CurPos.y);
    }
    ShowFrame(*dc, a, before);

    // A resized logo ends at its natural size on its location. The surfaces keep
    // their bitmaps selected until the clean-up step, which may still draw.
    if (n + 1 >= a.FrameTotal && a.Resize) {
        EraseLastFrame(a);
        DrawLogoInFrame(a, *logoDC, a.EndPos, w, h);
        ShowFrame(*dc, a, {a.EndPos, {w, h}});
    }

    Wnd->ReleaseDC(dc);
    logoDC->SelectBitmap(oldLogo);
}

// The surfaces of a moving logo: select the saved bitmaps back, then delete.
// Also called when the record is cleared or the window goes away mid-movement.
void CInstallerWnd::ReleaseAnnimationSurfaces() {
    LogoAnnimationState& a = Settings->LogoAnnimation;
    if (a.SnapshotDC && a.SnapshotOldBitmap) a.SnapshotDC->SelectBitmap(a.SnapshotOldBitmap);
    if (a.FrameDC && a.FrameOldBitmap) a.FrameDC->SelectBitmap(a.FrameOldBitmap);
    a.SnapshotOldBitmap = nullptr;
    a.FrameOldBitmap = nullptr;
    a.SnapshotDC.reset();
    a.SnapshotBitmap.reset();
    a.FrameDC.reset();
    a.FrameBitmap.reset();
}
