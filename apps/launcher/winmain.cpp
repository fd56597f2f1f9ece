// launcher: starts Windows Sockets and runs the main window.
#include <windows.h>

#include "apps/shared/main_window.h"
#include "core/system_dll_win.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  // First of all: a DLL planted beside the program (say, in a downloads folder)
  // must never be loaded in place of Windows' own.
  RestrictDllSearch();
  if (!StartSockets()) return 0;
  RunMainWindow(instance);
  WSACleanup();
  return 1;
}
