#include "net/latency_probe_win.h"

#include "net/ping.h"

// A player's window must appear at once even when the server does not answer:
// the probe can wait 5 seconds, so it runs beside the window on a thread of
// its own, which ends with the probe.
static bool g_probeStarted;
static CRITICAL_SECTION g_reportLock;  // orders the report against the window's end
static HWND g_reportWindow;
static UINT g_reportMessage;

static DWORD WINAPI ProbeThread(LPVOID) {
  int result = PingServer();
  EnterCriticalSection(&g_reportLock);
  if (g_reportWindow != nullptr) PostMessageA(g_reportWindow, g_reportMessage, (WPARAM)result, 0);
  LeaveCriticalSection(&g_reportLock);
  WSACleanup();
  return 0;
}

void StartLatencyProbe(HWND wnd, UINT msg) {
  if (g_probeStarted) return;
  g_probeStarted = true;
  InitializeCriticalSection(&g_reportLock);
  g_reportWindow = wnd;
  g_reportMessage = msg;
  // The probe's own hold on Windows Sockets: when the player exits while it
  // still waits, the entry's clean-up leaves its socket alone, and the end of
  // the process ends the thread wherever it is.
  WSADATA wsa;
  if (WSAStartup(0x0101, &wsa) != 0) {
    PostMessageA(wnd, msg, (WPARAM)PING_ERR_SOCKET, 0);
    return;
  }
  HANDLE thread = CreateThread(nullptr, 0, ProbeThread, nullptr, 0, nullptr);
  if (thread != nullptr) {
    CloseHandle(thread);
    return;
  }
  // No thread to be had: measure here, late rather than never.
  ProbeThread(nullptr);
}

void StopLatencyReports() {
  if (!g_probeStarted) return;
  EnterCriticalSection(&g_reportLock);
  g_reportWindow = nullptr;
  LeaveCriticalSection(&g_reportLock);
}
