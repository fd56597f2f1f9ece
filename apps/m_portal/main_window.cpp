// m_portal's main window: the tray icon it withdraws into after a start, the
// handover target and the exit question. Its commands are apps/shared/main_window_win.cpp.
#include <windows.h>
#include "core/shell32.h"

#include "apps/m_portal/main_window.h"
#include "core/edition.h"
#include "core/instance_win.h"
#include "core/latency_text.h"
#include "core/tray_callback.h"
#include "core/text932_win.h"
#include "core/ui.h"
#include "net/latency_probe_win.h"
#include "net/local_address.h"
#include "res/ids_main.h"

static HICON g_mainIcon;
static NOTIFYICONDATAW g_trayIcon;
static int g_inTray;
static UINT g_taskbarCreated;
// The form of the icon's callback messages (core/tray_callback.h): 4 once the
// shell has taken NOTIFYICON_VERSION_4 for the icon, else 0.
static int g_trayVersion;

enum { TRAY_ICON_ID = 121, TRAY_CALLBACK = WM_USER, LATENCY_KNOWN = WM_APP + 1, TRAY_VERSION_4 = 4 };

// Each add starts the icon at version 0. Version 4 (Vista and later) tells a
// key on the icon from a click and says where the icon is, so that Enter
// shows the window and the menu key opens the menu at the icon. The version
// lies beyond the record's first form, so it goes in a copy of the full
// size; add and delete keep the first form.
static void AddTrayIcon() {
  g_trayVersion = 0;
  if (!CallShellNotifyIconW(NIM_ADD, &g_trayIcon)) return;
  NOTIFYICONDATAW v = g_trayIcon;
  v.cbSize = sizeof v;
  v.uVersion = TRAY_VERSION_4;
  if (CallShellNotifyIconW(NIM_SETVERSION, &v)) g_trayVersion = TRAY_VERSION_4;
}

int TrayIconVersion() { return g_trayVersion; }

void HideToTray(HWND wnd) {
  g_inTray = 1;
  AddTrayIcon();
  ShowWindow(wnd, SW_HIDE);
}

// Back from the tray. A click shows the window without bringing it to the
// front; a key on the icon also gives it the keyboard focus, or the player who
// chose it could not reach it.
static void ShowFromTray(HWND wnd, bool focused) {
  g_inTray = 0;
  CallShellNotifyIconW(NIM_DELETE, &g_trayIcon);
  ShowWindow(wnd, SW_SHOWNORMAL);
  if (focused) SetForegroundWindow(wnd);
}

static void RemoveTrayIcon() {
  if (g_inTray == 1) {
    g_inTray = 0;
    CallShellNotifyIconW(NIM_DELETE, &g_trayIcon);
  }
}

int ShowTrayMenu(HWND wnd, const POINT* at) {
  HMENU menu = LoadMenuW(g_instance, MAKEINTRESOURCEW(IDM_TRAY));
  HMENU popup = GetSubMenu(menu, 0);
  POINT pt;
  if (at != nullptr) {
    pt = *at;
  } else {
    GetCursorPos(&pt);
  }
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

static INT_PTR TrayCallback(HWND wnd, WPARAM wParam, LPARAM lParam) {
  TrayEvent e = ReadTrayCallback(g_trayVersion, (unsigned long long)wParam, (unsigned long long)lParam, TRAY_ICON_ID);
  switch (e.action) {
    case TRAY_NOT_OURS:
      return FALSE;
    case TRAY_SHOW:
    case TRAY_SHOW_FOCUSED:
      ShowFromTray(wnd, e.action == TRAY_SHOW_FOCUSED);
      break;
    case TRAY_MENU_AT_CURSOR:
      ShowTrayMenu(wnd, nullptr);
      break;
    case TRAY_MENU_AT_POINT: {
      POINT at = {e.x, e.y};
      ShowTrayMenu(wnd, &at);
      break;
    }
    case TRAY_NOTHING:
      break;
  }
  return TRUE;
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
      return TrayCallback(wnd, wParam, lParam);
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
  if (msg == g_taskbarCreated && g_taskbarCreated != 0 && g_inTray == 1) AddTrayIcon();
  return FALSE;
}
