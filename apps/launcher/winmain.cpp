// launcher: starts Windows Sockets and runs the main window.
#include <windows.h>
#include <commctrl.h>

#include "apps/launcher/main_window.h"
#include "core/system_dll_win.h"
#include "core/ui.h"
#include "res/resource.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  // First of all: a DLL planted beside the program (say, in a downloads folder)
  // must never be loaded in place of Windows' own.
  RestrictDllSearch();
  WSADATA wsa;
  if (WSAStartup(0x0101, &wsa) != 0) {
    ShowMessage(nullptr, "ソケットの初期化に失敗", MB_ICONERROR);
    return 0;
  }
  g_instance = instance;
  InitCommonControls();
  ShowDialog(nullptr, IDD_MAIN, MainDlgProc, 0);
  WSACleanup();
  return 1;
}
