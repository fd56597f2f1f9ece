// m_portal's single instance (core/instance.h).
#pragma once
#include <windows.h>

// True when another instance of this player's session runs and has been told
// to show itself: the start then ends. Otherwise this start is the instance,
// and *mutex holds the instance mutex (owned; null where none could be had)
// until it ends.
bool HandOverToRunningInstance(HANDLE* mutex);

// Marks the main window as the instance's own (the mark a second start looks
// for), and lets the handover message through from a start at a lower
// integrity level when this instance runs elevated.
void MarkInstanceWindow(HWND wnd);
// Takes the mark away again as the window is destroyed.
void UnmarkInstanceWindow(HWND wnd);
