// The two shell calls the programs make, loaded from shell32 on first use:
// the shell is large, and loading it at start-up would delay the main window.
#pragma once
#include <windows.h>
#include <shellapi.h>

HINSTANCE WINAPI CallShellExecuteA(HWND owner, LPCSTR verb, LPCSTR file, LPCSTR params, LPCSTR folder,
                                   INT show);
// FALSE when the shell cannot be loaded; callers ignore the result. Wide, as
// the tip is a text the player reads (core/text932_win.h).
BOOL CallShellNotifyIconW(DWORD message, NOTIFYICONDATAW* data);
