// The main window's commands, alike in both programs. What follows a start
// and what the exit button does are each program's own, defined in
// apps/<program>/main_window.cpp: m_portal withdraws into the tray after a
// start and asks before it ends; launcher ends after every start.
#pragma once
#include <windows.h>

extern HINSTANCE g_instance;

// The messages that both programs' main windows handle alike: the commands
// and the close box. True when msg was one of them.
bool MainWindowMessage(HWND wnd, UINT msg, WPARAM wParam);

void AfterStart(HWND wnd);
void ExitMainWindow(HWND wnd);
