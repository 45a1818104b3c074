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
#define ID_SHOW_SCALE 40012
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
#define IDS_GUIDE_INEQUALITIES 18

// Side-panel pages: the templates, then their controls. A control id keeps one meaning on every
// page that has it (1003 confirms, 1039 cancels, 1010 returns); some numbers serve other controls
// on other pages, hence the several names.
#define IDD_NEW_GRAPH_PAGE 104
#define IDD_FUNCTION_PAGE 106
#define IDD_PARAMETRIC_PAGE 109
#define IDD_INEQUALITY_PAGE 110

#define IDC_CONFIRM 1003
#define IDC_CANCEL 1039
#define IDC_RETURN 1010
#define IDC_CHOOSE_COLOUR 1004
#define IDC_SWATCH 1017

// The new-graph chooser's image buttons.
#define IDC_ADD_X_FUNCTION 1004
#define IDC_ADD_Y_FUNCTION 1005
#define IDC_ADD_PARAMETRIC 1008
#define IDC_ADD_INEQUALITY 1009

// The graph pages' fields.
#define IDC_GRAPH_NAME 1013
#define IDC_EXPRESSION 1014
#define IDC_DOMAIN_START 1015
#define IDC_DOMAIN_END 1016
#define IDC_EXPRESSION_LABEL 1020
#define IDC_DOMAIN_LABEL 1021
#define IDC_FORM_Y 1023
#define IDC_FORM_X 1024
#define IDC_X_EXPRESSION 1035
#define IDC_Y_EXPRESSION 1018
#define IDC_Z_EXPRESSION 1019
#define IDC_X_START 1036
#define IDC_X_END 1037
#define IDC_Y_START 1018
#define IDC_Y_END 1019
#define IDC_PRECISION_HIGH 1032
#define IDC_PRECISION_MEDIUM 1033
#define IDC_PRECISION_LOW 1034

// The tools page and the calculators.
#define IDD_TOOLS_PAGE 112
#define IDD_EXPRESSION_PAGE 114
#define IDD_LINE_CALCULATOR_PAGE 115
#define IDD_VECTOR_CALCULATOR_PAGE 116

// The tools page's image buttons; the statistics and conic-section tools are hidden and do nothing.
#define IDC_EXPRESSION_TOOL 1011
#define IDC_LINE_TOOL 1012
#define IDC_VECTOR_TOOL 1013
#define IDC_STATISTICS_TOOL 1015
#define IDC_CONIC_TOOL 1016

// The calculators' boxes: the result list or text, the expression, the two lines' coefficients
// a·x + b·y + c = 0 and the two vectors' components.
#define IDC_CALCULATION_RESULT 1042
#define IDC_EXPRESSION_INPUT 1043
#define IDC_LINE1_A 1045
#define IDC_LINE1_B 1046
#define IDC_LINE1_C 1047
#define IDC_LINE2_A 1048
#define IDC_LINE2_B 1049
#define IDC_LINE2_C 1050
#define IDC_VECTOR_A1 1034
#define IDC_VECTOR_A2 1025
#define IDC_VECTOR_A3 1026
#define IDC_VECTOR_B1 1035
#define IDC_VECTOR_B2 1037
#define IDC_VECTOR_B3 1038

// The settings and information pages.
#define IDD_ABOUT_PAGE 102
#define IDD_GUIDE_PAGE 103
#define IDD_ROTATION_PAGE 107
#define IDD_COORDINATE_PAGE 108
#define IDD_POSITION_PAGE 111
#define IDD_CONSTANTS_PAGE 117

// The constants page.
#define IDC_CONSTANT_LIST 1002
#define IDC_DELETE_CONSTANT 1006
#define IDC_CONSTANT_NAME 1013
#define IDC_CONSTANT_VALUE 1014
#define IDC_ADD_CONSTANT 1052

// The coordinate page: the three systems' image buttons and the axes' ranges.
#define IDC_RIGHT_HANDED_SYSTEM 1011
#define IDC_PLANE_SYSTEM 1012
#define IDC_LEFT_HANDED_SYSTEM 1013
#define IDC_X_RANGE_START 1033
#define IDC_X_RANGE_END 1034
#define IDC_Y_RANGE_START 1035
#define IDC_Y_RANGE_END 1036
#define IDC_Z_RANGE_START 1037
#define IDC_Z_RANGE_END 1038

// The rotation page.
#define IDC_ANGLE_X 1034
#define IDC_ANGLE_Y 1025
#define IDC_ANGLE_Z 1026
#define IDC_SPEED_X 1035
#define IDC_SPEED_Y 1027
#define IDC_SPEED_Z 1028

// The position page.
#define IDC_ORIGIN_X 1024
#define IDC_ORIGIN_Y 1023
#define IDC_ORIGIN_Z 1025

// The about and guide pages.
#define IDC_SEND_MAIL 1011
#define IDC_VISIT_WEB 1012
#define IDC_USER_NAME 1027
#define IDC_TOPIC_LIST 1002
#define IDC_TOPIC_TEXT 1049
