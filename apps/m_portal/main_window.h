#pragma once
#include <windows.h>

#include "core/main_window.h"

INT_PTR CALLBACK MainDlgProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
void HideToTray(HWND wnd);
int ShowTrayMenu(HWND wnd);
