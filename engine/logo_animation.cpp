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

// Of a rectangle of the client area, the part inside the movement's area;
// empty when they miss.
platform::Rect InArea(const LogoAnnimationState& a, platform::Point at, platform::Size size) {
    const platform::Rect& r = a.Area;
    if (size.cx <= 0 || size.cy <= 0) return {};
    const std::int64_t left = std::max<std::int64_t>(at.x, r.left);
    const std::int64_t top = std::max<std::int64_t>(at.y, r.top);
    const std::int64_t right = std::min<std::int64_t>(std::int64_t(at.x) + size.cx, r.right);
    const std::int64_t bottom = std::min<std::int64_t>(std::int64_t(at.y) + size.cy, r.bottom);
    if (left >= right || top >= bottom) return {};
    return {int(left), int(top), int(right), int(bottom)};
}

bool Empty(const platform::Rect& r) { return r.left >= r.right || r.top >= r.bottom; }

// Copies `part` (client coordinates, inside the area) between two DCs, each
// given with where the area's top left lies in it.
void CopyPart(platform::DC& to, platform::Point toOrigin, platform::DC& from,
              platform::Point fromOrigin, const platform::Rect& part, const platform::Rect& area) {
    if (Empty(part)) return;
    const int x = part.left - area.left, y = part.top - area.top;
    to.BitBlt(toOrigin.x + x, toOrigin.y + y, part.Width(), part.Height(), from, fromOrigin.x + x,
              fromOrigin.y + y, platform::Rop::SrcCopy);
}

// Puts the snapshot back on the window over the parts of `from` that `keep`
// does not cover: the bands above and below it, then beside it.
void RestoreUncovered(platform::DC& window, const LogoAnnimationState& a,
                      const platform::Rect& from, const platform::Rect& keep) {
    const auto restore = [&](const platform::Rect& part) {
        CopyPart(window, {a.Area.left, a.Area.top}, *a.SnapshotDC, {0, 0}, part, a.Area);
    };
    const platform::Rect both{std::max(from.left, keep.left), std::max(from.top, keep.top),
                              std::min(from.right, keep.right), std::min(from.bottom, keep.bottom)};
    if (Empty(both)) return restore(from);
    restore({from.left, from.top, from.right, both.top});
    restore({from.left, both.bottom, from.right, from.bottom});
    restore({from.left, both.top, both.left, both.bottom});
    restore({both.right, both.top, from.right, both.bottom});
}

// Moves the logo from where it was drawn last to `at`, drawn `size` large: what
// it leaves gets the snapshot back, and its new place becomes the snapshot with
// the logo over it. Each window pixel is written once, with its final value, so
// a window that shows drawing at once never shows half a frame.
void MoveLogo(platform::DC& window, LogoAnnimationState& a, platform::DC& logo, platform::Point at,
              platform::Size size, int w, int h) {
    const platform::Rect from = InArea(a, a.CurPos, a.DrawSize), to = InArea(a, at, size);
    RestoreUncovered(window, a, from, to);
    a.CurPos = at;
    a.DrawSize = size;
    if (Empty(to)) return;
    // What of the logo falls in the client area falls in the area, over the snapshot.
    if (window.TransparentBltOver(at.x, at.y, size.cx, size.cy, logo, 0, 0, w, h, a.MaskColor,
                                  *a.SnapshotDC, at.x - a.Area.left, at.y - a.Area.top))
        return;
    // Else made in the frame, then shown in one copy.
    CopyPart(*a.FrameDC, {0, 0}, *a.SnapshotDC, {0, 0}, to, a.Area);
    CInstallerWnd::DrawTransparentStretched(at.x - a.Area.left, at.y - a.Area.top, size.cx, size.cy,
                                            logo, w, h, *a.FrameDC, a.MaskColor);
    CopyPart(window, {a.Area.left, a.Area.top}, *a.FrameDC, {0, 0}, to, a.Area);
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
        MoveLogo(*dc, a, *logoDC, a.EndPos, a.DrawSize, a.DrawSize.cx, a.DrawSize.cy);
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

    // Surface A: the area as it is now. Surface B: a frame's part composed off screen.
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
    // B is drawn only where the window cannot take a frame's part in one pass.
    a.FrameOldBitmap = a.FrameDC->SelectBitmap(a.FrameBitmap.get());
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

    const platform::Point at{FramePosition(a.StartPos.x, a.EndPos.x, n, a.StepX),
                             FramePosition(a.StartPos.y, a.EndPos.y, n, a.StepY)};
    // A resized logo keeps its top-left corner and shrinks towards it.
    const platform::Size size =
        a.Resize ? platform::Size{ResizedExtent(w, a.FrameTotal, n, a.GrowPercent),
                                  ResizedExtent(h, a.FrameTotal, n, a.GrowPercent)}
                 : platform::Size{w, h};
    MoveLogo(*dc, a, *logoDC, at, size, w, h);
    // A resized logo ends at its natural size on its location. The surfaces keep
    // their bitmaps selected until the clean-up step, which may still draw.
    if (n + 1 >= a.FrameTotal && a.Resize) MoveLogo(*dc, a, *logoDC, a.EndPos, {w, h}, w, h);

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
