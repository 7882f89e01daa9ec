// main() of the benchmarks that need a display and a wx application: a private
// Xvfb, the toolkit started on it, and the benchmarks run inside its event loop.
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <wx/app.h>
#include <wx/evtloop.h>
#include <wx/init.h>

#include <cstdio>

#include "bench/on_xvfb.h"
#include "x_display.h"

void DispatchPending() {
    wxEventLoopBase* loop = wxEventLoopBase::GetActive();
    while (loop && loop->Pending()) loop->Dispatch();
    wxTheApp->ProcessPendingEvents();
}

int main(int argc, char** argv) {
    xtest::XDisplay screen;
    if (!screen.ok()) {
        std::fputs("could not start Xvfb\n", stderr);
        return 1;
    }
    ::setenv("DISPLAY", screen.name().c_str(), 1);
    ::setenv("NO_AT_BRIDGE", "1", 1);
    wxApp::SetInstance(new wxApp);
    if (!wxEntryStart(argc, argv)) return 1;
    {
        wxGUIEventLoop loop;
        wxEventLoopActivator active(&loop);
        benchmark::Initialize(&argc, argv);
        benchmark::RunSpecifiedBenchmarks();
        benchmark::Shutdown();
    }
    wxEntryCleanup();
    return 0;
}
