// Construction and destruction of the menu window object. The window half adds
// its teardown to the destructor; the settings go last.
#include "engine/installer_wnd.h"

#include "platform/platform.h"

CInstallerWnd::CInstallerWnd(const std::string& folder)
    : Settings(std::make_unique<LaunchSettings>()), ProjectFolder(folder) {
    const char separator = platform::Current().system->PathSeparator();
    if (ProjectFolder.empty() || ProjectFolder.back() != separator) ProjectFolder += separator;
}

CInstallerWnd::~CInstallerWnd() {
    // The window half first: no timer may fire and no surface may hold a logo
    // once the record's bitmaps go.
    DestroyWindow();
    ClearSettings();
    HotSpotFont.reset();
}

void CInstallerWnd::DestroyWindow() {
    LogoAnnimationState& animation = Settings->LogoAnnimation;
    if (Wnd && Wnd->IsWindow() && animation.TimerId != 0) Wnd->KillTimer(animation.TimerId);
    animation.TimerId = 0;
    ReleaseAnnimationSurfaces();
    if (Wnd) {
        if (Wnd->IsWindow()) Wnd->Destroy();
        Wnd.reset();
    }
    HoverHotSpot = LastHotSpot = HotSpotByKey = HotSpotCaptured = 0;
}
