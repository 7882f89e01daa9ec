// <windows.h> and the common controls and dialogs for the Windows editor's
// front end; only files of this folder include it.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
// clang-format off: commctrl.h needs windows.h first.
#include <commctrl.h>
#include <commdlg.h>
#include <shellapi.h>
#include <shlobj.h>
// clang-format on

// Names the core uses for its own functions (the platform interface's
// ReplaceFile, the session's CreateWindow); the code here calls the A and Ex forms.
#undef ReplaceFile
#undef CreateWindow
