// The one place that includes <windows.h>; only files of this folder include it.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
// Excluded by WIN32_LEAN_AND_MEAN, wanted here: the sound flags, ShellExecuteA.
#include <mmsystem.h>
#include <shellapi.h>

// The platform interface has a ReplaceFile of its own; the Win32 one is not used.
#undef ReplaceFile
