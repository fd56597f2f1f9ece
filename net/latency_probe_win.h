// The main window's one latency probe, run without holding the window.
#pragma once
#include <windows.h>

// Starts PingServer on a short-lived thread of its own; its result reaches wnd
// as message msg with the milliseconds or the negative code in wParam. Once
// per process: later calls do nothing.
void StartLatencyProbe(HWND wnd, UINT msg);

// The window is going away: a result that comes later goes nowhere. Called
// from the window's WM_DESTROY.
void StopLatencyReports();
