// Leftover copies: which are removed, which put back, and when that is safe.
#include "core/leftovers_win.h"

#include <windows.h>
#include <string.h>

#include "core/profile_file_win.h"
#include "core/save_lock_win.h"
#include "core/settings_copy.h"
#include "core/settings_save_win.h"
#include "core/text.h"

static bool g_leftoversLookedFor[SETTINGS_FILE_COUNT];

void RemoveCopiesBeside(const char* path) {
  char folder[MAX_PATH], pattern[MAX_PATH], found[MAX_PATH];
  WIN32_FIND_DATAA data;
  if (!FolderOf(path, folder, sizeof folder) || !TextFormat(pattern, sizeof pattern, "%s*", folder)) return;
  HANDLE search = FindFirstFileA(pattern, &data);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    CopyRole role;
    if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ||
        !IsSettingsCopyName(data.cFileName, SettingsFileName(path), &role) ||
        !TextFormat(found, sizeof found, "%s%s", folder, data.cFileName) || IsBurstCopy(found))
      continue;
    if (ChooseLeftoverAction(role, FileExists(path)) == LEFTOVER_RESTORE)
      MoveFileA(found, path);
    else
      DeleteFileA(found);
  } while (FindNextFileA(search, &data));
  FindClose(search);
}

// A copy that an earlier run left behind when it ended midway through a save
// is removed the first time this run uses the file, and only while this run
// holds the turn: no other process is saving then, so no live copy is taken.
// When another is saving, the next use looks again.
void RemoveLeftoverCopies(SettingsFile file, const char* path, const LockWait* burstLock) {
  if (g_leftoversLookedFor[file]) return;
  LockWait wait = burstLock != nullptr ? *burstLock : TakeSaveLock(0);
  if (LeftoversMayBeRemoved(wait)) {
    g_leftoversLookedFor[file] = true;
    RemoveCopiesBeside(path);
  }
  if (burstLock == nullptr) ReleaseSaveLock(wait);
}

void ForgetLeftoverSearch() { memset(g_leftoversLookedFor, 0, sizeof g_leftoversLookedFor); }
