// Ids of the editor's commands and of the controls of its windows and forms,
// shared by both faces and the Windows resource script (so plain #defines).
// Commands stay below 0x7FFF and above the toolkit's own ids (wxID_HIGHEST).
#pragma once

// Frame commands.
#define ID_NEW_PROJECT 6101
#define ID_OPEN_PROJECT 6102
#define ID_SAVE_PROJECT 6103
#define ID_EXIT 6104
#define ID_UNDO 6105
#define ID_REDO 6106
#define ID_MOVE_UP 6107
#define ID_MOVE_DOWN 6108
#define ID_BUILD_PROJECT 6109
#define ID_COPY_PROJECT 6110
#define ID_MAKE_DISC_IMAGE 6111
#define ID_TEST_PROJECT 6112
#define ID_ARRANGE_ITEMS 6113
#define ID_WIZARD_AT_STARTUP 6114
#define ID_HELP_CONTENTS 6115
#define ID_ABOUT 6116
#define ID_NEXT_PANE 6117
#define ID_PREV_PANE 6118
// The recent projects of the File menu, one id per entry, and the line below them.
#define ID_RECENT_FIRST 6120
#define ID_RECENT_LAST 6127
#define ID_RECENT_SEPARATOR 6128

// The tree's context menu.
#define ID_INSERT_ITEM 6131
#define ID_DELETE_ITEM 6132
#define ID_PROPERTIES_ITEM 6133
#define ID_CANCEL_ITEM 6134

// The template tree control in its pane.
#define IDC_TEMPLATE_TREE 0x1234

// New Project, the Project Wizard and About.
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
#define IDC_DISC_TITLE 1080
#define IDC_DISC_AUTOPLAY 1081
#define IDC_DISC_ICON 1082
#define IDC_DISC_ICON_BROWSE 1083

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

// Pictures the dialogs draw or show.
#define IDC_BG_PREVIEW 1075
#define IDC_LOGO_PREVIEW 1076
#define IDC_WIZARD_PICTURE 1077
#define IDC_ABOUT_ICON 1078
