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

static WriterLook LookForProcess(unsigned long id) {
  HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, id);
  if (process == nullptr) return GetLastError() == ERROR_INVALID_PARAMETER ? WRITER_NOT_FOUND : WRITER_NOT_TOLD;
  bool ended = WaitForSingleObject(process, 0) == WAIT_OBJECT_0;
  CloseHandle(process);
  return ended ? WRITER_ENDED : WRITER_RUNNING;
}

static bool WriterGone(const char* name, const char* fileName, CopyRole role) {
  unsigned long id = 0;
  bool named = SettingsCopyWriter(name, fileName, role, &id);
  bool self = named && id == GetCurrentProcessId();
  return LeftoverWriterGone(named, self, named && !self ? LookForProcess(id) : WRITER_NOT_TOLD);
}

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
        !TextFormat(found, sizeof found, "%s%s", folder, data.cFileName) || IsBurstCopy(found) ||
        !WriterGone(data.cFileName, SettingsFileName(path), role))
      continue;
    if (ChooseLeftoverAction(role, FileExists(path)) == LEFTOVER_RESTORE)
      MoveFileA(found, path);
    else
      DeleteFileA(found);
  } while (FindNextFileA(search, &data));
  FindClose(search);
}

bool RemoveCopiesInTurn(const char* path, const LockWait* burstLock) {
  bool holding = burstLock != nullptr && LeftoversMayBeRemoved(*burstLock);
  LockWait wait = holding ? *burstLock : TakeSaveLock(0);
  bool swept = LeftoversMayBeRemoved(wait);
  if (swept) RemoveCopiesBeside(path);
  if (!holding) ReleaseSaveLock(wait);
  return swept;
}

// A copy that an earlier run left behind when it ended midway through a save
// is removed the first time this run uses the file, only while this run holds
// the turn, and only once its writer is gone: a burst writes its copy before
// it takes the turn. When another is saving, the next use looks again.
void RemoveLeftoverCopies(SettingsFile file, const char* path, const LockWait* burstLock) {
  if (!g_leftoversLookedFor[file] && RemoveCopiesInTurn(path, burstLock)) g_leftoversLookedFor[file] = true;
}

void ForgetLeftoverSearch() { memset(g_leftoversLookedFor, 0, sizeof g_leftoversLookedFor); }
