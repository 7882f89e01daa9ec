// Common controls drawn into memory and copied to the screen in one piece.
// Wine looks up the display configuration twice for every icon drawn straight
// onto a window (each tree row, each toolbar button), and not at all for one
// drawn into a bitmap of memory.
#pragma once

#include "editor/win32/windows_api.h"

// Replaces the control's window procedure for its lifetime; the class's own
// does the drawing.
void PaintThroughMemory(HWND control);
