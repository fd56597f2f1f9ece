#include "core/settings.h"

#include <windows.h>
#include <string.h>

#include "core/cmdline.h"
#include "core/edition.h"
#include "core/paths.h"
#include "core/settings_save_win.h"
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
    TerminateRegistryText(size, buf, MAX_PATH);
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
  ComposeSettingsDir(known, perUser, GetGameFolder(kGameFolder), GameFolderSeparator(kGameFolder), g_settingsDir,
                     sizeof g_settingsDir);
  return g_settingsDir;
}

bool GetGameIniPath(char* out) { return ComposeGameIniPath(GetSettingsDir(), out, MAX_PATH); }

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
    TextCopy(def, result, 256);
  } else {
    GetPrivateProfileStringA(section, key, def, result, 256, path);
  }
  result[255] = '\0';
  CutAtCharBoundary(result, 255);
  return result;
}

// ---- access operations ------------------------------------------------------------------

int WriteGameIniString(const char* section, const char* key, const char* value) {
  return WriteSettingsKey(GAME_INI, section, key, value);
}

// The reads of both files: from the file, or from its copy during a burst.
static const char* ReadFileString(SettingsFile file, const char* section, const char* key, const char* def,
                                  char* result) {
  char path[MAX_PATH];
  return ReadString(SettingsAccessPath(file, path) ? path : nullptr, section, key, def, result);
}

static unsigned ReadFileInt(SettingsFile file, const char* section, const char* key, int def) {
  char path[MAX_PATH];
  if (!SettingsAccessPath(file, path)) return (unsigned)def;
  return GetPrivateProfileIntA(section, key, def, path);
}

const char* GetGameIniString(const char* section, const char* key, const char* def) {
  return ReadFileString(GAME_INI, section, key, def, g_gameIniResult);
}

unsigned GetGameIniInt(const char* section, const char* key, int def) {
  return ReadFileInt(GAME_INI, section, key, def);
}

int WriteGameIniInt(const char* section, const char* key, int value) {
  char text[64];
  wsprintfA(text, "%d", value);
  return WriteGameIniString(section, key, text);
}

unsigned GetConfigInt(const char* section, const char* key, int def) {
  return ReadFileInt(CONFIG_FILE, section, key, def);
}

const char* GetConfigString(const char* section, const char* key, const char* def) {
  return ReadFileString(CONFIG_FILE, section, key, def, g_configResult);
}

int WriteConfigString(const char* section, const char* key, const char* value) {
  return WriteSettingsKey(CONFIG_FILE, section, key, value);
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
  ForgetLeftoverSearch();
  g_installDir[0] = '\0';
  g_legacyInstallDir[0] = '\0';
  g_settingsDir[0] = '\0';
}
