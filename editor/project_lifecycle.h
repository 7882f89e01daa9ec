// The file side of New Project: folders, the overwrite question and the default
// AppSetup.dat. The editor's preview pane and velomarforge-cli share it; the
// pane adds the save question before and the launcher window after.
#pragma once

#include <memory>
#include <string>

class CInstallerWnd;

// Creates every missing folder along `path`. False when one cannot be made (a
// file of the same name is in the way, no permission).
bool CreateFolderPath(const std::string& path);

// Makes `folder` a new project: asks before replacing an existing AppSetup.dat
// (Yes/No through the message box), creates the folder path and its "res"
// subfolder (an existing one keeps its files), writes the default settings and
// reads them back. Returns the loaded project, or null after a failure that has
// already been shown to the user.
std::unique_ptr<CInstallerWnd> CreateNewProject(const std::string& folder);
