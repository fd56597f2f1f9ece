// The connect dialog (102) and the recent addresses of direct matches.
#pragma once
#include <windows.h>

// The address chosen at the last OK (127 characters at most).
extern char g_connectAddress[128];

INT_PTR CALLBACK ConnectDlgProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam);
