// The runtime's start-up and shutdown, the same on every host. Each host's
// CVelomarApp installs its platform, then calls these from its own start and
// exit hooks.
#pragma once

#include <memory>

#include "engine/installer_wnd.h"

// InitInstance: the current directory as the project folder, its settings, the
// menu window shown and started as the main window. False ends the program; the
// failing step has shown its message. A window whose Create failed stays in
// *launcher for StopLauncher to free. `*settingsRead` (when given) becomes true
// between reading the settings and creating the window. (A flag, not a
// callback: std::function would bring exception support into Velomar.exe.)
bool StartLauncher(std::unique_ptr<CInstallerWnd>* launcher, bool* settingsRead = nullptr);

// ExitInstance: destroys the window if it still exists and frees the object.
void StopLauncher(std::unique_ptr<CInstallerWnd>* launcher);
