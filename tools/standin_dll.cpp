// A stand-in for one of Windows' own DLLs, planted beside a program by the
// end-to-end tests: when it is loaded it appends its file name to
// "planted-dll.log" in its own folder, and it exports nothing.
#include <windows.h>
#include <string.h>

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID) {
  if (reason != DLL_PROCESS_ATTACH) return TRUE;
  char path[MAX_PATH + 32];
  DWORD n = GetModuleFileNameA(self, path, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return TRUE;
  char* slash = strrchr(path, '\\');
  if (slash == nullptr) return TRUE;
  char name[MAX_PATH];
  lstrcpynA(name, slash + 1, sizeof name);
  lstrcpyA(slash + 1, "planted-dll.log");
  HANDLE log = CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
  if (log == INVALID_HANDLE_VALUE) return TRUE;
  lstrcatA(name, "\r\n");
  DWORD written;
  WriteFile(log, name, lstrlenA(name), &written, nullptr);
  CloseHandle(log);
  return TRUE;
}
