// launcher's main window: every start ends the program, whether or not it
// succeeded. Its commands are apps/shared/main_window_win.cpp.
#include <windows.h>

#include "apps/shared/main_window.h"
#include "core/edition.h"
#include "core/ui.h"
#include "net/local_address.h"
#include "res/ids_main.h"

void AfterStart(HWND wnd) { EndDialog(wnd, 1); }

void ExitMainWindow(HWND wnd) { EndDialog(wnd, 0); }

static HICON g_mainIcon;

INT_PTR CALLBACK MainDlgProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (MainWindowMessage(wnd, msg, wParam)) return TRUE;
  switch (msg) {
    case WM_INITDIALOG:
      SetWindowTitle(wnd, kTitle);
      g_mainIcon = LoadIconA(g_instance, MAKEINTRESOURCEA(IDI_MAIN));
      SendMessageA(wnd, WM_SETICON, ICON_SMALL, (LPARAM)g_mainIcon);
      SetItemText(wnd, IDC_MAIN_ADDRESS, GetLocalAddressText());
      return TRUE;
    case WM_DESTROY:
      DestroyIcon(g_mainIcon);
      return FALSE;
  }
  return FALSE;
}
