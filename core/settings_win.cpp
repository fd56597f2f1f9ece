#include "core/settings.h"

#include <windows.h>
#include <string.h>

#include "core/cmdline.h"
#include "core/edition.h"
#include "core/paths.h"
#include "core/system_dll_win.h"
#include "core/text.h"

static char g_installDir[MAX_PATH];
static char g_legacyInstallDir[MAX_PATH];
static char g_settingsDir[MAX_PATH];
static char g_gameIniResult[256];
static char g_configResult[256];

static const char* ReadFolder(char* buf, const char* keyName, const char* valueName) {
  if (buf[0] != '\0') return buf;
  HKEY key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, keyName, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) {
    buf[0] = '\0';
    return buf;
  }
  DWORD size = MAX_PATH;
  if (RegQueryValueExA(key, valueName, nullptr, nullptr, (BYTE*)buf, &size) == ERROR_SUCCESS)
    TerminateRegistryText(buf, MAX_PATH, size);
  else
    buf[0] = '\0';
  RegCloseKey(key);
  return buf;
}

const char* GetInstallDir() { return ReadFolder(g_installDir, "Software\\Korvel\\Zanto2.0", "Install"); }

const char* GetLegacyInstallDir() {
  return ReadFolder(g_legacyInstallDir, "Software\\Korvel\\Zanto", "Install Path");
}

int CallSHGetFolderPathA(void* owner, int folder, void* token, unsigned flags, char* path) {
  typedef HRESULT(WINAPI * Fn)(HWND, int, HANDLE, DWORD, LPSTR);
  HMODULE lib = LoadSystemLibrary("shell32.dll");
  if (lib == nullptr) return -1;
  Fn fn = (Fn)(void*)GetProcAddress(lib, "SHGetFolderPathA");
  if (fn == nullptr) {
    FreeLibrary(lib);
    return -1;
  }
  HRESULT hr = fn((HWND)owner, folder, (HANDLE)token, flags, path);
  FreeLibrary(lib);
  return hr;
}

const char* GetSettingsDir() {
  if (g_settingsDir[0] != '\0') return g_settingsDir;
  char perUser[MAX_PATH] = "";
  bool known = SettingsPerUserAllowed() &&
               CallSHGetFolderPathA(nullptr, 26 /* CSIDL_APPDATA */, nullptr, 0, perUser) >= 0;
  perUser[MAX_PATH - 1] = '\0';
  ComposeSettingsDir(known, perUser, SettingsFallbackDir(), kSettingsFallbackTail, g_settingsDir,
                     sizeof g_settingsDir);
  return g_settingsDir;
}

bool GetGameIniPath(char* out) { return JoinPath(GetSettingsDir(), "Zanto.ini", out, MAX_PATH); }

bool GetConfigFilePath(char* out) {
  char module[MAX_PATH];
  DWORD n = GetModuleFileNameA(nullptr, module, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) {
    out[0] = '\0';
    return false;
  }
  CharUpperA(module);
  return DeriveConfigPath(module, out, MAX_PATH);
}

// A string read never ends in half a double-byte character, so a value
// written back never carries one.
static const char* ReadString(const char* path, const char* section, const char* key,
                              const char* def, char* result) {
  memset(result, 0, 256);
  if (path == nullptr) {
    TextCopy(result, 256, def);
  } else {
    GetPrivateProfileStringA(section, key, def, result, 256, path);
  }
  result[255] = '\0';
  CutAtCharBoundary(result, 255);
  return result;
}

// Creates the settings folder and its parents (the game may never have run).
static void CreateFolderTree(const char* folder) {
  char path[MAX_PATH];
  if (!TextCopy(path, sizeof path, folder)) return;
  for (char* p = path; *p != '\0'; ++p) {
    if (IsLeadByte932((unsigned char)*p) && p[1] != '\0') {
      ++p;
      continue;
    }
    if (*p == '\\' && p > path && p[-1] != ':') {
      *p = '\0';
      CreateDirectoryA(path, nullptr);
      *p = '\\';
    }
  }
  CreateDirectoryA(path, nullptr);
}

// The platform's profile writer puts the whole file out again for every key
// it writes. On a disk without room for that, the file is left cut short
// while the call still reports success, and every key behind the cut is lost.
// So a key is written only when the disk has room for the file's size once
// more: the writer empties the file first, which frees what it held, and
// twice the size covers even a CR added to every line end. Otherwise the file
// stays as it was and the write reports failure.
static bool RoomToRewrite(const char* path, const char* section, const char* key, const char* value) {
  WIN32_FILE_ATTRIBUTE_DATA info;
  if (!GetFileAttributesExA(path, GetFileExInfoStandard, &info)) return true;  // no file: nothing to lose
  if ((info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return true;   // the write fails by itself
  char folder[MAX_PATH];
  if (!TextCopy(folder, sizeof folder, path)) return true;
  char* lastSeparator = nullptr;
  for (char* p = folder; *p != '\0'; ++p) {
    if (IsLeadByte932((unsigned char)*p) && p[1] != '\0') {
      ++p;
      continue;
    }
    if (*p == '\\') lastSeparator = p;
  }
  if (lastSeparator == nullptr) return true;
  lastSeparator[1] = '\0';
  ULARGE_INTEGER available;
  if (!GetDiskFreeSpaceExA(folder, &available, nullptr, nullptr)) return true;
  unsigned long long size = ((unsigned long long)info.nFileSizeHigh << 32) | info.nFileSizeLow;
  unsigned long long added = (section != nullptr ? strlen(section) : 0) + (key != nullptr ? strlen(key) : 0) +
                             (value != nullptr ? strlen(value) : 0) + 8;
  return available.QuadPart >= size + added + 4096;  // and a block to spare
}

static BOOL WriteProfileKey(const char* section, const char* key, const char* value, const char* path) {
  if (!RoomToRewrite(path, section, key, value)) return FALSE;
  return WritePrivateProfileStringA(section, key, value, path);
}

int WriteGameIniString(const char* section, const char* key, const char* value) {
  char path[MAX_PATH];
  if (!GetGameIniPath(path)) return FALSE;
  BOOL ok = WriteProfileKey(section, key, value, path);
  if (!ok && GetSettingsDir()[0] != '\0') {
    CreateFolderTree(GetSettingsDir());
    ok = WriteProfileKey(section, key, value, path);
  }
  return ok;
}

const char* GetGameIniString(const char* section, const char* key, const char* def) {
  char path[MAX_PATH];
  return ReadString(GetGameIniPath(path) ? path : nullptr, section, key, def, g_gameIniResult);
}

unsigned GetGameIniInt(const char* section, const char* key, int def) {
  char path[MAX_PATH];
  if (!GetGameIniPath(path)) return (unsigned)def;
  return GetPrivateProfileIntA(section, key, def, path);
}

int WriteGameIniInt(const char* section, const char* key, int value) {
  char text[64];
  wsprintfA(text, "%d", value);
  return WriteGameIniString(section, key, text);
}

unsigned GetConfigInt(const char* section, const char* key, int def) {
  char path[MAX_PATH];
  if (!GetConfigFilePath(path)) return (unsigned)def;
  return GetPrivateProfileIntA(section, key, def, path);
}

const char* GetConfigString(const char* section, const char* key, const char* def) {
  char path[MAX_PATH];
  return ReadString(GetConfigFilePath(path) ? path : nullptr, section, key, def, g_configResult);
}

int WriteConfigString(const char* section, const char* key, const char* value) {
  char path[MAX_PATH];
  if (!GetConfigFilePath(path)) return FALSE;
  return WriteProfileKey(section, key, value, path);
}

int WriteConfigHex(const char* section, const char* key, unsigned value) {
  char text[64];
  wsprintfA(text, "0x%06X", value);
  return WriteConfigString(section, key, text);
}

int WriteConfigInt(const char* section, const char* key, int value) {
  char text[64];
  wsprintfA(text, "%d", value);
  return WriteConfigString(section, key, text);
}

void ResetFolderCache() {
  g_installDir[0] = '\0';
  g_legacyInstallDir[0] = '\0';
  g_settingsDir[0] = '\0';
}
