// Writing one key of a profile file so that the file is never left cut short,
// and the path and folder helpers of the save.
#include "core/profile_file_win.h"

#include <string.h>

#include "core/placement.h"
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

ContentRead ReadContent(const char* path, char* bytes, unsigned size, unsigned* length) {
  *length = 0;
  HANDLE h;
  // Windows 95/98/Me refuse the delete sharing that lets another save put
  // its copy in place while this one reads.
  DWORD sharing = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
  for (int attempts = 1;; ++attempts) {
    h = CreateFileA(path, GENERIC_READ, sharing, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h != INVALID_HANDLE_VALUE) break;
    DWORD error = GetLastError();
    if (error == ERROR_INVALID_PARAMETER && (sharing & FILE_SHARE_DELETE) != 0) {
      sharing &= ~FILE_SHARE_DELETE;
      continue;
    }
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return CONTENT_MISSING;
    if (!TryPlacementAgain(attempts, error == ERROR_SHARING_VIOLATION)) return CONTENT_UNREADABLE;
    Sleep(PLACEMENT_WAIT_MS);
  }
  ContentRead result = CONTENT_READ;
  for (;;) {
    DWORD got = 0;
    char probe;
    char* into = *length < size ? bytes + *length : &probe;
    DWORD room = *length < size ? size - *length : 1;
    if (!ReadFile(h, into, room, &got, nullptr)) {
      result = CONTENT_UNREADABLE;
      break;
    }
    if (got == 0) break;
    if (into == &probe) {
      result = CONTENT_TOO_LARGE;
      break;
    }
    *length += got;
  }
  CloseHandle(h);
  return result;
}

bool WriteContent(const char* path, const char* bytes, unsigned length, const char* like) {
  DWORD attributes = GetFileAttributesA(like);
  attributes = attributes == INVALID_FILE_ATTRIBUTES
                   ? FILE_ATTRIBUTE_NORMAL
                   : attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE);
  SetFileAttributesA(path, FILE_ATTRIBUTE_NORMAL);  // an older copy must not refuse being replaced
  HANDLE h = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                         attributes != 0 ? attributes : FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  DWORD put = 0;
  bool ok = length == 0 || (WriteFile(h, bytes, length, &put, nullptr) && put == length);
  DWORD error = GetLastError();
  CloseHandle(h);
  if (!ok) {
    DeleteFileA(path);
    SetLastError(error);
  }
  return ok;
}

bool ReadRawValue(const char* path, const char* section, const char* key, char* out, unsigned size) {
  // No value of a settings file starts with these bytes; the read gives them
  // back only for a missing key.
  static const char kMissing[] = "\x01\x02missing";
  if (size == 0) return false;
  GetPrivateProfileStringA(section, key, kMissing, out, size, path);
  out[size - 1] = '\0';
  if (strcmp(out, kMissing) == 0) {
    out[0] = '\0';
    return false;
  }
  CutAtCharBoundary(out, size - 1);
  return true;
}
