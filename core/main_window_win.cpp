#include "core/main_window.h"

#include "core/start.h"
#include "core/text.h"
#include "core/ui.h"
#include "net/connect.h"
#include "options/sheet.h"
#include "res/ids_connect.h"
#include "res/ids_main.h"

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
    case IDC_MAIN_JOIN:
      if (ShowDialog(wnd, IDD_CONNECT, ConnectDlgProc, 0) == 1) {
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
