// The runtime's start-up and shutdown, the same on every host. Each host's
// CVelomarApp installs its platform, then calls these from its own start and
// exit hooks.
#pragma once

#include <functional>
#include <memory>

#include "engine/installer_wnd.h"

// InitInstance: the current directory as the project folder, its settings, the
// menu window shown and started as the main window. False ends the program; the
// failing step has shown its message. A window whose Create failed stays in
// *launcher for StopLauncher to free. `settingsRead` (may be empty) is called
// between reading the settings and creating the window.
bool StartLauncher(std::unique_ptr<CInstallerWnd>* launcher,
                   const std::function<void()>& settingsRead = {});

// ExitInstance: destroys the window if it still exists and frees the object.
void StopLauncher(std::unique_ptr<CInstallerWnd>* launcher);
