// The paint cycle: background, logos, hotspot texts; transparent drawing; the
// start of the show.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>

#include "engine/installer_wnd.h"
#include "engine/window_helpers.h"
#include "platform/platform.h"

using namespace window_detail;

namespace {

// Draws the part of a logo that falls in the client area, copying only that
// part: a large logo, or one hanging off an edge, costs no more than the window.
void DrawVisibleLogo(platform::DC& dc, const platform::Rect& client, platform::Point at, int width,
                     int height, platform::Bitmap& logo, platform::ColorRef mask) {
    const std::int64_t left = std::max<std::int64_t>(at.x, client.left);
    const std::int64_t top = std::max<std::int64_t>(at.y, client.top);
    const std::int64_t right = std::min<std::int64_t>(std::int64_t(at.x) + width, client.right);
    const std::int64_t bottom = std::min<std::int64_t>(std::int64_t(at.y) + height, client.bottom);
    if (right <= left || bottom <= top) return;
    const int w = int(right - left), h = int(bottom - top);

    platform::Graphics& gfx = *platform::Current().graphics;
    std::unique_ptr<platform::DC> logoDC = gfx.CreateCompatibleDC(&dc);
    if (!logoDC) return;
    platform::Bitmap* old = logoDC->SelectBitmap(&logo);
    if (left == at.x && top == at.y) {
        CInstallerWnd::DrawTransparent(at.x, at.y, w, h, *logoDC, dc, mask);
    } else if (dc.TransparentBlt(int(left), int(top), w, h, *logoDC, int(left - at.x),
                                 int(top - at.y), w, h, mask)) {
        // Drawn from the visible part in place, in one pass.
    } else if (std::unique_ptr<platform::DC> partDC = gfx.CreateCompatibleDC(&dc)) {
        // DrawTransparent reads its source from the origin.
        if (std::unique_ptr<platform::Bitmap> part = gfx.CreateCompatibleBitmap(&dc, w, h)) {
            platform::Bitmap* oldPart = partDC->SelectBitmap(part.get());
            partDC->BitBlt(0, 0, w, h, *logoDC, int(left - at.x), int(top - at.y),
                           platform::Rop::SrcCopy);
            CInstallerWnd::DrawTransparent(int(left), int(top), w, h, *partDC, dc, mask);
            partDC->SelectBitmap(oldPart);
        }
    }
    logoDC->SelectBitmap(old);
}

}  // namespace

void CInstallerWnd::DrawTransparent(int x, int y, int w, int h, platform::DC& src,
                                    platform::DC& dst, platform::ColorRef mask, Source use) {
    if (w <= 0 || h <= 0) return;
    // A backend that draws the same pixels in one pass saves the sequence below.
    if (dst.TransparentBlt(x, y, w, h, src, 0, 0, w, h, mask)) return;
    platform::Graphics& gfx = *platform::Current().graphics;
    using platform::Rop;

    platform::ColorRef srcBk = src.GetBkColor();
    platform::ColorRef srcText = src.GetTextColor();

    // A working copy of the image, so the source itself is never changed.
    platform::DC* work = &src;
    std::unique_ptr<platform::DC> workDC;
    std::unique_ptr<platform::Bitmap> workBitmap;
    platform::Bitmap* oldWork = nullptr;
    if (use == Source::Keep) {
        workDC = gfx.CreateCompatibleDC(&src);
        workBitmap = gfx.CreateCompatibleBitmap(&src, w, h);
        if (!workDC || !workBitmap) return;
        oldWork = workDC->SelectBitmap(workBitmap.get());
        workDC->BitBlt(0, 0, w, h, src, 0, 0, Rop::SrcCopy);
        work = workDC.get();
    }

    std::unique_ptr<platform::Bitmap> maskBitmap = gfx.CreateMonochromeBitmap(w, h);
    std::unique_ptr<platform::DC> maskDC = gfx.CreateCompatibleDC(&dst);
    if (maskBitmap && maskDC) {
        platform::Bitmap* oldMask = maskDC->SelectBitmap(maskBitmap.get());

        // Mask: 1 where the image has the mask colour.
        work->SetBkColor(mask);
        maskDC->BitBlt(0, 0, w, h, *work, 0, 0, Rop::SrcCopy);

        // Transparent pixels of the copy become black, so they add nothing below.
        work->SetBkColor(platform::Rgb(0, 0, 0));
        work->SetTextColor(platform::Rgb(255, 255, 255));
        work->BitBlt(0, 0, w, h, *maskDC, 0, 0, Rop::SrcAnd);

        // Punch the opaque area black in the destination, then add the image.
        platform::ColorRef dstBk = dst.SetBkColor(platform::Rgb(255, 255, 255));
        platform::ColorRef dstText = dst.SetTextColor(platform::Rgb(0, 0, 0));
        dst.BitBlt(x, y, w, h, *maskDC, 0, 0, Rop::SrcAnd);
        dst.BitBlt(x, y, w, h, *work, 0, 0, Rop::SrcPaint);
        dst.SetBkColor(dstBk);
        dst.SetTextColor(dstText);

        maskDC->SelectBitmap(oldMask);
    }
    maskDC.reset();
    maskBitmap.reset();
    if (workDC) workDC->SelectBitmap(oldWork);
    workDC.reset();
    workBitmap.reset();

    src.SetBkColor(srcBk);
    src.SetTextColor(srcText);
}

bool CInstallerWnd::DrawTransparentStretched(int x, int y, int w, int h, platform::DC& src,
                                             int sw, int sh, platform::DC& dst,
                                             platform::ColorRef mask) {
    if (w == sw && h == sh) {
        DrawTransparent(x, y, w, h, src, dst, mask);
        return true;
    }
    if (dst.TransparentBlt(x, y, w, h, src, 0, 0, sw, sh, mask)) return true;
    platform::Graphics& gfx = *platform::Current().graphics;
    std::unique_ptr<platform::DC> scaleDC = gfx.CreateCompatibleDC(&dst);
    std::unique_ptr<platform::Bitmap> scaleBitmap = gfx.CreateCompatibleBitmap(&dst, w, h);
    if (!scaleDC || !scaleBitmap) return false;
    platform::Bitmap* oldScale = scaleDC->SelectBitmap(scaleBitmap.get());
    scaleDC->StretchBlt(0, 0, w, h, src, 0, 0, sw, sh, platform::Rop::SrcCopy);
    DrawTransparent(x, y, w, h, *scaleDC, dst, mask, Source::Scratch);
    scaleDC->SelectBitmap(oldScale);
    return true;
}

void CInstallerWnd::OnPaint() {
    if (!Wnd) return;
    platform::DC* dc = Wnd->BeginPaint();
    LaunchSettings& s = *Settings;
    if (!dc || !SettingsLoaded || !s.BackgroundBitmap) {
        Wnd->EndPaint();
        return;
    }
    platform::Graphics& gfx = *platform::Current().graphics;
    platform::Rect client = Wnd->GetClientRect();

    // Every background, made or loaded, is stretched over the client area.
    if (std::unique_ptr<platform::DC> memDC = gfx.CreateCompatibleDC(dc)) {
        platform::BitmapInfo info;
        s.BackgroundBitmap->GetInfo(&info);
        platform::Bitmap* old = memDC->SelectBitmap(s.BackgroundBitmap.get());
        dc->StretchBlt(0, 0, client.Width(), client.Height(), *memDC, 0, 0, info.width,
                       std::abs(info.height), platform::Rop::SrcCopy);
        memDC->SelectBitmap(old);
    }

    // Index order: a later logo lies over an earlier one. Moving logos show only
    // through the animation until it is done.
    for (unsigned i = 0; i < LogoCount(s); ++i) {
        if (!s.LogoBitmap[i] || (s.AnimateLogo[i] != 0 && !AnnimationDone)) continue;
        DrawVisibleLogo(*dc, client, s.LogoBitmapLocation[i], s.LogoWidth[i], s.LogoHeight[i],
                        *s.LogoBitmap[i], LogoMaskColor(s, i));
    }

    dc->SetTextColor(HotSpotTextColor(s));
    DrawHotSpots(*dc, 0);
    // No pointer rests on a link lit by a key to light it again after an expose.
    if (HotSpotByKey && HoverHotSpot != 0) {
        dc->SetTextColor(HotSpotHiliteColor(s));
        DrawHotSpots(*dc, HoverHotSpot);
    }
    if (!AnnimationDone) DrawMovementSoFar(*dc, client);
    if (Arranger) Arranger->DrawOver(*dc);
    Wnd->EndPaint();
}

// A frame of the show redraws only the moving logo's area. A paint meanwhile
// puts back what the frames drew: the logos that have arrived, over the rest,
// then that area as the last frame left it: the snapshot, the logo over it.
void CInstallerWnd::DrawMovementSoFar(platform::DC& dc, const platform::Rect& client) {
    LaunchSettings& s = *Settings;
    const LogoAnnimationState& a = s.LogoAnnimation;
    const bool underway = a.State == 1 || a.State == 2;  // next logo, moving
    if (!underway) return;
    for (unsigned i = 0; i < std::min(a.LogoIndex, LogoCount(s)); ++i) {
        if (!s.LogoBitmap[i] || s.AnimateLogo[i] == 0) continue;
        DrawVisibleLogo(dc, client, s.LogoBitmapLocation[i], s.LogoWidth[i], s.LogoHeight[i],
                        *s.LogoBitmap[i], LogoMaskColor(s, i));
    }
    if (a.State != 2 || !a.SnapshotDC) return;
    dc.BitBlt(a.Area.left, a.Area.top, a.Area.Width(), a.Area.Height(), *a.SnapshotDC, 0, 0,
              platform::Rop::SrcCopy);
    // The logo as the last frame drew it, which lies inside the area.
    platform::BitmapInfo logo;
    if (a.DrawSize.cx <= 0 || a.DrawSize.cy <= 0 || !a.LogoHandle || !a.LogoHandle->GetInfo(&logo))
        return;
    std::unique_ptr<platform::DC> logoDC = platform::Current().graphics->CreateCompatibleDC(&dc);
    if (!logoDC) return;
    platform::Bitmap* old = logoDC->SelectBitmap(a.LogoHandle);
    DrawTransparentStretched(a.CurPos.x, a.CurPos.y, a.DrawSize.cx, a.DrawSize.cy, *logoDC,
                             logo.width, std::abs(logo.height), dc, a.MaskColor);
    logoDC->SelectBitmap(old);
}

// The paint covers the whole client area, so erasing would only flicker.
bool CInstallerWnd::OnEraseBkgnd(platform::DC&) { return true; }

void CInstallerWnd::OnRButtonDown(unsigned, platform::Point) {}

void CInstallerWnd::SetAnnimationDone(int flag) { AnnimationDone = flag; }

void CInstallerWnd::StartShow() {
    if (!Wnd) return;
    SetAnnimationDone(0);
    Wnd->RedrawNow();

    platform::Rect frame = Wnd->GetWindowRect();
    platform::Current().windows->SetCursorPos({frame.left, frame.top});

    LaunchSettings& s = *Settings;
    PlayProjectSound(ProjectFolder, s.StartupWaveFile);

    // A negative delay in a file would be a timer of weeks: run as fast as allowed.
    unsigned delay = s.LogoAnnimationDelay > 0 ? unsigned(s.LogoAnnimationDelay) : 0;
    s.LogoAnnimation.TimerId = Wnd->SetTimer(LOGO_TIMER_ID, delay);
}
