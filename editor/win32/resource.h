// Ids of VelomarForge.exe's resources and commands. The resource script
// includes this file too, so plain #defines.
#pragma once

// Menu, toolbar, accelerators and icon of the frame.
#define IDR_MAINFRAME 128
#define IDB_TREE_IMAGES 132
#define IDB_WIZARD 138

// Dialogs.
#define IDD_ABOUTBOX 100
#define IDD_NEW_PROJECT 129
#define IDD_PROJECT_WIZARD 137

// Frame commands.
#define ID_NEW_PROJECT 32771
#define ID_OPEN_PROJECT 32772
#define ID_TEST_PROJECT 32773
#define ID_BUILD_PROJECT 32774
#define ID_SAVE_PROJECT 32785
#define ID_COPY_PROJECT 32787
#define ID_HELP_CONTENTS 32789
#define ID_WIZARD_AT_STARTUP 32793
#define ID_APP_ABOUT 0xE140
#define ID_APP_EXIT 0xE141
#define ID_NEXT_PANE 0xE150
#define ID_PREV_PANE 0xE151
// The standard clipboard keys of the accelerator table; nothing handles them.
#define ID_EDIT_COPY 0xE122
#define ID_EDIT_CUT 0xE123
#define ID_EDIT_PASTE 0xE125
#define ID_EDIT_UNDO 0xE12B

// Strings of the status bar.
#define IDS_IDLE_MESSAGE 0xE001
#define ID_INDICATOR_CAPS 0xE006
#define ID_INDICATOR_NUM 0xE007
#define ID_INDICATOR_SCRL 0xE008

// Standard control ids of the frame's bars.
#define IDW_TOOLBAR 0xE800
#define IDW_STATUS_BAR 0xE801
#define IDW_REBAR 0xE81C
#define IDW_PANE_FIRST 0xE900

// The tree control in the tree pane, and the pane's context menu.
#define IDC_TEMPLATE_TREE 0x1234
#define ID_INSERT_ITEM 1001
#define ID_DELETE_ITEM 1002
#define ID_PROPERTIES_ITEM 1003
#define ID_CANCEL_ITEM 1004

// Controls.
#define IDC_PROJECT_NAME 1001
#define IDC_PROJECT_LOCATION 1002
#define IDC_BROWSE_LOCATION 1003
#define IDC_PROJECT_RESULT 1044
#define IDC_HELP_BUTTON 1045
#define IDC_VERSION_TEXT 1050
#define IDC_SHOW_AT_STARTUP 1051
#define IDC_CHOICE_NEW 1052
#define IDC_CHOICE_OPEN 1053
