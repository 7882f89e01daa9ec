// Help on Windows: the user guide in the program that opens ".htm" files, at
// a topic; the guide document itself when that program cannot be started.
#pragma once

#include <string>

#include "editor/win32/windows_api.h"

void ShowHelpAt(HWND owner, const std::string& startFolder, const std::string& topic);

// The open command of the ".htm" association under HKEY_CLASSES_ROOT, or "".
std::string HtmOpenCommand();
