// The main window's commands, alike in both programs. What follows a start
// and what the exit button does are each program's own, defined in
// apps/<program>/main_window.cpp: m_portal withdraws into the tray after a
// start and asks before it ends; launcher ends after every start.
#pragma once
#include <windows.h>

extern HINSTANCE g_instance;

// WM_COMMAND of the main window, by control id.
void MainWindowCommand(HWND wnd, int id);

void AfterStart(HWND wnd);
void ExitMainWindow(HWND wnd);
