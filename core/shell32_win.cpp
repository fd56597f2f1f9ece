#include "core/shell32.h"

#include "core/system_dll_win.h"

// Loaded once and kept for the life of the process.
static HMODULE g_shell32;

static FARPROC ShellProc(const char* name) {
  if (g_shell32 == nullptr) g_shell32 = LoadSystemLibrary("shell32.dll");
  return g_shell32 != nullptr ? GetProcAddress(g_shell32, name) : nullptr;
}

HINSTANCE WINAPI CallShellExecuteA(HWND owner, LPCSTR verb, LPCSTR file, LPCSTR params, LPCSTR folder,
                                   INT show) {
  typedef HINSTANCE(WINAPI * Fn)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);
  Fn fn = (Fn)(void*)ShellProc("ShellExecuteA");
  if (fn == nullptr) return (HINSTANCE)(INT_PTR)SE_ERR_DLLNOTFOUND;
  return fn(owner, verb, file, params, folder, show);
}

BOOL CallShellNotifyIconW(DWORD message, NOTIFYICONDATAW* data) {
  typedef BOOL(WINAPI * Fn)(DWORD, NOTIFYICONDATAW*);
  Fn fn = (Fn)(void*)ShellProc("Shell_NotifyIconW");
  return fn != nullptr ? fn(message, data) : FALSE;
}
