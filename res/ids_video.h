// Video page (dialog 106): three radio pairs, the screen mode pair with the
// window position it enables, the resolution list and two check boxes.
#pragma once
#define IDC_VID_DIRECT3D 1040
#define IDC_VID_DIRECTDRAW 1041
#define IDC_VID_RESOLUTION 1022
#define IDC_VID_FULLSCREEN 1043
#define IDC_VID_WINDOW 1044
#define IDC_VID_POS_LABEL 1042
#define IDC_VID_POS_X 1007
#define IDC_VID_POS_Y 1011
#define IDC_VID_BG_DRAW 1015
#define IDC_VID_BG_NONE 1016
#define IDC_VID_SHARP 1017
#define IDC_VID_SOFT 1018
#define IDC_VID_VERSION 1019
#define IDC_VID_FPS 1020
#define IDC_VID_DEFAULT 1045
