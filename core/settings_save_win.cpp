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
// The keys written in place at commit, with the values they held before.
static SaveLog g_undoLog;
static char g_fileNow[SETTINGS_FILE_BYTES];
static bool g_recordingUntouched;
static LoadedKeys g_loadedKeys;
static char g_failedSaveText[4 * SETTINGS_PATH_SIZE];

static bool g_saveLackedTurn;

static const LockWait* BurstLock() { return g_burstActive ? &g_burstLock : nullptr; }

// The turn is taken only once files themselves are to be written, at commit
// (files written in place are written there too). A page's message or a
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

// The file's bytes now; one that cannot be read whole reads as changed.
static void ReadNow(const char* path, FileStamp* stamp, char* bytes) {
  ContentRead read = ReadContent(path, bytes, SETTINGS_FILE_BYTES, &stamp->size);
  stamp->exists = read != CONTENT_MISSING;
  if (read == CONTENT_TOO_LARGE || read == CONTENT_UNREADABLE) stamp->size = SETTINGS_FILE_BYTES + 1;
}

// The copy of the file as it is now, made from the very bytes that are kept
// to compare the file with before placing, with the file's access list.
static CopyResult TakeCopy(BurstFile* f) {
  memset(&f->stamp, 0, sizeof f->stamp);
  ContentRead read = ReadContent(f->place, f->taken, sizeof f->taken, &f->stamp.size);
  if (read == CONTENT_TOO_LARGE) return COPY_TOO_LARGE;
  if (read == CONTENT_UNREADABLE) return COPY_FAILED;
  f->stamp.exists = read == CONTENT_READ;
  bool made;
  if (!f->stamp.exists) {
    made = DeleteFileA(f->copy) || GetLastError() == ERROR_FILE_NOT_FOUND;
  } else {
    BeforeWrite();
    made = WriteContent(f->copy, f->taken, f->stamp.size, f->place);
  }
  DWORD error = GetLastError();
  ForgetCachedProfile(f->copy);  // the copy of an earlier burst may still be held in memory
  if (!made) return error == ERROR_ACCESS_DENIED ? COPY_NOT_ALLOWED : COPY_FAILED;
  if (f->stamp.exists && CopyLandedElsewhere(f->place, f->copy)) return COPY_VIRTUALISED;
  return !f->stamp.exists || CarryAccessList(f->place, f->copy) ? COPY_MADE : COPY_RIGHTS_NOT_KEPT;
}

// One logged write made on path, where KeyToBeWritten lets it: the value the
// key holds there now decides. undo, when given, gets the value it held.
static bool MakeLoggedWrite(const SaveLog* log, const SaveLogEntry& e, const char* path, SaveLog* undo) {
  const char* section = SaveLogText(log, e.section);
  const char* key = SaveLogText(log, e.key);
  if (e.known && !e.playerChanged) {
    static char now[LOADED_VALUE_SIZE];
    bool present = section != nullptr && key != nullptr && ReadRawValue(path, section, key, now, sizeof now);
    if (!KeyToBeWritten(e.known, e.playerChanged, SaveLogText(log, e.loaded), present ? now : nullptr)) return true;
  }
  if (undo != nullptr) {
    static char before[4096];  // whole, not cut as a page's read is: it goes back as it was
    bool had = section != nullptr && key != nullptr && ReadRawValue(path, section, key, before, sizeof before);
    if (!LogSaveWrite(undo, (SettingsFile)e.file, section, key, had ? before : nullptr)) return false;
  }
  return WriteProfileKey(section, key, SaveLogText(log, e.value), path) != FALSE;
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
  SettingsFileKind kind = KindOfFile(path);
  unsigned links = 1;
  bool found = true;
  if (kind == FILE_KIND_PLAIN || kind == FILE_KIND_READ_ONLY) kind = FindPlace(path, kind, f->place, &links, &found);
  else TextCopy(path, f->place, sizeof f->place);
  CopyStart start = ChooseCopyStart(kind);
  if (lstrcmpiA(f->place, path) != 0) RemoveCopiesInTurn(f->place, BurstLock());
  DWORD id = GetCurrentProcessId();
  if (start == COPY_REFUSED || !SettingsCopyPath(f->place, kSettingsCopyTag, id, COPY_NEW, f->copy, sizeof f->copy) ||
      !SettingsCopyPath(f->place, kSettingsCopyTag, id, COPY_OLD, f->old, sizeof f->old)) {
    f->failed = true;
    return;
  }
  if (start == COPY_FRESH && file == GAME_INI && GetSettingsDir()[0] != '\0') CreateFolderTree(GetSettingsDir());
  CopyResult copy = ChooseSaveRoute(found, links, COPY_MADE) == ROUTE_IN_PLACE ? COPY_MADE : TakeCopy(f);
  switch (ChooseSaveRoute(found, links, copy)) {
    case ROUTE_COPY:
      break;
    case ROUTE_IN_PLACE:
      DeleteFileA(f->copy);
      f->inPlace = true;
      break;
    case ROUTE_REFUSED:
      f->failed = true;
      break;
  }
}

// A write of the sheet's OK carries what the page read at load and whether
// the player changed the value since (FindLoadedKey). A file written in place
// is only logged here: it is written at commit, after the copies.
static BOOL WriteBurstKey(SettingsFile file, const char* path, const char* section, const char* key,
                          const char* value) {
  BurstFile* f = &g_burst[file];
  if (!f->written) StartFile(file, f, path);
  if (f->failed) return FALSE;
  const LoadedKey* loaded = FindLoadedKey(&g_loadedKeys, file, section, key);
  bool changed = loaded != nullptr && (value == nullptr || strcmp(value, loaded->untouched) != 0);
  bool logged = LogSheetWrite(&g_saveLog, file, section, key, value, loaded != nullptr, changed,
                              loaded == nullptr || loaded->missing ? nullptr : loaded->loaded);
  if (f->inPlace) {
    if (!logged) f->failed = true;  // its writes would no longer all be known at commit
  } else if (logged) {
    if (!MakeLoggedWrite(&g_saveLog, g_saveLog.entries[g_saveLog.count - 1], f->copy, nullptr)) f->failed = true;
  } else if (!WriteProfileKey(section, key, value, f->copy)) {  // a full log matters only if the file changes
    f->failed = true;
  }
  return f->failed ? FALSE : TRUE;
}

// A write whose file's path cannot be formed: during a burst, that file fails.
static BOOL FailWrite(SettingsFile file) {
  if (g_burstActive) g_burst[file].written = g_burst[file].failed = true;
  return FALSE;
}

// Another program wrote the file after the copy was taken: a fresh copy, and
// this save's writes to it once more, in their order, by the same rule.
static bool Retake(SettingsFile file, BurstFile* f) {
  if (TakeCopy(f) != COPY_MADE) return false;
  for (int i = 0; i < g_saveLog.count; ++i) {
    const SaveLogEntry& e = g_saveLog.entries[i];
    if (e.file == file && !MakeLoggedWrite(&g_saveLog, e, f->copy, nullptr)) return false;
  }
  return FlushToDisk(f->copy);
}

PlaceStep CheckBeforePlacing(SettingsFile file, BurstFile* f, int retakesMade) {
  FileStamp now;
  ReadNow(f->place, &now, g_fileNow);
  PlaceStep step = ChooseBeforePlacing(SameContent(now, g_fileNow, f->stamp, f->taken), !g_saveLog.overflowed,
                                       retakesMade);
  if (step == PLACE_RETAKE && !Retake(file, f)) return PLACE_REFUSED;
  return step;
}

// The files written in place, once every copy is in place: each logged write
// by the same rule, and on the first that fails, every one of them undone.
static bool WriteInPlaceFiles() {
  ClearSaveLog(&g_undoLog);
  bool ok = true;
  for (int i = 0; i < g_saveLog.count && ok; ++i) {
    const SaveLogEntry& e = g_saveLog.entries[i];
    const BurstFile* f = &g_burst[e.file];
    if (f->written && !f->failed && f->inPlace) ok = MakeLoggedWrite(&g_saveLog, e, f->path, &g_undoLog);
  }
  if (ok) return true;
  for (int i = g_undoLog.count - 1; i >= 0; --i) {
    const SaveLogEntry& e = g_undoLog.entries[i];
    WriteProfileKey(SaveLogText(&g_undoLog, e.section), SaveLogText(&g_undoLog, e.key),
                    SaveLogText(&g_undoLog, e.value), g_burst[e.file].path);
  }
  return false;
}

static void EndBurst() {
  for (BurstFile& f : g_burst) {
    if (!f.written) continue;
    if (f.copy[0] != '\0') {
      ForgetCachedProfile(f.copy);
      DeleteFileA(f.copy);
    }
    // An old copy whose file kept the new content (undoFailed) stays for the
    // next start's leftover handling, as one left by a crash would.
    if (f.old[0] != '\0' && FileExists(f.old)) {
      if (ChooseLeftoverAction(COPY_OLD, FileExists(f.place)) == LEFTOVER_RESTORE) MoveFileA(f.old, f.place);
      else if (!f.undoFailed) DeleteFileA(f.old);
    }
  }
  memset(g_burst, 0, sizeof g_burst);
  ClearSaveLog(&g_saveLog);
  ClearSaveLog(&g_undoLog);
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
  if (saved && !WriteInPlaceFiles()) {
    PutPlacedBack(g_burst, SETTINGS_FILE_COUNT);
    saved = false;
  }
  if (!saved)
    FormFailedSaveText(g_burst, SETTINGS_FILE_COUNT, kSettingsSaveFailed, kSettingsSavedInPart, g_failedSaveText,
                       sizeof g_failedSaveText);
  EndBurst();  // removes whatever copy was not put in place
  return saved;
}

const char* FailedSaveText() { return g_failedSaveText[0] != '\0' ? g_failedSaveText : kSettingsSaveFailed; }

bool SettingsSaveLackedTurn() { return g_saveLackedTurn; }

// ---- the access operations' side ----------------------------------------------------------

bool SettingsAccessPath(SettingsFile file, char* out) {
  if (!FormSettingsPath(file, out)) return false;
  RemoveLeftoverCopies(file, out, BurstLock());
  const BurstFile* f = &g_burst[file];
  if (g_burstActive && f->written && !f->failed && !f->inPlace) TextCopy(f->copy, out, MAX_PATH);
  return true;
}

// What an untouched page writes, with the value each key holds now.
static BOOL RecordUntouched(SettingsFile file, const char* section, const char* key, const char* value) {
  char path[MAX_PATH];
  static char loaded[LOADED_VALUE_SIZE];
  bool present = section != nullptr && key != nullptr && SettingsAccessPath(file, path) &&
                 ReadRawValue(path, section, key, loaded, sizeof loaded);
  return KeepLoadedKey(&g_loadedKeys, file, section, key, present ? loaded : nullptr, value) ? TRUE : FALSE;
}

void BeginRecordingUntouched() { g_recordingUntouched = true; }
void EndRecordingUntouched() { g_recordingUntouched = false; }
void ForgetUntouched() { memset(&g_loadedKeys, 0, sizeof g_loadedKeys); }

int WriteSettingsKey(SettingsFile file, const char* section, const char* key, const char* value) {
  if (g_recordingUntouched) return RecordUntouched(file, section, key, value);
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
