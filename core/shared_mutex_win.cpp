#include "core/shared_mutex_win.h"

#include "core/text.h"

// All looked up by name: Windows 95/98/Me have no security descriptors (and
// ignore one), Windows 2000 and XP no descriptor language for labels.
typedef BOOL(WINAPI* OpenProcessTokenFn)(HANDLE, DWORD, PHANDLE);
typedef BOOL(WINAPI* GetTokenInformationFn)(HANDLE, int, LPVOID, DWORD, PDWORD);
typedef BOOL(WINAPI* SidToTextFn)(PSID, LPSTR*);
typedef BOOL(WINAPI* TextToDescriptorFn)(LPCSTR, DWORD, PSECURITY_DESCRIPTOR*, PULONG);

static bool UserSidText(HMODULE advapi, char* out, size_t size) {
  OpenProcessTokenFn openToken = (OpenProcessTokenFn)(void*)GetProcAddress(advapi, "OpenProcessToken");
  GetTokenInformationFn tokenInfo = (GetTokenInformationFn)(void*)GetProcAddress(advapi, "GetTokenInformation");
  SidToTextFn sidToText = (SidToTextFn)(void*)GetProcAddress(advapi, "ConvertSidToStringSidA");
  HANDLE token = nullptr;
  if (openToken == nullptr || tokenInfo == nullptr || sidToText == nullptr ||
      !openToken(GetCurrentProcess(), TOKEN_QUERY, &token))
    return false;
  union {
    TOKEN_USER user;
    unsigned char bytes[256];  // a SID is at most 68 bytes
  } info;
  DWORD needed = 0;
  char* text = nullptr;
  bool ok = tokenInfo(token, 1 /* TokenUser */, &info, sizeof info, &needed) && sidToText(info.user.User.Sid, &text) &&
            TextCopy(text, out, size);
  if (text != nullptr) LocalFree(text);
  CloseHandle(token);
  return ok;
}

// Made once and kept for the run: both mutexes take the same one.
static SECURITY_ATTRIBUTES* SharedAttributes() {
  static SECURITY_ATTRIBUTES attributes;
  static bool tried;
  if (tried) return attributes.lpSecurityDescriptor != nullptr ? &attributes : nullptr;
  tried = true;
  HMODULE advapi = GetModuleHandleA("advapi32.dll");
  TextToDescriptorFn toDescriptor =
      advapi != nullptr ? (TextToDescriptorFn)(void*)GetProcAddress(advapi, "ConvertStringSecurityDescriptorToSecurityDescriptorA")
                        : nullptr;
  char sid[192], text[512];
  if (toDescriptor == nullptr || !UserSidText(advapi, sid, sizeof sid)) return nullptr;
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  for (int withLabel = 1; withLabel >= 0; --withLabel) {
    if (FormSharedMutexDescriptor(sid, withLabel != 0, text, sizeof text) &&
        toDescriptor(text, 1 /* SDDL_REVISION_1 */, &descriptor, nullptr))
      break;
    descriptor = nullptr;
  }
  if (descriptor == nullptr) return nullptr;
  attributes.nLength = sizeof attributes;
  attributes.lpSecurityDescriptor = descriptor;
  attributes.bInheritHandle = FALSE;
  return &attributes;
}

HANDLE CreateSharedMutex(const char* name, bool owned, MutexClaim* claim) {
  HANDLE mutex = CreateMutexA(SharedAttributes(), owned ? TRUE : FALSE, name);
  *claim = ClaimOfCreate(mutex != nullptr, GetLastError());
  if (*claim == MUTEX_DENIED) {
    mutex = OpenMutexA(SYNCHRONIZE | MUTEX_MODIFY_STATE, FALSE, name);
    if (mutex != nullptr) *claim = MUTEX_EXISTS;
  }
  return mutex;
}
