// m_portal: refuses Windows 9x, hands over to a running instance, runs the main window.
#include <windows.h>

#include "apps/m_portal/main_window.h"
#include "core/edition.h"
#include "core/instance_win.h"
#include "core/platform.h"
#include "core/system_dll_win.h"
#include "core/ui.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  // First of all: a DLL planted beside the program (say, in a downloads folder)
  // must never be loaded in place of Windows' own.
  RestrictDllSearch();
  if (IsWin9xPlatform()) {
    ShowMessage(nullptr, "Win9xには対応していません。", MB_ICONERROR);
    return 0;
  }
  if (!StartSockets()) return 0;
  HANDLE instanceMutex = nullptr;
  if (HandOverToRunningInstance(&instanceMutex)) return 2;
  HANDLE mutex = CreateMutexA(nullptr, TRUE, "Global\\GLIMSTARTMUTEX");
  RunMainWindow(instance);
  if (mutex != nullptr) CloseHandle(mutex);
  if (instanceMutex != nullptr) {
    ReleaseMutex(instanceMutex);
    CloseHandle(instanceMutex);
  }
  WSACleanup();
  return 1;
}
