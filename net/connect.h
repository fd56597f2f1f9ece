// The connect dialog (102) and the recent addresses of direct matches.
#pragma once
#include <windows.h>

// The address chosen at the last OK (127 characters at most); it stays until the next OK.
extern char g_connectAddress[128];

// Result 1 for OK, 0 for cancel or close.
INT_PTR CALLBACK ConnectDlgProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam);

// Fills the combo box's list from [Recent Connection], up to the first gap.
void FillRecentConnections(HWND combo);

// Rewrites [Recent Connection] with address first and the combo box's entries
// after it; an empty address leaves the list as it was.
void SaveRecentConnection(HWND combo, const char* address);
