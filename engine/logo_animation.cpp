// The logo animation: moving logos slide into place one after another, one
// step per timer message.
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

// Restores the area of the frame drawn last from the snapshot.
void EraseLastFrame(LogoAnnimationState& a) {
    a.FrameDC->BitBlt(a.CurPos.x, a.CurPos.y, a.DrawSize.cx, a.DrawSize.cy, *a.SnapshotDC,
                      a.CurPos.x, a.CurPos.y, platform::Rop::SrcCopy);
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
        EraseLastFrame(a);
        CInstallerWnd::DrawTransparent(a.EndPos.x, a.EndPos.y, a.DrawSize.cx, a.DrawSize.cy,
                                       *logoDC, *a.FrameDC, a.MaskColor);
        a.CurPos = a.EndPos;
        platform::Rect client = wnd.GetClientRect();
        dc->BitBlt(0, 0, client.Width(), client.Height(), *a.FrameDC, 0, 0, platform::Rop::SrcCopy);
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

    platform::DC* dc = Wnd->GetDC();
    if (!dc) return false;
    platform::Rect client = Wnd->GetClientRect();
    int w = client.Width();
    int h = client.Height();

    // Surface A: the window as it is now. Surface B: the frame being composed.
    a.SnapshotDC = gfx.CreateCompatibleDC(dc);
    a.SnapshotBitmap = gfx.CreateCompatibleBitmap(dc, w, h);
    a.FrameDC = gfx.CreateCompatibleDC(dc);
    a.FrameBitmap = gfx.CreateCompatibleBitmap(dc, w, h);
    if (!a.SnapshotDC || !a.SnapshotBitmap || !a.FrameDC || !a.FrameBitmap) {
        Wnd->ReleaseDC(dc);
        return false;
    }
    a.SnapshotOldBitmap = a.SnapshotDC->SelectBitmap(a.SnapshotBitmap.get());
    a.SnapshotDC->BitBlt(0, 0, w, h, *dc, 0, 0, platform::Rop::SrcCopy);
    a.FrameOldBitmap = a.FrameDC->SelectBitmap(a.FrameBitmap.get());
    a.FrameDC->BitBlt(0, 0, w, h, *a.SnapshotDC, 0, 0, platform::Rop::SrcCopy);

    a.StepX = 0.0f;
    a.StepY = 0.0f;
    if (frames > 1) {
        a.StepX = StepOf(a.StartPos.x, a.EndPos.x, frames);
        a.StepY = StepOf(a.StartPos.y, a.EndPos.y, frames);
    }
    Wnd->ReleaseDC(dc);
    return true;
}

void CInstallerWnd::DrawAnnimateFrame() {
    LogoAnnimationState& a = Settings->LogoAnnimation;
    platform::Graphics& gfx = *platform::Current().graphics;
    const unsigned n = a.FrameCount;
    using platform::Rop;

    platform::DC* dc = Wnd->GetDC();
    if (!dc) {
        platform::Trace("DrawAnnimateFrame(): ERROR: pDC == NULL\n");
        return;
    }
    platform::Rect client = Wnd->GetClientRect();
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

    if (n == 0) {
        a.DrawSize = {w, h};
    } else {
        EraseLastFrame(a);
    }
    a.CurPos = {FramePosition(a.StartPos.x, a.EndPos.x, n, a.StepX),
                FramePosition(a.StartPos.y, a.EndPos.y, n, a.StepY)};

    if (!a.Resize) {
        DrawTransparent(a.CurPos.x, a.CurPos.y, w, h, *logoDC, *a.FrameDC, a.MaskColor);
    } else {
        // The logo keeps its top-left corner and shrinks towards it.
        a.DrawSize = {ResizedExtent(w, a.FrameTotal, n, a.GrowPercent),
                      ResizedExtent(h, a.FrameTotal, n, a.GrowPercent)};
        if (DrawTransparentStretched(a.CurPos.x, a.CurPos.y, a.DrawSize.cx, a.DrawSize.cy,
                                     *logoDC, w, h, *a.FrameDC, a.MaskColor))
            platform::Trace("%d %d\n", a.CurPos.x, a.CurPos.y);
    }
    dc->BitBlt(0, 0, client.Width(), client.Height(), *a.FrameDC, 0, 0, Rop::SrcCopy);

    // A resized logo ends at its natural size on its location. The surfaces keep
    // their bitmaps selected until the clean-up step, which may still draw.
    if (n + 1 >= a.FrameTotal && a.Resize) {
        EraseLastFrame(a);
        DrawTransparent(a.EndPos.x, a.EndPos.y, w, h, *logoDC, *a.FrameDC, a.MaskColor);
        dc->BitBlt(0, 0, client.Width(), client.Height(), *a.FrameDC, 0, 0, Rop::SrcCopy);
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
