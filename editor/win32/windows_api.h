// <windows.h> (through the platform's one include of it) and the common controls
// and dialogs for the Windows editor's front end; only files of this folder include it.
#pragma once

#include "platform/win32/win32_api.h"
// clang-format off: commctrl.h needs windows.h first.
#include <commctrl.h>
#include <commdlg.h>
#include <shlobj.h>
// clang-format on

// The session's own CreateWindow; the code here calls the A and Ex forms.
#undef CreateWindow
