// The system's dialogs where the editor needs them: the folder browser and
// file open (the colour chooser is the property dialogs'). Chosen names come back in the ANSI code page, the form in which
// AppSetup.dat and the runtime keep them; a name that code page cannot hold is
// refused with a message rather than stored wrong.
#pragma once

#include <string>

#include "editor/win32/windows_api.h"

// The folder browser (file-system folders only), showing `start` first when
// given; false when cancelled or refused.
bool BrowseForFolder(HWND owner, const char* title, std::string* folder,
                     const std::string& start = std::string());

// File open with one filter, given as "name|pattern" ("Project Files|AppSetup.dat");
// false when cancelled or refused.
bool OpenFileDialog(HWND owner, const std::string& filter, const std::string& initialName,
                    std::string* path);

// The colour chooser, loaded with the other common dialogs at first use.
bool ChooseColourDialog(CHOOSECOLORW* choice);

// The user's Documents folder, or "" when the system has none.
std::string DocumentsFolder();
// Runs `program` with `parameters` through the shell; false when it did not start.
bool ShellOpen(HWND owner, const std::string& program, const std::string& parameters);

// True when `wide` fits the ANSI code page; else the user is told and false.
bool AcceptName(const std::wstring& wide, std::string* ansi);
// A window's or control's text, as Unicode.
std::wstring WindowText(HWND window);
