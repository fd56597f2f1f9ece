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
void* FindKernelFunction(const char* name) {
  HMODULE kernel = GetModuleHandleA("kernel32.dll");
  return kernel == nullptr ? nullptr : (void*)GetProcAddress(kernel, name);
}

// DLLs that Windows' own DLLs load by name alone when they first need them:
// Windows Sockets its IP helper, for the computer's own addresses. Such a load
// does not always keep to the restricted search (Wine's loader takes the
// program's folder first for it, and so does Windows without
// SetDefaultDllDirectories), and a planted copy would win. Loaded first by
// full path, the system's copy is the one that every later load by name finds;
// it stays loaded for the life of the process.
static const char* const kEarlyDlls[] = {"iphlpapi.dll"};

void RestrictDllSearch() {
  typedef BOOL(WINAPI * SetDefaultDllDirectoriesFn)(DWORD);
  SetDefaultDllDirectoriesFn setDefault = (SetDefaultDllDirectoriesFn)FindKernelFunction("SetDefaultDllDirectories");
  if (setDefault == nullptr || !setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32)) {
    // Without it, an empty DLL folder at least takes the current folder out of the search.
    typedef BOOL(WINAPI * SetDllDirectoryFn)(LPCSTR);
    SetDllDirectoryFn setDirectory = (SetDllDirectoryFn)FindKernelFunction("SetDllDirectoryA");
    if (setDirectory != nullptr) setDirectory("");
  }
  for (const char* name : kEarlyDlls) LoadSystemLibrary(name);
}

HMODULE LoadSystemLibrary(const char* name) {
  char systemDir[PATH_SIZE];
  UINT length = GetSystemDirectoryA(systemDir, sizeof systemDir);
  char path[PATH_SIZE];
  if (!SystemLibraryPath(systemDir, length, sizeof systemDir, name, path, sizeof path)) return nullptr;
  // The DLLs it needs in turn: where the system knows the flag (it came with
  // SetDefaultDllDirectories), only in the system folder; elsewhere beside it,
  // in the system folder, first, though the program's folder and PATH follow.
  DWORD flags = FindKernelFunction("SetDefaultDllDirectories") != nullptr ? LOAD_LIBRARY_SEARCH_SYSTEM32
                                                                         : LOAD_WITH_ALTERED_SEARCH_PATH;
  return LoadLibraryExA(path, nullptr, flags);
}
