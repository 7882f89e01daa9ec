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
#define IDD_BACKGROUND 132
#define IDD_AUDIO 133
#define IDD_HYPERLINK 134
#define IDD_LOGO 135

// Frame commands.
#define ID_NEW_PROJECT 32771
#define ID_OPEN_PROJECT 32772
#define ID_TEST_PROJECT 32773
#define ID_BUILD_PROJECT 32774
#define ID_SAVE_PROJECT 32785
#define ID_COPY_PROJECT 32787
#define ID_HELP_CONTENTS 32789
#define ID_WIZARD_AT_STARTUP 32793
#define ID_ARRANGE_ITEMS 32800
#define ID_APP_ABOUT 0xE140
#define ID_APP_EXIT 0xE141
#define ID_NEXT_PANE 0xE150
#define ID_PREV_PANE 0xE151
// The recent projects of the File menu, one id per entry.
#define ID_RECENT_FIRST 0xE110
#define ID_RECENT_LAST 0xE117
// The standard clipboard keys of the accelerator table; nothing handles them.
#define ID_EDIT_COPY 0xE122
#define ID_EDIT_CUT 0xE123
#define ID_EDIT_PASTE 0xE125
// The Edit menu.
#define ID_EDIT_UNDO 0xE12B
#define ID_EDIT_REDO 0xE12C
#define ID_MOVE_UP 32810
#define ID_MOVE_DOWN 32811

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

// Background Properties.
#define IDC_BG_BITMAP_MODE 1000
#define IDC_BG_COLOUR_MODE 1001
#define IDC_BG_BITMAP 1002
#define IDC_BG_BROWSE 1003
#define IDC_BG_COLOUR 1004
#define IDC_BG_DITHERED 1005
#define IDC_BG_TO_WHITE 1006
#define IDC_BG_TO_BLACK 1007
#define IDC_BG_HORIZ 1008
#define IDC_BG_VERT 1009
#define IDC_BG_CHOOSE 1010

// Audio Properties.
#define IDC_AUDIO_INTRO 1011
#define IDC_AUDIO_INTRO_BROWSE 1012
#define IDC_AUDIO_HOVER 1013
#define IDC_AUDIO_HOVER_BROWSE 1014

// Bitmaps & Logos.
#define IDC_LOGO_X 1021
#define IDC_LOGO_Y 1022
#define IDC_LOGO_START_X 1023
#define IDC_LOGO_BITMAP 1034
#define IDC_LOGO_BROWSE 1035
#define IDC_LOGO_MASK 1036
#define IDC_LOGO_MASK_CHOOSE 1037
#define IDC_LOGO_ANIMATE 1038
#define IDC_LOGO_START_Y 1039
#define IDC_LOGO_DELAY 1040
#define IDC_LOGO_SCALE 1041

// Hyperlink Properties.
#define IDC_LINK_BROWSE_CD 1013
#define IDC_LINK_RUN 1014
#define IDC_LINK_QUIT 1015
#define IDC_LINK_DATA_A_CAPTION 1016
#define IDC_LINK_DATA_A 1017
#define IDC_LINK_BROWSE 1018
#define IDC_LINK_DATA_B_CAPTION 1019
#define IDC_LINK_DATA_B 1020
#define IDC_LINK_X 1021
#define IDC_LINK_Y 1022
#define IDC_LINK_TEXT_COLOUR 1023
#define IDC_LINK_HILITE_COLOUR 1024
#define IDC_LINK_TEXT_CHOOSE 1025
#define IDC_LINK_HILITE_CHOOSE 1026
#define IDC_LINK_OPEN_FOLDER 1027
#define IDC_LINK_WEB_SITE 1028
#define IDC_LINK_FONT_SIZE 1029
#define IDC_LINK_RELATIVE 1030
#define IDC_LINK_ABSOLUTE 1031
#define IDC_LINK_LABEL 1033
#define IDC_LINK_ADD_TO_DISC 1070

// Colour swatches beside the colour fields.
#define IDC_BG_COLOUR_SWATCH 1071
#define IDC_LOGO_MASK_SWATCH 1072
#define IDC_LINK_TEXT_SWATCH 1073
#define IDC_LINK_HILITE_SWATCH 1074
