#include "wx_test_main.h"

#include <gtest/gtest.h>
#include <unistd.h>
#include <wx/app.h>
#include <wx/evtloop.h>
#include <wx/init.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace gui_test {

xtest::XDisplay& Screen() {
    static xtest::XDisplay screen;
    return screen;
}

bool PumpUntil(const std::function<bool()>& done, int timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        wxEventLoopBase* loop = wxEventLoopBase::GetActive();
        while (loop && loop->Pending()) loop->Dispatch();
        wxTheApp->ProcessPendingEvents();
        if (loop) loop->ProcessIdle();
        ::usleep(2000);
    }
    return true;
}

void PumpFor(int milliseconds) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    PumpUntil([&] { return std::chrono::steady_clock::now() > end; }, milliseconds + 1000);
}

}  // namespace gui_test

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (!gui_test::Screen().ok()) {
        std::fprintf(stderr, "could not start Xvfb\n");
        return 1;
    }
    ::setenv("DISPLAY", gui_test::Screen().name().c_str(), 1);
    ::setenv("NO_AT_BRIDGE", "1", 1);  // no accessibility bus on a bare X server
    wxApp::SetInstance(new wxApp);
    if (!wxEntryStart(argc, argv)) {
        std::fprintf(stderr, "could not start wx\n");
        return 1;
    }
    int result = 0;
    {
        wxGUIEventLoop loop;
        wxEventLoopActivator active(&loop);
        result = RUN_ALL_TESTS();
    }
    wxEntryCleanup();
    return result;
}
