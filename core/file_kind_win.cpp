// Looking at a settings file before a save decides how to write it.
#include "core/file_kind_win.h"

#include <windows.h>

#include "core/system_dll_win.h"
#include "core/text.h"

SettingsFileKind KindOfFile(const char* path) {
  DWORD attributes = GetFileAttributesA(path);
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? FILE_KIND_MISSING : FILE_KIND_UNKNOWN;
  }
  if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return FILE_KIND_FOLDER;
  if ((attributes & FILE_ATTRIBUTE_READONLY) != 0) return FILE_KIND_READ_ONLY;
  return FILE_KIND_PLAIN;
}

// A symbolic link is followed to its target, so that the copy takes the
// target's place and the link stays. Windows before Vista has no such query
// (nor links to files).
void FindPlace(const char* path, char* place, unsigned* links) {
  TextCopy(path, place, MAX_PATH);
  *links = 1;
  HANDLE h = CreateFileA(path, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return;
  BY_HANDLE_FILE_INFORMATION info;
  if (GetFileInformationByHandle(h, &info)) *links = info.nNumberOfLinks;
  typedef DWORD(WINAPI * FinalPathFn)(HANDLE, LPSTR, DWORD, DWORD);
  FinalPathFn finalPath = (FinalPathFn)FindKernelFunction("GetFinalPathNameByHandleA");
  char final[MAX_PATH + 16], resolved[MAX_PATH];
  if (finalPath != nullptr) {
    DWORD n = finalPath(h, final, sizeof final, 0 /* FILE_NAME_NORMALIZED | VOLUME_NAME_DOS */);
    if (n > 0 && n < sizeof final && NormalizeFinalPath(final, resolved, sizeof resolved) &&
        lstrcmpiA(resolved, path) != 0)
      TextCopy(resolved, place, MAX_PATH);
  }
  CloseHandle(h);
}

// The copy gets the file's own access list, which a new file would otherwise
// take from its folder (a deny entry of the file would be dropped). A system
// or volume without access lists has none to carry.
bool CarryAccessList(const char* from, const char* to) {
  typedef BOOL(WINAPI * GetFn)(LPCSTR, SECURITY_INFORMATION, PSECURITY_DESCRIPTOR, DWORD, LPDWORD);
  typedef BOOL(WINAPI * SetFn)(LPCSTR, SECURITY_INFORMATION, PSECURITY_DESCRIPTOR);
  HMODULE advapi = GetModuleHandleA("advapi32.dll");
  GetFn get = advapi != nullptr ? (GetFn)(void*)GetProcAddress(advapi, "GetFileSecurityA") : nullptr;
  SetFn set = advapi != nullptr ? (SetFn)(void*)GetProcAddress(advapi, "SetFileSecurityA") : nullptr;
  if (get == nullptr || set == nullptr) return true;
  static union {
    SECURITY_DESCRIPTOR aligned;
    unsigned char bytes[8192];
  } descriptor;
  DWORD needed = 0;
  if (!get(from, DACL_SECURITY_INFORMATION, &descriptor, sizeof descriptor, &needed)) {
    DWORD error = GetLastError();
    return error == ERROR_CALL_NOT_IMPLEMENTED || error == ERROR_NOT_SUPPORTED;
  }
  return set(to, DACL_SECURITY_INFORMATION, &descriptor) != FALSE;
}
