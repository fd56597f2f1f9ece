#pragma once
#include <windows.h>

#include "apps/shared/main_window.h"

void HideToTray(HWND wnd);
int ShowTrayMenu(HWND wnd);
