// Main window (dialog 101), tray menu (117) and icon (5).
#pragma once
#define IDD_MAIN 101
#define IDI_MAIN 5
#define IDM_TRAY 117
#define IDC_MAIN_OFFLINE 1001
#define IDC_MAIN_ONLINE 1002
#define IDC_MAIN_JOIN 1003
#define IDC_MAIN_HOST 1004
#define IDC_MAIN_LOBBY 1005
#define IDC_MAIN_OPTIONS 1008
#define IDC_MAIN_ADDRESS 1026
#define IDC_MAIN_LATENCY 1075
