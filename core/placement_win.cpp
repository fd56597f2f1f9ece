// The renames that put copies in place and that put old content back.
#include "core/placement_win.h"

#include <windows.h>

#include "core/file_kind_win.h"
#include "core/placement.h"
#include "core/profile_file_win.h"
#include "core/settings_save_win.h"

bool FlushToDisk(const char* path) {
  ForgetCachedProfile(path);
  HANDLE h = CreateFileA(path, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  bool ok = FlushFileBuffers(h) != FALSE;
  CloseHandle(h);
  return ok;
}

// A file that another program has open for a moment cannot be replaced,
// removed or given back: each such step is tried again as a placement is.
static bool InUse(DWORD error) { return error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED; }

// Windows 95/98/Me: the file steps aside under its old copy's name (or goes,
// when that copy already holds its content), then the copy takes its name.
// A crash between the two leaves no file but its old copy, which the next
// run puts back.
static bool RenameInTwoSteps(const char* from, const char* to, const char* aside) {
  if (aside != nullptr && !FileExists(aside)) {
    if (FileExists(to) && !MoveFileA(to, aside)) return false;
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
    if (!TryPlacementAgain(attempts, InUse(error))) return false;
    Sleep(PLACEMENT_WAIT_MS);
  }
  return true;
}

void ForgetFile(const BurstFile* f) {
  ForgetCachedProfile(f->place);
  if (lstrcmpiA(f->place, f->path) != 0) ForgetCachedProfile(f->path);
}

static bool RemovePlacedFile(const char* path) {
  for (int attempts = 1; !DeleteFileA(path); ++attempts) {
    DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND) return true;
    if (!TryPlacementAgain(attempts, InUse(error))) return false;
    Sleep(PLACEMENT_WAIT_MS);
  }
  return true;
}

// The old content is copied first and the file compared last, right before
// the rename: a change made while anything else was done still shows. After
// a fresh copy the file may have come or gone, so whether its old content is
// needed is asked again. The old copy carries the file's own access list,
// which a rollback would otherwise replace with its folder's.
static bool PutInPlace(BurstFile* files, int count, int index) {
  BurstFile* f = &files[index];
  for (int retakes = 0;; ++retakes) {
    if (KeepOldContent(files, count, index)) {
      BeforeWrite();
      if (!CopyFileA(f->place, f->old, FALSE)) return false;
      if (!CarryAccessList(f->place, f->old)) {
        DeleteFileA(f->old);
        return false;
      }
    }
    BeforeWrite();
    PlaceStep step = CheckBeforePlacing((SettingsFile)index, f, retakes);
    if (step == PLACE_REFUSED) return false;
    if (step == PLACE_NOW) break;
  }
  if (!RenameOver(f->copy, f->place, f->old)) return false;
  f->placed = true;
  ForgetFile(f);
  return true;
}

// A file that was not there before the save is not there after it either.
// False when the file keeps the new content all the same.
static bool PutOldBack(BurstFile* f) {
  if (!(f->stamp.exists ? RenameOver(f->old, f->place, nullptr) : RemovePlacedFile(f->place))) return false;
  ForgetFile(f);
  return true;
}

void PutPlacedBack(BurstFile* files, int count) {
  for (int j = 0; j < count; ++j)
    if (files[j].placed && !PutOldBack(&files[j])) files[j].undoFailed = true;
}

// In order; the first file that cannot be put in place ends the commit, and
// those already in place get their old content back. One that cannot, as
// another program holds it for longer than the retries, keeps the new content
// and its old copy, which the next start's leftover handling deals with.
bool PutAllInPlace(BurstFile* files, int count) {
  for (int i = 0; i < count; ++i) {
    BurstFile* f = &files[i];
    if (!f->written || f->inPlace) continue;
    if (!PutInPlace(files, count, i)) {
      PutPlacedBack(files, count);
      return false;
    }
  }
  return true;
}
