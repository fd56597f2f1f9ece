#include "apps/shared/main_window.h"

#include <commctrl.h>

#include "apps/shared/start.h"
#include "core/text.h"
#include "core/ui.h"
#include "net/connect.h"
#include "options/sheet.h"
#include "res/ids_connect.h"
#include "res/ids_main.h"

HINSTANCE g_instance;

bool StartSockets() {
  WSADATA wsa;
  if (WSAStartup(0x0101, &wsa) == 0) return true;
  ShowMessage(nullptr, "ソケットの初期化に失敗", MB_ICONERROR);
  return false;
}

void RunMainWindow(HINSTANCE instance) {
  g_instance = instance;
  InitCommonControls();
  ShowDialog(nullptr, IDD_MAIN, MainDlgProc, 0);
}

static void MainWindowCommand(HWND wnd, int id) {
  switch (id) {
    case IDC_MAIN_OFFLINE:
      StartGame("SINGLE");
      AfterStart(wnd);
      break;
    case IDC_MAIN_ONLINE:
      StartGame("S_MULTI1");
      AfterStart(wnd);
      break;
    case IDC_MAIN_JOIN: {
      char address[CONNECT_ADDRESS_SIZE];
      if (ShowDialog(wnd, IDD_CONNECT, ConnectDlgProc, (LPARAM)address) == 1) {
        char arg[256];
        TextFormat(arg, sizeof arg, "D_JOIN %s", address);
        StartDirectGame(arg);
        AfterStart(wnd);
      }
      break;
    }
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
      ExitMainWindow(wnd);
      break;
  }
}

bool MainWindowMessage(HWND wnd, UINT msg, WPARAM wParam) {
  if (msg == WM_COMMAND) {
    MainWindowCommand(wnd, LOWORD(wParam));
    return true;
  }
  if (msg == WM_CLOSE) {
    ExitMainWindow(wnd);
    return true;
  }
  return false;
}
