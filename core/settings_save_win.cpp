// Saving the settings files: single writes, bursts through copies, the turns
// the programs take, and what a file that is not a plain file in a writable
// folder needs. The decisions are in core/settings_copy.cpp.
#include "core/settings_save_win.h"

#include <windows.h>
#include <string.h>

#include "core/edition.h"
#include "core/settings.h"
#include "core/settings_copy.h"
#include "core/system_dll_win.h"
#include "core/text.h"

static bool FormPath(int file, char* out) { return file == FILE_GAME_INI ? GetGameIniPath(out) : GetConfigFilePath(out); }

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

// The folder of a path, with its trailing separator; false without one.
static bool FolderOf(const char* path, char* out, size_t size) {
  const char* name = SettingsFileName(path);
  if (name == nullptr || (size_t)(name - path) >= size) return false;
  memcpy(out, path, (size_t)(name - path));
  out[name - path] = '\0';
  return true;
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
  if (!FolderOf(path, folder, sizeof folder)) return true;
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

static bool Exists(const char* path) { return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES; }

// ---- turns --------------------------------------------------------------------------

// Named per session: both programs of one player meet there, on every system
// (a "Global\" name is unknown to the oldest).
static const char kSaveLockName[] = "ZantoSettingsSave";
static HANDLE g_saveLock;

static LockWait TakeSaveLock(DWORD waitMs) {
  if (g_saveLock == nullptr) g_saveLock = CreateMutexA(nullptr, FALSE, kSaveLockName);
  if (g_saveLock == nullptr) return LOCK_UNAVAILABLE;
  switch (WaitForSingleObject(g_saveLock, waitMs)) {
    case WAIT_OBJECT_0:
      return LOCK_TAKEN;
    case WAIT_ABANDONED:
      return LOCK_ABANDONED;
    case WAIT_TIMEOUT:
      return LOCK_TIMED_OUT;
    default:
      return LOCK_UNAVAILABLE;
  }
}

static void ReleaseSaveLock(LockWait wait) {
  if (LeftoversMayBeRemoved(wait)) ReleaseMutex(g_saveLock);
}

// ---- leftovers ----------------------------------------------------------------------

static bool g_burstActive;
static LockWait g_burstLock = LOCK_UNAVAILABLE;
static BurstFile g_burst[FILE_COUNT];
static SaveLog g_saveLog;
static bool g_leftoversLookedFor[FILE_COUNT];

static bool IsOwnCopy(const char* path) {
  for (const BurstFile& f : g_burst)
    if ((f.copy[0] != '\0' && lstrcmpiA(f.copy, path) == 0) || (f.old[0] != '\0' && lstrcmpiA(f.old, path) == 0))
      return true;
  return false;
}

// Removes the copies some save made of the file beside it and left behind,
// or puts the file back from its old copy (ChooseLeftoverAction).
static void RemoveCopiesBeside(const char* path) {
  char folder[MAX_PATH], pattern[MAX_PATH], found[MAX_PATH];
  WIN32_FIND_DATAA data;
  if (!FolderOf(path, folder, sizeof folder) || !TextFormat(pattern, sizeof pattern, "%s*", folder)) return;
  HANDLE search = FindFirstFileA(pattern, &data);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    CopyRole role;
    if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ||
        !IsSettingsCopyName(data.cFileName, SettingsFileName(path), &role) ||
        !TextFormat(found, sizeof found, "%s%s", folder, data.cFileName) || IsOwnCopy(found))
      continue;
    if (ChooseLeftoverAction(role, Exists(path)) == LEFTOVER_RESTORE)
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
static void RemoveLeftoverCopies(int file, const char* path) {
  if (g_leftoversLookedFor[file]) return;
  LockWait wait = g_burstActive ? g_burstLock : TakeSaveLock(0);
  if (LeftoversMayBeRemoved(wait)) {
    g_leftoversLookedFor[file] = true;
    RemoveCopiesBeside(path);
  }
  if (!g_burstActive) ReleaseSaveLock(wait);
}

void ForgetLeftoverSearch() { memset(g_leftoversLookedFor, 0, sizeof g_leftoversLookedFor); }

// ---- what a file is -------------------------------------------------------------------

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

static void ReadStamp(const char* path, FileStamp* stamp) {
  WIN32_FILE_ATTRIBUTE_DATA info;
  memset(stamp, 0, sizeof *stamp);
  if (!GetFileAttributesExA(path, GetFileExInfoStandard, &info)) return;
  stamp->exists = true;
  stamp->size = ((unsigned long long)info.nFileSizeHigh << 32) | info.nFileSizeLow;
  stamp->written = ((unsigned long long)info.ftLastWriteTime.dwHighDateTime << 32) | info.ftLastWriteTime.dwLowDateTime;
}

// Where the file itself is, and how many names it has. A symbolic link is
// followed to its target, so that the copy takes the target's place and the
// link stays. Windows before Vista has no such query (nor links to files).
static void FindPlace(const char* path, char* place, unsigned* links) {
  TextCopy(path, place, MAX_PATH);
  *links = 1;
  HANDLE h = CreateFileA(path, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return;
  BY_HANDLE_FILE_INFORMATION info;
  if (GetFileInformationByHandle(h, &info)) *links = info.nNumberOfLinks;
  typedef DWORD(WINAPI * FinalPathFn)(HANDLE, LPSTR, DWORD, DWORD);
  FinalPathFn finalPath = (FinalPathFn)FindKernelFunction("GetFinalPathNameByHandleA");
  char final[MAX_PATH + 16], resolved[MAX_PATH];
  if (finalPath != nullptr) {
    DWORD n = finalPath(h, final, sizeof final, 0 /* FILE_NAME_NORMALIZED | VOLUME_NAME_DOS */);
    if (n > 0 && n < sizeof final && NormalizeFinalPath(final, resolved, sizeof resolved) &&
        lstrcmpiA(resolved, path) != 0)
      TextCopy(resolved, place, MAX_PATH);
  }
  CloseHandle(h);
}

// The copy gets the file's own access list, which a new file would otherwise
// take from its folder (a deny entry of the file would be dropped). A system
// or volume without access lists has none to carry.
static bool CarryAccessList(const char* from, const char* to) {
  typedef BOOL(WINAPI * GetFn)(LPCSTR, SECURITY_INFORMATION, PSECURITY_DESCRIPTOR, DWORD, LPDWORD);
  typedef BOOL(WINAPI * SetFn)(LPCSTR, SECURITY_INFORMATION, PSECURITY_DESCRIPTOR);
  HMODULE advapi = GetModuleHandleA("advapi32.dll");
  GetFn get = advapi != nullptr ? (GetFn)(void*)GetProcAddress(advapi, "GetFileSecurityA") : nullptr;
  SetFn set = advapi != nullptr ? (SetFn)(void*)GetProcAddress(advapi, "SetFileSecurityA") : nullptr;
  if (get == nullptr || set == nullptr) return true;
  static union {
    SECURITY_DESCRIPTOR aligned;
    unsigned char bytes[8192];
  } descriptor;
  DWORD needed = 0;
  if (!get(from, DACL_SECURITY_INFORMATION, &descriptor, sizeof descriptor, &needed)) {
    DWORD error = GetLastError();
    return error == ERROR_CALL_NOT_IMPLEMENTED || error == ERROR_NOT_SUPPORTED;
  }
  return set(to, DACL_SECURITY_INFORMATION, &descriptor) != FALSE;
}

// ---- bursts ---------------------------------------------------------------------------

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
static void StartFile(int file, BurstFile* f, const char* path) {
  f->written = true;
  if (!SaveMayProceed(g_burstLock) || !TextCopy(path, f->path, sizeof f->path)) {
    f->failed = true;
    return;
  }
  RemoveLeftoverCopies(file, path);
  CopyStart start = ChooseCopyStart(KindOfFile(path));
  unsigned links = 1;
  if (start == COPY_FROM_FILE) FindPlace(path, f->place, &links);
  else TextCopy(path, f->place, sizeof f->place);
  if (lstrcmpiA(f->place, path) != 0 && LeftoversMayBeRemoved(g_burstLock)) RemoveCopiesBeside(f->place);
  DWORD id = GetCurrentProcessId();
  if (start == COPY_REFUSED || !SettingsCopyPath(f->place, kSettingsCopyTag, id, COPY_NEW, f->copy, sizeof f->copy) ||
      !SettingsCopyPath(f->place, kSettingsCopyTag, id, COPY_OLD, f->old, sizeof f->old)) {
    f->failed = true;
    return;
  }
  if (start == COPY_FRESH && file == FILE_GAME_INI && GetSettingsDir()[0] != '\0') CreateFolderTree(GetSettingsDir());
  CopyResult copy = ChooseSaveRoute(links, COPY_MADE) == ROUTE_IN_PLACE ? COPY_MADE : TakeCopy(f);
  switch (ChooseSaveRoute(links, copy)) {
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

static BOOL WriteBurstKey(int file, const char* path, const char* section, const char* key, const char* value) {
  BurstFile* f = &g_burst[file];
  if (!f->written) StartFile(file, f, path);
  if (f->failed) return FALSE;
  LogSaveWrite(&g_saveLog, file, section, key, value);  // a full log matters only if the file changes
  if (!WriteProfileKey(section, key, value, f->inPlace ? f->path : f->copy)) f->failed = true;
  return f->failed ? FALSE : TRUE;
}

// A write whose file's path cannot be formed: during a burst, that file fails.
static BOOL FailWrite(int file) {
  if (g_burstActive) g_burst[file].written = g_burst[file].failed = true;
  return FALSE;
}

// The copy is on the disk itself, not only in a cache, before it takes the file's place.
static bool FlushToDisk(const char* path) {
  ForgetCachedProfile(path);
  HANDLE h = CreateFileA(path, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  bool ok = FlushFileBuffers(h) != FALSE;
  CloseHandle(h);
  return ok;
}

// Another program wrote the file after the copy was taken: a fresh copy, and
// this save's writes to it once more, in their order.
static bool Retake(int file, BurstFile* f) {
  if (TakeCopy(f) != COPY_MADE) return false;
  for (int i = 0; i < g_saveLog.count; ++i) {
    const SaveLogEntry& e = g_saveLog.entries[i];
    if (e.file == file && !WriteProfileKey(SaveLogText(&g_saveLog, e.section), SaveLogText(&g_saveLog, e.key),
                                           SaveLogText(&g_saveLog, e.value), f->copy))
      return false;
  }
  return FlushToDisk(f->copy);
}

static bool BringUpToDate(int file, BurstFile* f) {
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

// Windows 95/98/Me: the file steps aside under its old copy's name (or goes,
// when that copy already holds its content), then the copy takes its name.
// A crash between the two leaves no file but its old copy, which the next
// run puts back.
static bool RenameInTwoSteps(const char* from, const char* to, const char* aside) {
  if (aside != nullptr && !Exists(aside)) {
    if (Exists(to) && !MoveFileA(to, aside)) return false;
  } else if (!DeleteFileA(to) && GetLastError() != ERROR_FILE_NOT_FOUND) {
    return false;
  }
  if (MoveFileA(from, to)) return true;
  if (aside != nullptr) MoveFileA(aside, to);
  return false;
}

// One rename over the file, which another program reading the file sees
// either before or after. (ReplaceFileA would keep an access list of the file's
// own, but not every platform does it in one step: Wine moves the file away
// first, and a crash or a read in between finds no settings at all.)
static bool RenameOver(const char* from, const char* to, const char* aside) {
  for (int attempts = 1; !MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH); ++attempts) {
    DWORD error = GetLastError();
    if (ChoosePlacementCall(error) == PLACE_BY_TWO_RENAMES) return RenameInTwoSteps(from, to, aside);
    if (!TryPlacementAgain(attempts, error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED)) return false;
    Sleep(PLACEMENT_WAIT_MS);
  }
  return true;
}

static void ForgetFile(const BurstFile* f) {
  ForgetCachedProfile(f->place);
  if (lstrcmpiA(f->place, f->path) != 0) ForgetCachedProfile(f->path);
}

static bool PutInPlace(int file, BurstFile* f, bool keepOld) {
  if (!BringUpToDate(file, f)) return false;
  if (keepOld) {
    BeforeWrite();
    if (!CopyFileA(f->place, f->old, FALSE)) return false;
  }
  BeforeWrite();
  if (!RenameOver(f->copy, f->place, f->old)) return false;
  f->placed = true;
  ForgetFile(f);
  return true;
}

// A file that was not there before the save is not there after it either.
static void PutOldBack(BurstFile* f) {
  if (f->stamp.exists ? RenameOver(f->old, f->place, nullptr) : DeleteFileA(f->place) != FALSE) ForgetFile(f);
}

// In order; the first file that cannot be put in place ends the commit, and
// those already in place get their old content back.
static bool PutAllInPlace() {
  for (int i = 0; i < FILE_COUNT; ++i) {
    BurstFile* f = &g_burst[i];
    if (!f->written || f->inPlace) continue;
    if (!PutInPlace(i, f, KeepOldContent(g_burst, FILE_COUNT, i))) {
      for (int j = 0; j < i; ++j)
        if (g_burst[j].placed) PutOldBack(&g_burst[j]);
      return false;
    }
  }
  return true;
}

static void EndBurst() {
  for (BurstFile& f : g_burst) {
    if (!f.written) continue;
    if (f.copy[0] != '\0') {
      ForgetCachedProfile(f.copy);
      DeleteFileA(f.copy);
    }
    if (f.old[0] != '\0' && Exists(f.old)) {
      if (ChooseLeftoverAction(COPY_OLD, Exists(f.place)) == LEFTOVER_RESTORE) MoveFileA(f.old, f.place);
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
  g_burstLock = TakeSaveLock(SAVE_LOCK_WAIT_MS);
  g_burstActive = true;
}

void AbandonSettingsBurst() {
  if (g_burstActive) EndBurst();
}

bool CommitSettingsBurst() {
  if (!g_burstActive) return true;
  for (BurstFile& f : g_burst)
    if (f.written && !f.failed && !f.inPlace && !FlushToDisk(f.copy)) f.failed = true;
  bool saved = BurstCanBePlaced(g_burst, FILE_COUNT) && PutAllInPlace();
  EndBurst();  // removes whatever copy was not put in place
  return saved;
}

// ---- the access operations' side ----------------------------------------------------------

bool SettingsAccessPath(int file, char* out) {
  if (!FormPath(file, out)) return false;
  RemoveLeftoverCopies(file, out);
  const BurstFile* f = &g_burst[file];
  if (g_burstActive && f->written && !f->failed && !f->inPlace) TextCopy(f->copy, out, MAX_PATH);
  return true;
}

int WriteSettingsKey(int file, const char* section, const char* key, const char* value) {
  char path[MAX_PATH];
  if (!FormPath(file, path)) return FailWrite(file);
  if (g_burstActive) return WriteBurstKey(file, path, section, key, value);
  LockWait wait = TakeSaveLock(SAVE_LOCK_WAIT_MS);
  BOOL ok = FALSE;
  if (SaveMayProceed(wait)) {
    RemoveLeftoverCopies(file, path);
    ok = WriteProfileKey(section, key, value, path);
    if (!ok && file == FILE_GAME_INI && GetSettingsDir()[0] != '\0') {
      CreateFolderTree(GetSettingsDir());
      ok = WriteProfileKey(section, key, value, path);
    }
  }
  ReleaseSaveLock(wait);
  return ok;
}
