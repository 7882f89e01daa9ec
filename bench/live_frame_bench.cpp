// velomar's live frame on a private X server: one step of a logo's slide
// through the wx host, from the timer to the pixels taken by X, in process CPU
// time, against one copy of the area the step changed (the logo's old and new
// places) measured in the same run: as a memcpy of its rows and as a raster
// BitBlt. Target: at most 3 copies.
//
// Two forms of making sure the server took every step, each counted in the
// step's cost:
// - sync_each_step: an XSync after every step, a round trip the runtime never
//   makes (the form of earlier figures, kept to compare with them);
// - as_the_loop: what the runtime's main loop does after a step: one flush,
//   then it wakes for the put's completion event and reads it. Here the step
//   blocks for that event instead, which costs what the loop's wake-up costs.
// Beside them, round_trip_memcpy is one bare XSync in copies: how much of a
// step is waking the server and being woken by it, which on a VM varies from
// hour to hour while the pixel work does not; idle_wake_memcpy is the least a
// step can cost on this machine: one request, flushed to a server left idle
// as between two steps, with nothing read back; x_requests is the requests
// sent per step. Neither form counts the wake-up for the runtime's timer itself.
#include <X11/Xlib.h>
#include <benchmark/benchmark.h>
#include <poll.h>
#include <time.h>
#include <wx/utils.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "bench/bench_project.h"
#include "bench/on_xvfb.h"
#include "engine/installer_wnd.h"
#include "platform/headless/recording_services.h"
#include "platform/platform.h"
#include "platform/posix/posix_system.h"
#include "platform/raster/raster_graphics.h"
#include "platform/wx/wx_window_system.h"

namespace {

double CpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

Display* XDisplayOfToolkit() {
    const wxDisplayInfo display = wxGetDisplayInfo();
    return display.type == wxDisplayX11 ? static_cast<Display*>(display.dpy) : nullptr;
}

// GDK reads and drops the completion events in the runtime; here they would pile up.
void DropEvents(Display* dpy) {
    XEvent event;
    while (XEventsQueued(dpy, QueuedAlready) > 0) XNextEvent(dpy, &event);
}

void SyncEachStep(Display* dpy) {
    XSync(dpy, False);
    DropEvents(dpy);
}

// The loop's one flush, then the server's word that it is past the step's
// last request, read when it comes.
void AsTheLoop(Display* dpy) {
    const unsigned long last = NextRequest(dpy) - 1;
    XFlush(dpy);
    pollfd fd{ConnectionNumber(dpy), POLLIN, 0};
    while (long(XLastKnownRequestProcessed(dpy) - last) < 0 && poll(&fd, 1, 1000) > 0)
        XEventsQueued(dpy, QueuedAfterReading);
    DropEvents(dpy);
}

double RoundTripSeconds(Display* dpy) {
    XSync(dpy, False);
    constexpr int kTrips = 2000;
    const double start = CpuSeconds();
    for (int i = 0; i < kTrips; ++i) XSync(dpy, False);
    return (CpuSeconds() - start) / kTrips;
}

// The pause lets the server fall asleep, as it does between two steps.
double IdleWakeSeconds(Display* dpy) {
    XSync(dpy, False);
    constexpr int kWakes = 500;
    double spent = 0;
    for (int i = 0; i < kWakes; ++i) {
        wxMilliSleep(2);
        const double start = CpuSeconds();
        XNoOp(dpy);
        XFlush(dpy);
        spent += CpuSeconds() - start;
    }
    XSync(dpy, False);
    return spent / kWakes;
}

platform::Rect Around(const platform::Rect& a, const platform::Rect& b) {
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}

platform::Rect LogoRect(const LogoAnnimationState& a) {
    return {a.CurPos.x, a.CurPos.y, a.CurPos.x + a.DrawSize.cx, a.CurPos.y + a.DrawSize.cy};
}

// One copy of `area`'s rows between two pictures of the client's size.
double AreaCopySeconds(const platform::Rect& client, const platform::Rect& area) {
    const int w = client.Width();
    std::vector<std::uint32_t> from(std::size_t(w) * std::size_t(client.Height()), 1),
        to(from.size());
    const auto copy = [&] {
        for (int y = area.top; y < area.bottom; ++y)
            std::memcpy(&to[std::size_t(y) * w + area.left], &from[std::size_t(y) * w + area.left],
                        std::size_t(area.Width()) * 4);
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    };
    copy();  // warm
    constexpr int kCopies = 2000;
    const double start = CpuSeconds();
    for (int i = 0; i < kCopies; ++i) copy();
    return (CpuSeconds() - start) / kCopies;
}

// One copy of `area` between two bitmaps of the client's size, as the raster
// copies a frame's part onto the window.
double AreaBlitSeconds(platform::Graphics& g, const platform::Rect& client,
                       const platform::Rect& area) {
    auto from = g.CreateCompatibleBitmap(nullptr, client.Width(), client.Height());
    auto to = g.CreateCompatibleBitmap(nullptr, client.Width(), client.Height());
    auto fromDC = g.CreateCompatibleDC(nullptr);
    auto toDC = g.CreateCompatibleDC(nullptr);
    platform::Bitmap* oldFrom = fromDC->SelectBitmap(from.get());
    platform::Bitmap* oldTo = toDC->SelectBitmap(to.get());
    const auto copy = [&] {
        toDC->BitBlt(area.left, area.top, area.Width(), area.Height(), *fromDC, area.left, area.top,
                     platform::Rop::SrcCopy);
    };
    copy();  // warm
    constexpr int kCopies = 2000;
    const double start = CpuSeconds();
    for (int i = 0; i < kCopies; ++i) copy();
    const double spent = CpuSeconds() - start;
    fromDC->SelectBitmap(oldFrom);
    toDC->SelectBitmap(oldTo);
    return spent / kCopies;
}

// The runtime's own platform: raster pixels in wx host windows.
struct WxRuntimeHost {
    WxRuntimeHost() {
        platform::Install(platform::Platform{&graphics, &windows, &services, &system});
    }
    ~WxRuntimeHost() { platform::Install(platform::Platform{}); }
    platform::raster::RasterGraphics graphics;
    platform::wx::WxWindowSystem windows{true};
    platform::RecordingServices services;
    platform::PosixSystem system;
};

constexpr std::uint32_t kRuntimeStyle =
    platform::ws::Popup | platform::ws::Visible | platform::ws::Border | platform::ws::SysMenu;

// The first logo of the largest project slides from (400, 250) to (0, 0);
// steps 20 and 21 of its 40 alternate, so every step moves it.
void BM_LiveFrameStep(benchmark::State& state, void (*taken)(Display*)) {
    WxRuntimeHost host;
    Display* dpy = XDisplayOfToolkit();
    if (!dpy) {
        state.SkipWithError("not on X");
        return;
    }
    bench::Project project(MAX_LOGOS, true, false);
    CInstallerWnd wnd(project.Dir());
    if (!wnd.Create(0, kRuntimeStyle, nullptr)) {
        state.SkipWithError("Create failed");
        return;
    }
    wnd.StartShow();
    wnd.Wnd->KillTimer(LOGO_TIMER_ID);               // the steps are driven here
    for (int i = 0; i < 20; ++i) DispatchPending();  // mapped and painted
    wnd.OnTimer(LOGO_TIMER_ID);                      // set-up of the first logo
    LogoAnnimationState& a = wnd.Settings->LogoAnnimation;
    while (a.FrameCount < 21) wnd.OnTimer(LOGO_TIMER_ID);
    const platform::Rect first = LogoRect(a);
    a.FrameCount = 21;
    wnd.OnTimer(LOGO_TIMER_ID);
    const platform::Rect changed = Around(first, LogoRect(a));
    SyncEachStep(dpy);

    unsigned step = 0;
    const unsigned long firstRequest = NextRequest(dpy);
    const double start = CpuSeconds();
    for (auto _ : state) {
        a.FrameCount = 21 - (step++ & 1);
        wnd.OnTimer(LOGO_TIMER_ID);
        taken(dpy);
    }
    const double cpu = CpuSeconds() - start;
    if (state.iterations() > 0) {
        const double step = cpu / double(state.iterations());
        state.counters["x_requests"] =
            double(NextRequest(dpy) - firstRequest) / double(state.iterations());
        const platform::Rect client = wnd.Wnd->GetClientRect();
        const double copy = AreaCopySeconds(client, changed);
        state.counters["x_area_memcpy"] = step / copy;
        state.counters["round_trip_memcpy"] = RoundTripSeconds(dpy) / copy;
        state.counters["idle_wake_memcpy"] = IdleWakeSeconds(dpy) / copy;
        state.counters["x_area_blit"] = step / AreaBlitSeconds(host.graphics, client, changed);
    }
    state.SetLabel(std::to_string(changed.Width()) + " x " + std::to_string(changed.Height()) +
                   " changed of " + std::to_string(wnd.Wnd->GetClientRect().Width()) + " x " +
                   std::to_string(wnd.Wnd->GetClientRect().Height()));
    if (!host.services.messages.empty()) state.SkipWithError(host.services.messages[0].c_str());
}
BENCHMARK_CAPTURE(BM_LiveFrameStep, sync_each_step, &SyncEachStep)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_LiveFrameStep, as_the_loop, &AsTheLoop)->Unit(benchmark::kMicrosecond);

}  // namespace
