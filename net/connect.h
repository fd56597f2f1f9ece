// The connect dialog (102) and the recent addresses of direct matches.
#pragma once
#include <windows.h>

#include "net/recent.h"

// The dialog's parameter is a buffer of CONNECT_ADDRESS_SIZE bytes
// (net/recent.h) that receives the address chosen at OK; cancel and close
// leave it as it was. Result 1 for OK, 0 for cancel or close.
INT_PTR CALLBACK ConnectDlgProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam);

// Fills the combo box's list from [Recent Connection], up to the first gap.
void FillRecentConnections(HWND combo);

// Rewrites [Recent Connection] with address first and the combo box's entries
// after it; an empty address leaves the list as it was.
void SaveRecentConnection(HWND combo, const char* address);
