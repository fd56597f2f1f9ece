// The key assignment dialog (template 115) over the Controls page: a key from
// the list, or a button pressed on the player's game controller.
#pragma once
#include <windows.h>

// 1 when a new value was chosen and stored with SetBinding, 0 when the dialog
// ended without a choice (the binding is unchanged).
int AssignBinding(HWND owner, int player, int action, bool pad);
INT_PTR CALLBACK AssignDlgProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam);
