#include "core/system_dll_win.h"

#include "core/paths.h"
#include "core/system_dll.h"

#ifndef LOAD_LIBRARY_SEARCH_SYSTEM32
#define LOAD_LIBRARY_SEARCH_SYSTEM32 0x00000800
#endif

// Both are looked up at run time: SetDefaultDllDirectories came with Windows 7's
// update KB2533623 (and is in 8 and later), SetDllDirectoryA with XP SP1, and a
// static import of either would stop the program from starting on older systems
// (where m_portal must still show its refusal of Windows 9x).
void RestrictDllSearch() {
  HMODULE kernel = GetModuleHandleA("kernel32.dll");
  if (kernel == nullptr) return;
  typedef BOOL(WINAPI * SetDefaultDllDirectoriesFn)(DWORD);
  SetDefaultDllDirectoriesFn setDefault =
      (SetDefaultDllDirectoriesFn)(void*)GetProcAddress(kernel, "SetDefaultDllDirectories");
  if (setDefault != nullptr && setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32)) return;
  // Without it, an empty DLL folder at least takes the current folder out of the search.
  typedef BOOL(WINAPI * SetDllDirectoryFn)(LPCSTR);
  SetDllDirectoryFn setDirectory = (SetDllDirectoryFn)(void*)GetProcAddress(kernel, "SetDllDirectoryA");
  if (setDirectory != nullptr) setDirectory("");
}

HMODULE LoadSystemLibrary(const char* name) {
  char systemDir[PATH_SIZE];
  UINT length = GetSystemDirectoryA(systemDir, sizeof systemDir);
  char path[PATH_SIZE];
  if (!SystemLibraryPath(systemDir, length, sizeof systemDir, name, path, sizeof path)) return nullptr;
  // The DLLs it needs in turn are then looked for beside it, in the system
  // folder, before the program's folder.
  return LoadLibraryExA(path, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}
