// The frame's command ids. wx keeps ids below 0x7FFF, so the Windows
// editor's numbers (32771...) cannot be used as they are.
#pragma once

#include <wx/defs.h>

enum : int {
    ID_NEW_PROJECT = wxID_HIGHEST + 1,
    ID_OPEN_PROJECT,
    ID_TEST_PROJECT,
    ID_BUILD_PROJECT,
    ID_SAVE_PROJECT,
    ID_COPY_PROJECT,
    ID_MAKE_DISC_IMAGE,
    ID_HELP_CONTENTS,
    ID_WIZARD_AT_STARTUP,
    ID_NEXT_PANE,
    ID_PREV_PANE,
    ID_ARRANGE_ITEMS,
    ID_RECENT_FIRST,  // one id per entry of the recent projects list
    ID_RECENT_LAST = ID_RECENT_FIRST + 7,
    ID_RECENT_SEPARATOR,  // the line under the list
    ID_UNDO,
    ID_REDO,
    ID_MOVE_UP,
    ID_MOVE_DOWN,
    ID_TREE_CTRL = 0x1234,
};
