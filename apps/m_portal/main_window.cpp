// m_portal's main window: starts, the tray icon, the handover target and the exit question.
#include <windows.h>
#include "core/shell32.h"

#include "apps/m_portal/main_window.h"
#include "core/edition.h"
#include "core/latency_text.h"
#include "core/start.h"
#include "core/text.h"
#include "core/ui.h"
#include "net/connect.h"
#include "net/local_address.h"
#include "net/ping.h"
#include "options/sheet.h"
#include "res/resource.h"

HINSTANCE g_instance;
static HICON g_mainIcon;
static NOTIFYICONDATAA g_trayIcon;
static int g_inTray;
static UINT g_taskbarCreated;

enum { TRAY_ICON_ID = 121, TRAY_CALLBACK = WM_USER };

void HideToTray(HWND wnd) {
  g_inTray = 1;
  CallShellNotifyIconA(NIM_ADD, &g_trayIcon);
  ShowWindow(wnd, SW_HIDE);
}

static void RemoveTrayIcon() {
  if (g_inTray == 1) {
    g_inTray = 0;
    CallShellNotifyIconA(NIM_DELETE, &g_trayIcon);
  }
}

int ShowTrayMenu(HWND wnd) {
  HMENU menu = LoadMenuA(g_instance, MAKEINTRESOURCEA(IDM_TRAY));
  HMENU popup = GetSubMenu(menu, 0);
  POINT pt;
  GetCursorPos(&pt);
  SetForegroundWindow(wnd);
  TrackPopupMenu(popup, TPM_BOTTOMALIGN, pt.x, pt.y, 0, wnd, nullptr);
  DestroyMenu(menu);
  return 0;
}

static void AfterStart(HWND wnd) {
  if (g_inTray == 0) HideToTray(wnd);
}

static void ConfirmExit(HWND wnd) {
  int answer = ShowMessage(nullptr, "終了した場合、Zantoとロビーが終了されます。\n本当に終了しますか？",
                           MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2 | MB_SETFOREGROUND);
  if (answer != IDYES) return;
  RemoveTrayIcon();
  EndDialog(wnd, 0);
}

static void OnCommand(HWND wnd, int id) {
  switch (id) {
    case IDC_MAIN_OFFLINE:
      StartGame("SINGLE");
      AfterStart(wnd);
      break;
    case IDC_MAIN_ONLINE:
      StartGame("S_MULTI1");
      AfterStart(wnd);
      break;
    case IDC_MAIN_JOIN:
      if (DialogBoxParamA(g_instance, MAKEINTRESOURCEA(IDD_CONNECT), wnd, ConnectDlgProc, 0) == 1) {
        char arg[256];
        TextFormat(arg, sizeof arg, "D_JOIN %s", g_connectAddress);
        StartDirectGame(arg);
        AfterStart(wnd);
      }
      break;
    case IDC_MAIN_HOST:
      StartDirectGame("D_HOST");
      AfterStart(wnd);
      break;
    case IDC_MAIN_LOBBY:
      StartLobby();
      AfterStart(wnd);
      break;
    case IDC_MAIN_OPTIONS:
      ShowOptionsSheet(wnd, 0);
      break;
    case IDCANCEL:
      ConfirmExit(wnd);
      break;
  }
}

static void OnInit(HWND wnd) {
  SetWindowTextA(wnd, kTitle);
  g_mainIcon = LoadIconA(g_instance, MAKEINTRESOURCEA(IDI_MAIN));
  SendMessageA(wnd, WM_SETICON, ICON_SMALL, (LPARAM)g_mainIcon);
  SetItemText(wnd, IDC_MAIN_ADDRESS, GetLocalAddressText());
  char latency[16];
  FormatLatency(PingServer(), latency, sizeof latency);
  SetItemText(wnd, IDC_MAIN_LATENCY, latency);

  ZeroMemory(&g_trayIcon, sizeof g_trayIcon);
  g_trayIcon.cbSize = NOTIFYICONDATAA_V1_SIZE;  // 88: the first form of the record
  g_trayIcon.hWnd = wnd;
  g_trayIcon.uID = TRAY_ICON_ID;
  g_trayIcon.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  g_trayIcon.uCallbackMessage = TRAY_CALLBACK;
  g_trayIcon.hIcon = g_mainIcon;
  TextCopy(g_trayIcon.szTip, 64, kTitle);
  g_taskbarCreated = RegisterWindowMessageA("TaskbarCreated");
}

INT_PTR CALLBACK MainDlgProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_INITDIALOG:
      OnInit(wnd);
      return TRUE;
    case WM_COMMAND:
      OnCommand(wnd, LOWORD(wParam));
      return TRUE;
    case WM_CLOSE:
      ConfirmExit(wnd);
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
        CallShellNotifyIconA(NIM_DELETE, &g_trayIcon);
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
    case WM_DESTROY:
      DestroyIcon(g_mainIcon);
      return FALSE;
  }
  // The notification area was rebuilt (the shell restarted): put the icon back
  // so that a window sitting in the tray stays reachable.
  if (msg == g_taskbarCreated && g_taskbarCreated != 0 && g_inTray == 1)
    CallShellNotifyIconA(NIM_ADD, &g_trayIcon);
  return FALSE;
}
