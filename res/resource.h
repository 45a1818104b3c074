// The ids shared by Orvane.rc and the program. Plain #defines only: windres reads this file too.
#pragma once

// Dialog templates and their controls.
#define IDD_SPLASH 101
#define IDC_SPLASH_PICTURE 1200

// Bitmaps, the menu and the icon.
#define IDI_ORVANE 1
#define IDB_LIST_ICONS 106
#define IDB_SPLASH 107
#define IDR_MAIN_MENU 126

// Pictures of the side-panel pages' image buttons and the about page.
#define IDB_Y_FUNCTION 109
#define IDB_PARAMETRIC 112
#define IDB_X_FUNCTION 113
#define IDB_INEQUALITY 114
#define IDB_RETURN 115
#define IDB_CANCEL 116
#define IDB_CONFIRM 117
#define IDB_ABOUT 118
#define IDB_CHOOSE_COLOUR 122
#define IDB_PLANE_AXES 123
#define IDB_LEFT_HANDED_AXES 124
#define IDB_RIGHT_HANDED_AXES 125
#define IDB_CONIC_SECTIONS 127
#define IDB_CALCULATOR 128
#define IDB_STATISTICS 129
#define IDB_VECTOR 130
#define IDB_LINES 131
#define IDB_MAIL 134
#define IDB_WEB 135

// The graph list, a child window of the main window.
#define IDC_GRAPH_LIST 100

// Commands shared by the menus, the hot keys and the widget clicks.
#define ID_SAVE_PICTURE 40001
#define ID_ADD_Y_FUNCTION 40002
#define ID_ADD_X_FUNCTION 40003
#define ID_ADD_INEQUALITY 40004
#define ID_ADD_PARAMETRIC 40005
#define ID_MODIFY_GRAPH 40006
#define ID_REMOVE_GRAPH 40007
#define ID_HIDE_GRAPH 40008
#define ID_REBUILD_PLOT 40009
#define ID_ABOUT 40011
#define ID_NEXT_COORDINATE_MODE 1001
#define ID_NEXT_POSITION_PRESET 1002
#define ID_NEXT_ROTATION_PRESET 1003

// Help texts of the window areas. The help hit test numbers the areas in this order and loads
// the string whose id is that number; IDS_HELP_GRAPH_LIST is the text when no area is hit.
#define IDS_HELP_TITLE 1
#define IDS_HELP_GUIDE_EXIT 2
#define IDS_HELP_PROGRESS 3
#define IDS_HELP_LIST_COLUMN 4
#define IDS_HELP_ROTATION 5
#define IDS_HELP_COORDINATES 6
#define IDS_HELP_PLOT 7
#define IDS_HELP_CONTROLS 8
#define IDS_HELP_POSITION 9
#define IDS_HELP_GRAPH_LIST 10

// The guide's topics, "title：text", listed in id order from IDS_GUIDE_FUNCTIONS on.
#define IDS_GUIDE_FUNCTIONS 11
#define IDS_GUIDE_NAMES 12
#define IDS_GUIDE_LOGARITHMS 13
#define IDS_GUIDE_BRACKETS 14
#define IDS_GUIDE_NESTING 15
#define IDS_GUIDE_PARAMETRIC 16
#define IDS_GUIDE_ADDING 17
