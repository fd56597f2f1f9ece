// What is at a settings file's place, and so how a save writes it: through a
// copy that takes the file's place, in place key by key, or not at all.
// core/file_kind_win.cpp looks at the file, its links and its access list.
#pragma once
#include <stddef.h>

// What is at a settings file's place when a burst first writes to it.
enum SettingsFileKind {
  FILE_KIND_MISSING,    // nothing (the folder may be missing too)
  FILE_KIND_PLAIN,      // a file that may be replaced
  FILE_KIND_READ_ONLY,  // a file the player protected
  FILE_KIND_FOLDER,     // a folder in the file's place
  FILE_KIND_UNKNOWN,    // cannot be told: it may hold settings
};

// How a burst's copy starts. A copy left behind by a run that ended midway
// through a burst is never read as settings: it is overwritten or removed.
enum CopyStart {
  COPY_FROM_FILE,  // a copy of the file as it is now, over any older copy
  COPY_FRESH,      // no file yet: any older copy is removed, the first write creates it
  COPY_REFUSED,    // the file must not change; the burst fails for it
};
CopyStart ChooseCopyStart(SettingsFileKind kind);

// How a plain file is written. A copy that took the file's place would part it
// from its other names (a hard link keeps the old content), could not be made
// in a folder that lets no new file be made (a locked-down PC, the .CFG beside
// the program), and, where it cannot carry the file's own access list, would
// drop a deny entry. Such a file is written in place, key by key as before
// the copies, each write still whole; a copy that fails otherwise (a full
// disk) fails the save, as the file itself would be cut short.
enum CopyResult {
  COPY_MADE,           // the copy exists and carries the file's access list
  COPY_NOT_ALLOWED,    // the folder refused a new file
  COPY_RIGHTS_NOT_KEPT,  // the copy could not be given the file's access list
  COPY_FAILED,         // any other failure
};
enum SaveRoute { ROUTE_COPY, ROUTE_IN_PLACE, ROUTE_REFUSED };
SaveRoute ChooseSaveRoute(unsigned links, CopyResult copy);

// A path the platform gives back for an open file ("\\?\C:\...", "\\?\UNC\server\share\...")
// in the form the profile functions take. False when it is none of these or does not fit.
bool NormalizeFinalPath(const char* finalPath, char* out, size_t size);
