// The runtime's start-up and shutdown, the same on every host. Each host's
// CVelomarApp installs its platform, then calls these from its own start and
// exit hooks.
#pragma once

#include <memory>

#include "engine/installer_wnd.h"

// InitInstance: the current directory as the project folder, its settings, the
// menu window shown and started as the main window. False ends the program; the
// failing step has shown its message. A window whose Create failed stays in
// *launcher for StopLauncher to free.
bool StartLauncher(std::unique_ptr<CInstallerWnd>* launcher);

// ExitInstance: destroys the window if it still exists and frees the object.
void StopLauncher(std::unique_ptr<CInstallerWnd>* launcher);
