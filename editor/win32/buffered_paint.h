// A common control that paints its own background (the tree, not the flat
// toolbar) drawn into memory and copied to the screen in one piece. Wine looks
// up the display configuration twice for every icon drawn straight onto a
// window, and not at all for one drawn into a bitmap of memory.
#pragma once

#include "editor/win32/windows_api.h"

// Replaces the control's window procedure for its lifetime; the control's own
// is kept in its user data, which the common controls leave to the program.
void PaintThroughMemory(HWND control);
