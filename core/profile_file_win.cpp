// Writing one key of a profile file so that the file is never left cut short,
// and the path and folder helpers of the save.
#include "core/profile_file_win.h"

#include <string.h>

#include "core/settings.h"
#include "core/settings_copy.h"
#include "core/text.h"

bool FormSettingsPath(SettingsFile file, char* out) {
  return file == GAME_INI ? GetGameIniPath(out) : GetConfigFilePath(out);
}

void CreateFolderTree(const char* folder) {
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

bool FolderOf(const char* path, char* out, size_t size) {
  const char* name = SettingsFileName(path);
  if (name == nullptr || (size_t)(name - path) >= size) return false;
  memcpy(out, path, (size_t)(name - path));
  out[name - path] = '\0';
  return true;
}

bool FileExists(const char* path) { return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES; }

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
  if (!FolderOf(path, folder, sizeof folder)) return true;
  ULARGE_INTEGER available;
  if (!GetDiskFreeSpaceExA(folder, &available, nullptr, nullptr)) return true;
  unsigned long long size = ((unsigned long long)info.nFileSizeHigh << 32) | info.nFileSizeLow;
  unsigned long long added = (section != nullptr ? strlen(section) : 0) + (key != nullptr ? strlen(key) : 0) +
                             (value != nullptr ? strlen(value) : 0) + 8;
  return available.QuadPart >= size + added + 4096;  // and a block to spare
}

SettingsWriteHook g_settingsWriteHook = nullptr;

void BeforeWrite() {
  if (g_settingsWriteHook != nullptr) g_settingsWriteHook();
}

BOOL WriteProfileKey(const char* section, const char* key, const char* value, const char* path) {
  if (!RoomToRewrite(path, section, key, value)) return FALSE;
  BeforeWrite();
  return WritePrivateProfileStringA(section, key, value, path);
}

void ForgetCachedProfile(const char* path) { WritePrivateProfileStringA(nullptr, nullptr, nullptr, path); }
