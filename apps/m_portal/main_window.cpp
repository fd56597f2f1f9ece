// m_portal's main window: the tray icon it withdraws into after a start, the
// handover target and the exit question. Its commands are apps/shared/main_window_win.cpp.
#include <windows.h>
#include "core/shell32.h"

#include "apps/m_portal/main_window.h"
#include "core/edition.h"
#include "core/instance_win.h"
#include "core/latency_text.h"
#include "core/text932_win.h"
#include "core/ui.h"
#include "net/latency_probe_win.h"
#include "net/local_address.h"
#include "res/ids_main.h"

static HICON g_mainIcon;
static NOTIFYICONDATAW g_trayIcon;
static int g_inTray;
static UINT g_taskbarCreated;

enum { TRAY_ICON_ID = 121, TRAY_CALLBACK = WM_USER, LATENCY_KNOWN = WM_APP + 1 };

void HideToTray(HWND wnd) {
  g_inTray = 1;
  CallShellNotifyIconW(NIM_ADD, &g_trayIcon);
  ShowWindow(wnd, SW_HIDE);
}

static void RemoveTrayIcon() {
  if (g_inTray == 1) {
    g_inTray = 0;
    CallShellNotifyIconW(NIM_DELETE, &g_trayIcon);
  }
}

int ShowTrayMenu(HWND wnd) {
  HMENU menu = LoadMenuW(g_instance, MAKEINTRESOURCEW(IDM_TRAY));
  HMENU popup = GetSubMenu(menu, 0);
  POINT pt;
  GetCursorPos(&pt);
  SetForegroundWindow(wnd);
  TrackPopupMenu(popup, TPM_BOTTOMALIGN, pt.x, pt.y, 0, wnd, nullptr);
  DestroyMenu(menu);
  return 0;
}

void AfterStart(HWND wnd) {
  if (g_inTray == 0) HideToTray(wnd);
}

void ExitMainWindow(HWND wnd) {
  int answer = ShowMessage(nullptr, "終了した場合、Zantoとロビーが終了されます。\n本当に終了しますか？",
                           MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2 | MB_SETFOREGROUND);
  if (answer != IDYES) return;
  RemoveTrayIcon();
  EndDialog(wnd, 0);
}

static void OnInit(HWND wnd) {
  MarkInstanceWindow(wnd);  // first: a second start may be waiting for it
  SetWindowTitle(wnd, kTitle);
  g_mainIcon = LoadIconA(g_instance, MAKEINTRESOURCEA(IDI_MAIN));
  SendMessageA(wnd, WM_SETICON, ICON_SMALL, (LPARAM)g_mainIcon);
  SetItemText(wnd, IDC_MAIN_ADDRESS, GetLocalAddressText());
  StartLatencyProbe(wnd, LATENCY_KNOWN);  // the field stays empty until the answer

  ZeroMemory(&g_trayIcon, sizeof g_trayIcon);
  g_trayIcon.cbSize = NOTIFYICONDATAW_V1_SIZE;  // 152: the first form of the record
  g_trayIcon.hWnd = wnd;
  g_trayIcon.uID = TRAY_ICON_ID;
  g_trayIcon.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  g_trayIcon.uCallbackMessage = TRAY_CALLBACK;
  g_trayIcon.hIcon = g_mainIcon;
  WideFrom932(kTitle, g_trayIcon.szTip, 64);
  g_taskbarCreated = RegisterWindowMessageA("TaskbarCreated");
}

INT_PTR CALLBACK MainDlgProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (MainWindowMessage(wnd, msg, wParam)) return TRUE;
  switch (msg) {
    case WM_INITDIALOG:
      OnInit(wnd);
      return TRUE;
    case WM_SYSCOMMAND:
      if (wParam == SC_MINIMIZE) {
        HideToTray(wnd);
        return TRUE;
      }
      return FALSE;
    case TRAY_CALLBACK:
      // Only the icon's messages are ours: the dialog manager asks for the
      // default button with the same number (DM_GETDEFID, wParam 0), and left
      // to the platform it learns 1001, so Enter in a field presses it.
      if (wParam != TRAY_ICON_ID) return FALSE;
      if (lParam == WM_LBUTTONDOWN) {
        g_inTray = 0;
        CallShellNotifyIconW(NIM_DELETE, &g_trayIcon);
        ShowWindow(wnd, SW_SHOWNORMAL);
      } else if (lParam == WM_RBUTTONDOWN) {
        ShowTrayMenu(wnd);
      }
      return TRUE;
    case WM_APP:
      RemoveTrayIcon();
      ShowWindow(wnd, SW_SHOWNORMAL);
      SetForegroundWindow(wnd);
      return TRUE;
    case LATENCY_KNOWN: {
      char latency[16];
      FormatLatency((int)wParam, latency, sizeof latency);
      SetItemText(wnd, IDC_MAIN_LATENCY, latency);
      return TRUE;
    }
    case WM_DESTROY:
      StopLatencyReports();
      UnmarkInstanceWindow(wnd);
      DestroyIcon(g_mainIcon);
      return FALSE;
  }
  // The notification area was rebuilt (the shell restarted): put the icon back
  // so that a window sitting in the tray stays reachable.
  if (msg == g_taskbarCreated && g_taskbarCreated != 0 && g_inTray == 1)
    CallShellNotifyIconW(NIM_ADD, &g_trayIcon);
  return FALSE;
}
