#include "engine/installer_wnd.h"

// Releases every string and bitmap of the record (all 15 slots, used or not),
// zeroes it and marks it not loaded. ProjectFolder, EncryptionType and
// SettingsVersion stay.
void CInstallerWnd::ClearSettings() {
    // The animation surfaces may hold a logo bitmap selected: release them first.
    ReleaseAnnimationSurfaces();
    *Settings = LaunchSettings{};
    SettingsLoaded = 0;
}
