// Showing a folder in the desktop's file manager (the finished project, the
// folder of a disc image), and saying so when nothing could.
#pragma once

#include <string>

// Opens `folder` through the shell; false, after a message that names the
// folder, when nothing opened it.
bool ShowFolder(const std::string& folder);

std::string FolderNotOpenedMessage(const std::string& folder);
