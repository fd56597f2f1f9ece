// The renames that put copies in place and that put old content back.
#include "core/placement_win.h"

#include <windows.h>

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
    if (!TryPlacementAgain(attempts, error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED)) return false;
    Sleep(PLACEMENT_WAIT_MS);
  }
  return true;
}

void ForgetFile(const BurstFile* f) {
  ForgetCachedProfile(f->place);
  if (lstrcmpiA(f->place, f->path) != 0) ForgetCachedProfile(f->path);
}

static bool PutInPlace(SettingsFile file, BurstFile* f, bool keepOld) {
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
bool PutAllInPlace(BurstFile* files, int count) {
  for (int i = 0; i < count; ++i) {
    BurstFile* f = &files[i];
    if (!f->written || f->inPlace) continue;
    if (!PutInPlace((SettingsFile)i, f, KeepOldContent(files, count, i))) {
      for (int j = 0; j < i; ++j)
        if (files[j].placed) PutOldBack(&files[j]);
      return false;
    }
  }
  return true;
}
