// What ties a program together above net/ and options/: its instance, the
// start-up both programs share and the main window's commands, alike in both.
// What follows a start and what the exit button does are each program's own,
// defined in apps/<program>/main_window.cpp: m_portal withdraws into the tray
// after a start and asks before it ends; launcher ends after every start.
#pragma once
#include <windows.h>

extern HINSTANCE g_instance;

// Windows Sockets 1.1 for the whole run; false, the player told, when it
// cannot be started.
bool StartSockets();

// Runs the main window (dialog 101) modally until it ends.
void RunMainWindow(HINSTANCE instance);

// The messages that both programs' main windows handle alike: the commands
// and the close box. True when msg was one of them.
bool MainWindowMessage(HWND wnd, UINT msg, WPARAM wParam);

// Each program defines these.
INT_PTR CALLBACK MainDlgProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
void AfterStart(HWND wnd);
void ExitMainWindow(HWND wnd);
