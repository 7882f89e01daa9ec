// A common control that paints its own background (the tree, not the flat
// toolbar) drawn into memory and copied to the screen in one piece. Wine looks
// up the display configuration twice for every icon drawn straight onto a
// window, and not at all for one drawn into a bitmap of memory.
#pragma once

#include "editor/win32/windows_api.h"

// Replaces the control's window procedure for its lifetime. Controls of one
// class only: their own procedure is kept once, for all of them.
void PaintThroughMemory(HWND control);
