// The frame's command ids (the numbers of the Windows editor's resources).
#pragma once

#include <wx/defs.h>

enum : int {
    ID_NEW_PROJECT = 32771,
    ID_OPEN_PROJECT = 32772,
    ID_TEST_PROJECT = 32773,
    ID_BUILD_PROJECT = 32774,
    ID_SAVE_PROJECT = 32785,
    ID_COPY_PROJECT = 32787,
    ID_HELP_CONTENTS = 32789,
    ID_WIZARD_AT_STARTUP = 32793,
    ID_NEXT_PANE = 32794,
    ID_PREV_PANE = 32795,
    ID_TREE_CTRL = 0x1234,
};
