// Ids of VelomarForge.exe's resources; the commands and controls are the
// editor's own (editor/command_ids.h). The resource script includes this file
// too, so plain #defines.
#pragma once

#include "editor/command_ids.h"

// The frame's icon, the toolbar's and the tree's pictures, the wizard's.
#define IDR_MAINFRAME 128
#define IDB_TOOLBAR 130
#define IDB_TREE_IMAGES 132
#define IDB_WIZARD 138

// Dialogs.
#define IDD_ABOUTBOX 100
#define IDD_NEW_PROJECT 129
#define IDD_PROJECT_WIZARD 137
#define IDD_BACKGROUND 132
#define IDD_AUDIO 133
#define IDD_HYPERLINK 134
#define IDD_LOGO 135

// Standard control ids of the frame's bars.
#define IDW_TOOLBAR 0xE800
#define IDW_STATUS_BAR 0xE801
#define IDW_REBAR 0xE81C
#define IDW_PANE_FIRST 0xE900
