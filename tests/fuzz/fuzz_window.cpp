// A hostile AppSetup.dat past the reader: the menu window is made on the
// headless host, painted, every link gets the mouse, and the timer runs the
// logo animation to its end. Logos may name res\logo.bmp (a small picture with
// a mask colour), any other name is missing.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "../support/project_sandbox.h"
#include "bench/bench_project.h"
#include "platform/headless/headless_window_system.h"
#include "platform/raster/raster_graphics.h"

namespace {

struct Host {
    sandbox::ProjectSandbox sandbox;
    platform::raster::RasterGraphics graphics;
    platform::HeadlessWindowSystem windows{{1024, 768}, true};

    Host() {
        std::filesystem::create_directories(sandbox.folder.File("res"));
        bench::WriteBmp(sandbox.folder.File("res/logo.bmp"), 24, 20, 0);  // a magenta border
        platform::Install({&graphics, &windows, &sandbox.services, &sandbox.system});
    }
};

Host& TheHost() {
    static Host host;
    return host;
}

// The runtime's style: a pop-up with a thin border.
constexpr std::uint32_t kStyle =
    platform::ws::Popup | platform::ws::Visible | platform::ws::Border | platform::ws::SysMenu;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    if (TheHost().sandbox.folder.Path().empty()) std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Host& host = TheHost();
    host.sandbox.services.messages.clear();
    host.sandbox.services.traces.clear();
    host.sandbox.services.sounds.clear();
    host.sandbox.services.shellCalls.clear();
    sandbox::WriteBytes(host.sandbox.SettingsPath(),
                        std::string(reinterpret_cast<const char*>(data), size));

    auto window = std::make_unique<CInstallerWnd>(host.sandbox.folder.Path());
    if (!window->Create(0, kStyle, nullptr)) return 0;
    host.windows.SetMainWindow(window->Wnd.get());
    window->StartShow();
    host.windows.Pump();
    // Forty frames end the animation; the bound only stops a runaway timer.
    for (int i = 0; i < 1000 && host.windows.StepTimers() != 0; ++i) {
    }
    const LaunchSettings& s = *window->Settings;
    for (int i = 0; i < s.NumberOfHotSpots && i < MAX_HOTSPOTS; ++i) {
        const platform::Rect& r = s.HotSpotRect[i];
        host.windows.MouseMove(window->Wnd.get(), {r.left, r.top});
        host.windows.MouseMove(window->Wnd.get(), {int((std::int64_t(r.left) + r.right) / 2),
                                                   int((std::int64_t(r.top) + r.bottom) / 2)});
    }
    host.windows.MouseMove(window->Wnd.get(), {-1, -1});
    host.windows.Pump();
    window->Wnd->Destroy();
    host.windows.Pump();
    return 0;
}
