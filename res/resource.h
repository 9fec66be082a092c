// Resource and control identifiers of Mirabo, shared by the resource script
// and the code.
#pragma once

#define IDI_MIRABO 1001

// Dialog templates of the options sheet and the capture-key editor.
#define IDD_COPYKEY_EDITOR 106
#define IDD_PAGE_WINDOW 1002
#define IDD_PAGE_COPYKEYS 1003
#define IDD_PAGE_DISPLAY 1004
#define IDD_PAGE_OTHER 1005

// Controls of the Display page (1004).
#define IDC_DISP_ZOOM_IMAGE 1006
#define IDC_DISP_ITEMS_GROUP 1007
#define IDC_DISP_CURSOR 1008
#define IDC_DISP_GRID 1009
#define IDC_DISP_INFO 1010
#define IDC_DISP_INFO_USER 1011
#define IDC_DISP_INFO_COLOR 1012
#define IDC_DISP_INFO_MOUSE 1013
#define IDC_DISP_INFO_HWND 1014
#define IDC_DISP_INFO_CLASS 1015
#define IDC_DISP_INFO_TITLE 1016
#define IDC_DISP_INFO_AREA 1017
#define IDC_DISP_COLOR_HISTORY 1018
#define IDC_DISP_UPDATE_GROUP 1019
#define IDC_DISP_INTERVAL_LABEL 1020
#define IDC_DISP_INTERVAL 1021
#define IDC_DISP_INTERVAL_SPIN 1022
#define IDC_DISP_INTERVAL_MS 1023
#define IDC_DISP_MOUSE_MOVE 1024
#define IDC_DISP_HISTORY_GROUP 1036
#define IDC_DISP_HISTORY_LABEL 1038
#define IDC_DISP_HISTORY_X 1040
#define IDC_DISP_HISTORY_X_SPIN 1042
#define IDC_DISP_HISTORY_Y 1044
#define IDC_DISP_HISTORY_Y_SPIN 1046
#define IDC_DISP_HISTORY_PX 1047
#define IDC_DISP_FORMAT_GROUP 1049
#define IDC_DISP_FORMAT_MENU 1050
#define IDC_DISP_FORMAT 1051
#define IDC_DISP_FORMAT_SAMPLE 1052
#define IDC_DISP_CURSOR_GROUP 1054
#define IDC_DISP_CURSOR_LABEL 1055
#define IDC_DISP_CURSOR_MODE 1104

// Controls of the Window page (1002).
#define IDC_WIN_GROUP 1025
#define IDC_WIN_TOP 1026
#define IDC_WIN_ALPHA 1027
#define IDC_WIN_OPACITY_SLIDER 1028
#define IDC_WIN_OPACITY 1029
#define IDC_WIN_OPACITY_SPIN 1030
#define IDC_WIN_OPACITY_PERCENT 1031
#define IDC_WIN_BACK_FIXED 1032
#define IDC_WIN_BACK_MOUSE 1033
#define IDC_WIN_BACK_SWATCH 1034
#define IDC_WIN_BACK_CHANGE 1035
#define IDC_WIN_BACK_GROUP 1037
#define IDC_WIN_FRAME 1039
#define IDC_WIN_FRAME_SPIN 1041
#define IDC_WIN_FRAME_PX 1043
#define IDC_WIN_FRAME_LABEL 1045

// Controls of the Other page (1005). 1060 and 1067 stand for other
// controls on the Copy keys page: identifiers are unique per template.
#define IDC_OTHER_HISTORY_ORDER 1048
#define IDC_OTHER_GROUP 1053
#define IDC_OTHER_WEBSAFE 1056
#define IDC_OTHER_INVALID_HOTKEY 1057
#define IDC_OTHER_DOUBLECLICK_MIN 1059
#define IDC_OTHER_HALFTONE 1060
#define IDC_OTHER_REVERS_COLOR 1062
#define IDC_OTHER_REVERS_H 1064
#define IDC_OTHER_REVERS_V 1067

// The font of the option pages and the key editor, which the sheet's frame
// takes over so that the pages fit the room it makes for them.
#define PAGE_FONT_SIZE 10
#define PAGE_FONT_FACE "MS UI Gothic"
