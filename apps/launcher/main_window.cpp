// launcher's main window: every start ends the program, whether or not it succeeded.
#include <windows.h>

#include "apps/launcher/main_window.h"
#include "core/edition.h"
#include "core/start.h"
#include "core/text.h"
#include "core/ui.h"
#include "net/connect.h"
#include "net/local_address.h"
#include "options/sheet.h"
#include "res/ids_connect.h"
#include "res/ids_main.h"

HINSTANCE g_instance;

static void OnCommand(HWND wnd, int id) {
  switch (id) {
    case IDC_MAIN_OFFLINE:
      StartGame("SINGLE");
      EndDialog(wnd, 1);
      break;
    case IDC_MAIN_ONLINE:
      StartGame("S_MULTI1");
      EndDialog(wnd, 1);
      break;
    case IDC_MAIN_JOIN:
      if (DialogBoxParamA(g_instance, MAKEINTRESOURCEA(IDD_CONNECT), wnd, ConnectDlgProc, 0) == 1) {
        char arg[256];
        TextFormat(arg, sizeof arg, "D_JOIN %s", g_connectAddress);
        StartGame(arg);
        EndDialog(wnd, 1);
      }
      break;
    case IDC_MAIN_HOST:
      StartGame("D_HOST");
      EndDialog(wnd, 1);
      break;
    case IDC_MAIN_LOBBY:
      StartLobby();
      EndDialog(wnd, 1);
      break;
    case IDC_MAIN_OPTIONS:
      ShowOptionsSheet(wnd, 0);
      break;
    case IDCANCEL:
      EndDialog(wnd, 0);
      break;
  }
}

INT_PTR CALLBACK MainDlgProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  static HICON icon;
  switch (msg) {
    case WM_INITDIALOG:
      SetWindowTextA(wnd, kTitle);
      icon = LoadIconA(g_instance, MAKEINTRESOURCEA(IDI_MAIN));
      SendMessageA(wnd, WM_SETICON, ICON_SMALL, (LPARAM)icon);
      SetItemText(wnd, IDC_MAIN_ADDRESS, GetLocalAddressText());
      return TRUE;
    case WM_COMMAND:
      OnCommand(wnd, LOWORD(wParam));
      return TRUE;
    case WM_CLOSE:
      EndDialog(wnd, 0);
      return TRUE;
    case WM_DESTROY:
      DestroyIcon(icon);
      return FALSE;
  }
  return FALSE;
}
