#include "core/settings.h"

#include <windows.h>
#include <string.h>

#include "core/cmdline.h"
#include "core/edition.h"
#include "core/paths.h"
#include "core/settings_copy.h"
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

// Creates the settings folder and its parents (the game may never have run).
static void CreateFolderTree(const char* folder) {
  char path[MAX_PATH];
  if (!TextCopy(folder, path, sizeof path)) return;
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
  if (!TextCopy(path, folder, sizeof folder)) return true;
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

SettingsWriteHook g_settingsWriteHook = nullptr;

static void BeforeWrite() {
  if (g_settingsWriteHook != nullptr) g_settingsWriteHook();
}

static BOOL WriteProfileKey(const char* section, const char* key, const char* value, const char* path) {
  if (!RoomToRewrite(path, section, key, value)) return FALSE;
  BeforeWrite();
  return WritePrivateProfileStringA(section, key, value, path);
}

// The platform keeps profile files in memory between calls. After a file was
// put in place behind its back, this makes the next call read it afresh.
static void ForgetCachedProfile(const char* path) { WritePrivateProfileStringA(nullptr, nullptr, nullptr, path); }

// ---- bursts ---------------------------------------------------------------------

enum { FILE_GAME_INI, FILE_CONFIG, FILE_COUNT };

static bool g_burstActive;
static BurstFile g_burst[FILE_COUNT];
static bool g_leftoverLookedFor[FILE_COUNT];

// A copy that an earlier run left behind when it ended midway through a burst
// is removed the first time this run uses the file.
static void RemoveLeftoverCopy(int file, const char* path) {
  if (g_leftoverLookedFor[file]) return;
  g_leftoverLookedFor[file] = true;
  char copy[MAX_PATH];
  if (SettingsCopyPath(path, kSettingsCopyTag, copy, sizeof copy)) DeleteFileA(copy);
}

// The file an access operation works on: the file itself, or during a burst
// the copy that already holds the burst's writes to it. False when the file's
// path cannot be formed.
static bool AccessPath(int file, char* out) {
  bool ok = file == FILE_GAME_INI ? GetGameIniPath(out) : GetConfigFilePath(out);
  if (!ok) return false;
  RemoveLeftoverCopy(file, out);
  const BurstFile* f = &g_burst[file];
  if (g_burstActive && f->written && !f->failed) TextCopy(f->copy, out, MAX_PATH);
  return true;
}

static SettingsFileKind KindOfFile(const char* path) {
  DWORD attributes = GetFileAttributesA(path);
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? FILE_KIND_MISSING : FILE_KIND_UNKNOWN;
  }
  if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return FILE_KIND_FOLDER;
  if ((attributes & FILE_ATTRIBUTE_READONLY) != 0) return FILE_KIND_READ_ONLY;
  return FILE_KIND_PLAIN;
}

// The burst's first write to a file starts its copy. The game may never have
// run, so the settings folder is made when the file is not there yet.
static void StartCopy(BurstFile* f, const char* path, bool settingsFolder) {
  f->written = true;
  if (!TextCopy(path, f->path, sizeof f->path) || !SettingsCopyPath(path, kSettingsCopyTag, f->copy, sizeof f->copy)) {
    f->failed = true;
    return;
  }
  switch (ChooseCopyStart(KindOfFile(path))) {
    case COPY_FROM_FILE:
      BeforeWrite();
      if (!CopyFileA(path, f->copy, FALSE)) f->failed = true;
      break;
    case COPY_FRESH:
      if (settingsFolder && GetSettingsDir()[0] != '\0') CreateFolderTree(GetSettingsDir());
      if (!DeleteFileA(f->copy) && GetLastError() != ERROR_FILE_NOT_FOUND) f->failed = true;
      break;
    case COPY_REFUSED:
      f->failed = true;
      break;
  }
  ForgetCachedProfile(f->copy);  // the copy of an earlier burst may still be held in memory
}

static BOOL WriteBurstKey(int file, const char* path, const char* section, const char* key, const char* value) {
  BurstFile* f = &g_burst[file];
  if (!f->written) StartCopy(f, path, file == FILE_GAME_INI);
  if (!f->failed && !WriteProfileKey(section, key, value, f->copy)) f->failed = true;
  return f->failed ? FALSE : TRUE;
}

// A write whose file's path cannot be formed: during a burst, that file fails.
static BOOL FailWrite(int file) {
  if (g_burstActive) g_burst[file].written = g_burst[file].failed = true;
  return FALSE;
}

// The copy is on the disk itself, not only in a cache, before it takes the file's place.
static bool FlushToDisk(const char* path) {
  HANDLE h = CreateFileA(path, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  bool ok = FlushFileBuffers(h) != FALSE;
  CloseHandle(h);
  return ok;
}

// One rename over the file, which another program reading the file sees
// either before or after. (ReplaceFileA would keep an access list of the file's
// own, but not every platform does it in one step: Wine moves the file away
// first, and a crash or a read in between finds no settings at all. The copy
// has the file's attributes from CopyFileA.)
static bool PutInPlace(BurstFile* f) {
  BeforeWrite();
  for (int attempts = 1; !MoveFileExA(f->copy, f->path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
       ++attempts) {
    DWORD error = GetLastError();
    if (!TryPlacementAgain(attempts, error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED)) return false;
    Sleep(PLACEMENT_WAIT_MS);
  }
  ForgetCachedProfile(f->path);
  return true;
}

static void EndBurst() {
  g_burstActive = false;
  for (BurstFile& f : g_burst) {
    if (f.written && f.copy[0] != '\0') {
      ForgetCachedProfile(f.copy);
      DeleteFileA(f.copy);
    }
  }
  memset(g_burst, 0, sizeof g_burst);
}

void BeginSettingsBurst() {
  if (g_burstActive) AbandonSettingsBurst();
  memset(g_burst, 0, sizeof g_burst);
  g_burstActive = true;
}

void AbandonSettingsBurst() {
  if (g_burstActive) EndBurst();
}

bool CommitSettingsBurst() {
  if (!g_burstActive) return true;
  for (BurstFile& f : g_burst) {
    if (!f.written || f.failed) continue;
    ForgetCachedProfile(f.copy);
    if (!FlushToDisk(f.copy)) f.failed = true;
  }
  bool saved = BurstCanBePlaced(g_burst, FILE_COUNT);
  if (saved) {
    for (BurstFile& f : g_burst)
      if (f.written && !PutInPlace(&f)) saved = false;
  }
  EndBurst();  // removes whatever copy was not put in place
  return saved;
}

// ---- access operations ------------------------------------------------------------------

int WriteGameIniString(const char* section, const char* key, const char* value) {
  char path[MAX_PATH];
  if (!GetGameIniPath(path)) return FailWrite(FILE_GAME_INI);
  RemoveLeftoverCopy(FILE_GAME_INI, path);
  if (g_burstActive) return WriteBurstKey(FILE_GAME_INI, path, section, key, value);
  BOOL ok = WriteProfileKey(section, key, value, path);
  if (!ok && GetSettingsDir()[0] != '\0') {
    CreateFolderTree(GetSettingsDir());
    ok = WriteProfileKey(section, key, value, path);
  }
  return ok;
}

// The reads of both files: from the file, or from its copy during a burst.
static const char* ReadFileString(int file, const char* section, const char* key, const char* def, char* result) {
  char path[MAX_PATH];
  return ReadString(AccessPath(file, path) ? path : nullptr, section, key, def, result);
}

static unsigned ReadFileInt(int file, const char* section, const char* key, int def) {
  char path[MAX_PATH];
  if (!AccessPath(file, path)) return (unsigned)def;
  return GetPrivateProfileIntA(section, key, def, path);
}

const char* GetGameIniString(const char* section, const char* key, const char* def) {
  return ReadFileString(FILE_GAME_INI, section, key, def, g_gameIniResult);
}

unsigned GetGameIniInt(const char* section, const char* key, int def) {
  return ReadFileInt(FILE_GAME_INI, section, key, def);
}

int WriteGameIniInt(const char* section, const char* key, int value) {
  char text[64];
  wsprintfA(text, "%d", value);
  return WriteGameIniString(section, key, text);
}

unsigned GetConfigInt(const char* section, const char* key, int def) {
  return ReadFileInt(FILE_CONFIG, section, key, def);
}

const char* GetConfigString(const char* section, const char* key, const char* def) {
  return ReadFileString(FILE_CONFIG, section, key, def, g_configResult);
}

int WriteConfigString(const char* section, const char* key, const char* value) {
  char path[MAX_PATH];
  if (!GetConfigFilePath(path)) return FailWrite(FILE_CONFIG);
  RemoveLeftoverCopy(FILE_CONFIG, path);
  if (g_burstActive) return WriteBurstKey(FILE_CONFIG, path, section, key, value);
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
  memset(g_leftoverLookedFor, 0, sizeof g_leftoverLookedFor);
  g_installDir[0] = '\0';
  g_legacyInstallDir[0] = '\0';
  g_settingsDir[0] = '\0';
}
