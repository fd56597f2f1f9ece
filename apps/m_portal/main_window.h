#pragma once
#include <windows.h>

extern HINSTANCE g_instance;
INT_PTR CALLBACK MainDlgProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
void HideToTray(HWND wnd);
int ShowTrayMenu(HWND wnd);
