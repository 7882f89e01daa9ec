// The Windows runtime's entry point: the platform, the application object and
// its message loop.
#include "launcher/win32/velomar_app.h"
#include "platform/win32/backend.h"
#include "platform/win32/win32_api.h"

namespace {

// Made before the entry point runs and destroyed after it returns; the
// application object is declared after it so it goes first.
platform::win32::Backend theBackend;
CVelomarApp theApp;

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    theBackend.Install();
    if (theApp.InitInstance()) theApp.Run();
    return theApp.ExitInstance();
}
