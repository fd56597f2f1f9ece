// Looking at a settings file before a save decides how to write it.
#include "core/file_kind_win.h"

#include <windows.h>

#include "core/system_dll_win.h"
#include "core/text.h"

static SettingsFileKind KindOfAttributes(DWORD attributes) {
  if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return FILE_KIND_FOLDER;
  if ((attributes & FILE_ATTRIBUTE_READONLY) != 0) return FILE_KIND_READ_ONLY;
  return FILE_KIND_PLAIN;
}

// A symbolic link answers with attributes of its own here: its target's kind
// comes from FindPlace.
SettingsFileKind KindOfFile(const char* path) {
  DWORD attributes = GetFileAttributesA(path);
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? FILE_KIND_MISSING : FILE_KIND_UNKNOWN;
  }
  return KindOfAttributes(attributes);
}

typedef DWORD(WINAPI* FinalPathFn)(HANDLE, LPSTR, DWORD, DWORD);

// The path of an open file in the form the profile functions take; false
// where it cannot be had (too long, a volume without a drive letter).
static bool FinalPathOf(FinalPathFn finalPath, HANDLE h, char* out) {
  char final[MAX_PATH + 16];
  DWORD n = finalPath(h, final, sizeof final, 0 /* FILE_NAME_NORMALIZED | VOLUME_NAME_DOS */);
  return n > 0 && n < sizeof final && NormalizeFinalPath(final, out, MAX_PATH);
}

// An open follows a symbolic link, so that the copy takes the target's place
// and the link stays, and the target's read-only mark refuses the save as a
// read-only file's does. Windows before Vista has no such query (nor links to
// files): there the path is the file.
SettingsFileKind FindPlace(const char* path, SettingsFileKind kind, char* place, unsigned* links, bool* found) {
  TextCopy(path, place, MAX_PATH);
  *links = 1;
  FinalPathFn finalPath = (FinalPathFn)FindKernelFunction("GetFinalPathNameByHandleA");
  *found = finalPath == nullptr;
  HANDLE h = CreateFileA(path, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return kind;
  BY_HANDLE_FILE_INFORMATION info;
  if (GetFileInformationByHandle(h, &info)) {
    *links = info.nNumberOfLinks;
    kind = KindOfAttributes(info.dwFileAttributes);
  }
  char resolved[MAX_PATH];
  if (finalPath != nullptr && FinalPathOf(finalPath, h, resolved)) {
    *found = true;
    if (lstrcmpiA(resolved, path) != 0) TextCopy(resolved, place, MAX_PATH);
  }
  CloseHandle(h);
  return kind;
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

// TokenVirtualizationEnabled (24) is unknown before Vista, which has no
// virtualisation: a query that fails means none.
static bool ProcessIsVirtualised() {
  typedef BOOL(WINAPI * OpenTokenFn)(HANDLE, DWORD, PHANDLE);
  typedef BOOL(WINAPI * TokenInfoFn)(HANDLE, int, LPVOID, DWORD, PDWORD);
  HMODULE advapi = GetModuleHandleA("advapi32.dll");
  OpenTokenFn openToken = advapi != nullptr ? (OpenTokenFn)(void*)GetProcAddress(advapi, "OpenProcessToken") : nullptr;
  TokenInfoFn tokenInfo =
      advapi != nullptr ? (TokenInfoFn)(void*)GetProcAddress(advapi, "GetTokenInformation") : nullptr;
  HANDLE token;
  if (openToken == nullptr || tokenInfo == nullptr || !openToken(GetCurrentProcess(), TOKEN_QUERY, &token))
    return false;
  DWORD enabled = 0, size = 0;
  bool virtualised = tokenInfo(token, 24, &enabled, sizeof enabled, &size) && enabled != 0;
  CloseHandle(token);
  return virtualised;
}

bool CopyLandedElsewhere(const char* place, const char* copy) {
  if (!ProcessIsVirtualised()) return false;
  FinalPathFn finalPath = (FinalPathFn)FindKernelFunction("GetFinalPathNameByHandleA");
  HANDLE h = finalPath == nullptr ? INVALID_HANDLE_VALUE
                                  : CreateFileA(copy, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  char real[MAX_PATH];
  bool known = h != INVALID_HANDLE_VALUE && FinalPathOf(finalPath, h, real);
  if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
  return CopyIsVirtualised(true, place, known ? real : nullptr);
}
