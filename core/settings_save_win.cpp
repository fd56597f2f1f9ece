// Saving the settings files: single writes, and bursts of writes through
// copies, with the log that replays a burst's writes on a fresh copy. The
// steps are each in a file of their own: the turns (save_lock_win.cpp),
// leftovers (leftovers_win.cpp), what a file is (file_kind_win.cpp), the
// placement and its undoing (placement_win.cpp), one key written whole
// (profile_file_win.cpp); their decisions in the matching .h files.
#include "core/settings_save_win.h"

#include <windows.h>
#include <string.h>

#include "core/edition.h"
#include "core/file_kind_win.h"
#include "core/leftovers_win.h"
#include "core/placement.h"
#include "core/placement_win.h"
#include "core/profile_file_win.h"
#include "core/save_lock_win.h"
#include "core/settings.h"
#include "core/text.h"

static bool g_burstActive;
static LockWait g_burstLock = LOCK_UNAVAILABLE;
static BurstFile g_burst[SETTINGS_FILE_COUNT];
static SaveLog g_saveLog;

static bool g_saveLackedTurn;

static const LockWait* BurstLock() { return g_burstActive ? &g_burstLock : nullptr; }

// The turn is taken only once files themselves are to be written: at commit,
// or at the first write to a file written in place. A page's message or a
// dialog that waits for the player never holds up the other program's saves.
static bool TakeBurstTurn() {
  if (g_burstLock == LOCK_NOT_ASKED) g_burstLock = TakeSaveLock(SAVE_LOCK_WAIT_MS);
  if (!SaveMayProceed(g_burstLock)) g_saveLackedTurn = true;
  return SaveMayProceed(g_burstLock);
}

static bool BurstWroteAnything() {
  for (const BurstFile& f : g_burst)
    if (f.written) return true;
  return false;
}

bool IsBurstCopy(const char* path) {
  for (const BurstFile& f : g_burst)
    if ((f.copy[0] != '\0' && lstrcmpiA(f.copy, path) == 0) || (f.old[0] != '\0' && lstrcmpiA(f.old, path) == 0))
      return true;
  return false;
}

static void ReadStamp(const char* path, FileStamp* stamp) {
  WIN32_FILE_ATTRIBUTE_DATA info;
  memset(stamp, 0, sizeof *stamp);
  if (!GetFileAttributesExA(path, GetFileExInfoStandard, &info)) return;
  stamp->exists = true;
  stamp->size = ((unsigned long long)info.nFileSizeHigh << 32) | info.nFileSizeLow;
  stamp->written = ((unsigned long long)info.ftLastWriteTime.dwHighDateTime << 32) | info.ftLastWriteTime.dwLowDateTime;
}

// The copy of the file as it is now (its stamp read first, so that a change
// made while copying shows), with the file's access list.
static CopyResult TakeCopy(BurstFile* f) {
  ReadStamp(f->place, &f->stamp);
  bool made;
  if (!f->stamp.exists) {
    made = DeleteFileA(f->copy) || GetLastError() == ERROR_FILE_NOT_FOUND;
  } else {
    BeforeWrite();
    made = CopyFileA(f->place, f->copy, FALSE) != FALSE;
  }
  DWORD error = GetLastError();
  ForgetCachedProfile(f->copy);  // the copy of an earlier burst may still be held in memory
  if (!made) return error == ERROR_ACCESS_DENIED ? COPY_NOT_ALLOWED : COPY_FAILED;
  return !f->stamp.exists || CarryAccessList(f->place, f->copy) ? COPY_MADE : COPY_RIGHTS_NOT_KEPT;
}

// The burst's first write to a file decides how the file is saved. The game
// may never have run, so the settings folder is made when the file is not
// there yet.
static void StartFile(SettingsFile file, BurstFile* f, const char* path) {
  f->written = true;
  if (!SaveMayProceed(g_burstLock) || !TextCopy(path, f->path, sizeof f->path)) {
    f->failed = true;
    return;
  }
  RemoveLeftoverCopies(file, path, BurstLock());
  CopyStart start = ChooseCopyStart(KindOfFile(path));
  unsigned links = 1;
  if (start == COPY_FROM_FILE) FindPlace(path, f->place, &links);
  else TextCopy(path, f->place, sizeof f->place);
  if (lstrcmpiA(f->place, path) != 0) RemoveCopiesInTurn(f->place, BurstLock());
  DWORD id = GetCurrentProcessId();
  if (start == COPY_REFUSED || !SettingsCopyPath(f->place, kSettingsCopyTag, id, COPY_NEW, f->copy, sizeof f->copy) ||
      !SettingsCopyPath(f->place, kSettingsCopyTag, id, COPY_OLD, f->old, sizeof f->old)) {
    f->failed = true;
    return;
  }
  if (start == COPY_FRESH && file == GAME_INI && GetSettingsDir()[0] != '\0') CreateFolderTree(GetSettingsDir());
  CopyResult copy = ChooseSaveRoute(links, COPY_MADE) == ROUTE_IN_PLACE ? COPY_MADE : TakeCopy(f);
  switch (ChooseSaveRoute(links, copy)) {
    case ROUTE_COPY:
      break;
    case ROUTE_IN_PLACE:
      DeleteFileA(f->copy);
      f->inPlace = true;
      if (!TakeBurstTurn()) f->failed = true;  // the file itself is written from here on
      break;
    case ROUTE_REFUSED:
      f->failed = true;
      break;
  }
}

static BOOL WriteBurstKey(SettingsFile file, const char* path, const char* section, const char* key,
                          const char* value) {
  BurstFile* f = &g_burst[file];
  if (!f->written) StartFile(file, f, path);
  if (f->failed) return FALSE;
  LogSaveWrite(&g_saveLog, file, section, key, value);  // a full log matters only if the file changes
  if (!WriteProfileKey(section, key, value, f->inPlace ? f->path : f->copy)) f->failed = true;
  return f->failed ? FALSE : TRUE;
}

// A write whose file's path cannot be formed: during a burst, that file fails.
static BOOL FailWrite(SettingsFile file) {
  if (g_burstActive) g_burst[file].written = g_burst[file].failed = true;
  return FALSE;
}

// Another program wrote the file after the copy was taken: a fresh copy, and
// this save's writes to it once more, in their order.
static bool Retake(SettingsFile file, BurstFile* f) {
  if (TakeCopy(f) != COPY_MADE) return false;
  for (int i = 0; i < g_saveLog.count; ++i) {
    const SaveLogEntry& e = g_saveLog.entries[i];
    if (e.file == file && !WriteProfileKey(SaveLogText(&g_saveLog, e.section), SaveLogText(&g_saveLog, e.key),
                                           SaveLogText(&g_saveLog, e.value), f->copy))
      return false;
  }
  return FlushToDisk(f->copy);
}

bool BringUpToDate(SettingsFile file, BurstFile* f) {
  for (int retakes = 0;; ++retakes) {
    FileStamp now;
    ReadStamp(f->place, &now);
    switch (ChooseBeforePlacing(SameStamp(now, f->stamp), !g_saveLog.overflowed, retakes)) {
      case PLACE_NOW:
        return true;
      case PLACE_REFUSED:
        return false;
      case PLACE_RETAKE:
        if (!Retake(file, f)) return false;
        break;
    }
  }
}

static void EndBurst() {
  for (BurstFile& f : g_burst) {
    if (!f.written) continue;
    if (f.copy[0] != '\0') {
      ForgetCachedProfile(f.copy);
      DeleteFileA(f.copy);
    }
    if (f.old[0] != '\0' && FileExists(f.old)) {
      if (ChooseLeftoverAction(COPY_OLD, FileExists(f.place)) == LEFTOVER_RESTORE) MoveFileA(f.old, f.place);
      else DeleteFileA(f.old);
    }
  }
  memset(g_burst, 0, sizeof g_burst);
  ClearSaveLog(&g_saveLog);
  g_burstActive = false;
  ReleaseSaveLock(g_burstLock);
  g_burstLock = LOCK_UNAVAILABLE;
}

void BeginSettingsBurst() {
  if (g_burstActive) AbandonSettingsBurst();
  memset(g_burst, 0, sizeof g_burst);
  ClearSaveLog(&g_saveLog);
  g_burstLock = LOCK_NOT_ASKED;
  g_saveLackedTurn = false;
  g_burstActive = true;
}

void AbandonSettingsBurst() {
  if (g_burstActive) EndBurst();
}

bool CommitSettingsBurst() {
  if (!g_burstActive) return true;
  bool turn = !BurstWroteAnything() || TakeBurstTurn();
  for (BurstFile& f : g_burst)
    if (f.written && !f.failed && !f.inPlace && !FlushToDisk(f.copy)) f.failed = true;
  bool saved = turn && BurstCanBePlaced(g_burst, SETTINGS_FILE_COUNT) && PutAllInPlace(g_burst, SETTINGS_FILE_COUNT);
  EndBurst();  // removes whatever copy was not put in place
  return saved;
}

bool SettingsSaveLackedTurn() { return g_saveLackedTurn; }

// ---- the access operations' side ----------------------------------------------------------

bool SettingsAccessPath(SettingsFile file, char* out) {
  if (!FormSettingsPath(file, out)) return false;
  RemoveLeftoverCopies(file, out, BurstLock());
  const BurstFile* f = &g_burst[file];
  if (g_burstActive && f->written && !f->failed && !f->inPlace) TextCopy(f->copy, out, MAX_PATH);
  return true;
}

int WriteSettingsKey(SettingsFile file, const char* section, const char* key, const char* value) {
  char path[MAX_PATH];
  if (!FormSettingsPath(file, path)) return FailWrite(file);
  if (g_burstActive) return WriteBurstKey(file, path, section, key, value);
  LockWait wait = TakeSaveLock(SAVE_LOCK_WAIT_MS);
  BOOL ok = FALSE;
  if (SaveMayProceed(wait)) {
    RemoveLeftoverCopies(file, path, nullptr);
    ok = WriteProfileKey(section, key, value, path);
    if (!ok && file == GAME_INI && GetSettingsDir()[0] != '\0') {
      CreateFolderTree(GetSettingsDir());
      ok = WriteProfileKey(section, key, value, path);
    }
  }
  ReleaseSaveLock(wait);
  return ok;
}
