#include "core/platform.h"

#include <windows.h>

bool IsWin9xPlatform() {
  OSVERSIONINFOA vi;
  ZeroMemory(&vi, sizeof vi);
  vi.dwOSVersionInfoSize = sizeof vi;  // 148 bytes
  if (!GetVersionExA(&vi)) return false;
  return IsWin9xVersion(vi.dwPlatformId, vi.dwMajorVersion, vi.dwMinorVersion);
}
