#pragma once
#include <windows.h>

#include "apps/shared/main_window.h"

void HideToTray(HWND wnd);
// The form of the tray icon's callback messages now: 4 or 0 (core/tray_callback.h).
int TrayIconVersion();
// The tray menu at a point on the screen, or at the mouse pointer (nullptr).
int ShowTrayMenu(HWND wnd, const POINT* at);
