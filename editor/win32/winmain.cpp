// VelomarForge.exe: the editor of Velomar disc menus, on Win32.
#include "editor/win32/forge_app.h"
#include "editor/win32/main_frame.h"
#include "platform/win32/backend.h"

namespace {

// Made before the entry point runs and destroyed after it returns; the
// application object goes first.
platform::win32::Backend theBackend;
CVelomarForgeApp theApp;

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    theBackend.Install();
    if (!theApp.InitInstance(GetCommandLineW())) return 1;
    return theApp.Run();
}
