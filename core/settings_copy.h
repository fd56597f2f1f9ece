// Saving a burst of settings writes as one step per file: the writes go into
// a copy beside the file, and the copies take their files' places only once
// every one of them is complete. The profile writer rewrites the whole file
// for every key, so writing the file itself key by key would leave it half
// old, half new, or cut short, to a crash or to the game reading it meanwhile.
// Both programs, any number of times over, and the game save the same
// Zanto.ini: saves of the programs take turns, and a change the game made
// while a copy was being written is kept. These are the decisions;
// core/settings_save_win.cpp does the file work.
#pragma once
#include <stddef.h>

enum { SETTINGS_PATH_SIZE = 260 };

// The copies of a settings file a save makes: the new content, and the old
// content kept while a second file is put in place after the first.
enum CopyRole { COPY_NEW, COPY_OLD };

// A copy of a settings file: in the file's own folder, so that putting it in
// place is one rename within one volume, and named after the file, the
// program and the process ("Zanto.ini" -> "Zanto.ini.m_portal.1234.tmp"), so
// that no other process, of either program, ever writes into it. Where that
// name does not fit the path limit, a short one that fits beside any file of
// nine bytes or more ("~z00001ya"). False (out empty) when the path names
// no folder or neither name fits.
bool SettingsCopyPath(const char* path, const char* program, unsigned long processId, CopyRole role, char* out,
                      size_t size);
// The file name within a path (after its last folder separator), or null.
const char* SettingsFileName(const char* path);

// Whether a name found in a settings file's folder is a copy that some save
// made of that file (by this or an earlier version of either program): only
// such a name is ever removed as a leftover.
bool IsSettingsCopyName(const char* name, const char* fileName, CopyRole* role);

// A leftover copy, found while no save is running. A new copy is never settings
// of its own. An old copy whose file is missing is the file itself, caught
// between the two steps of a placement on a system that cannot rename over a
// file: it goes back in place.
enum LeftoverAction { LEFTOVER_REMOVE, LEFTOVER_RESTORE };
LeftoverAction ChooseLeftoverAction(CopyRole role, bool fileExists);

// Saves of the two programs take turns through one lock held from a save's
// first write to its last placement, and a leftover copy is removed only
// while holding it. The wait is bounded: a save that cannot have its turn
// fails (nothing written, the player told) rather than hang the window. A lock
// whose holder ended without letting go is taken over: its copies are
// leftovers, and the files themselves are whole (a placement is one rename).
// Where no lock can be made at all, saves go on as before it existed.
enum LockWait { LOCK_TAKEN, LOCK_ABANDONED, LOCK_TIMED_OUT, LOCK_UNAVAILABLE };
enum { SAVE_LOCK_WAIT_MS = 30000 };
bool SaveMayProceed(LockWait wait);
// Whether leftovers may be removed: only by the lock's holder.
bool LeftoversMayBeRemoved(LockWait wait);

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

// When a file was last seen: enough to tell that another program wrote it.
struct FileStamp {
  bool exists;
  unsigned long long size;
  unsigned long long written;  // last-write time
};
bool SameStamp(const FileStamp& a, const FileStamp& b);

// The writes of one save, in order, so that they can be made again on a fresh
// copy when another program changed the file after the copy was taken. Fixed
// room: a save that outgrows it is still saved while nobody else touched its
// files, and fails honestly when they did, rather than lose either side.
enum { SAVE_LOG_ENTRIES = 512, SAVE_LOG_BYTES = 32768, SAVE_LOG_NONE = 0xFFFF };
struct SaveLogEntry {
  unsigned char file;
  unsigned short section, key, value;  // offsets into text, SAVE_LOG_NONE for a null name or value
};
struct SaveLog {
  SaveLogEntry entries[SAVE_LOG_ENTRIES];
  int count;
  char text[SAVE_LOG_BYTES];
  size_t used;
  bool overflowed;
};
void ClearSaveLog(SaveLog* log);
// False, and the log marked incomplete, when the write does not fit.
bool LogSaveWrite(SaveLog* log, int file, const char* section, const char* key, const char* value);
// A name or value of an entry (null where the write had none).
const char* SaveLogText(const SaveLog* log, unsigned short offset);

// Before a copy goes in place: the file must still be the one the copy was
// taken from. If another program wrote it meanwhile, a fresh copy is taken and
// the save's writes are made on it again, a few times at most (keys this save
// did not write keep the other program's values, keys it wrote take this
// save's); with the writes no longer all known, the save fails.
enum PlaceStep { PLACE_NOW, PLACE_RETAKE, PLACE_REFUSED };
enum { PLACEMENT_RETAKES = 3 };
PlaceStep ChooseBeforePlacing(bool fileUnchanged, bool logComplete, int retakesMade);

// One settings file during a burst.
struct BurstFile {
  char path[SETTINGS_PATH_SIZE];   // the file, as formed at the burst's first write to it
  char place[SETTINGS_PATH_SIZE];  // the file itself: a symbolic link's target, else path
  char copy[SETTINGS_PATH_SIZE];   // where the burst's writes to it go
  char old[SETTINGS_PATH_SIZE];    // its old content, while a later file is put in place
  bool written;                    // the burst wrote to it (or tried)
  bool failed;                     // a step failed: the file has to stay as it was
  bool inPlace;                    // written in place (ROUTE_IN_PLACE): nothing to put in place
  bool placed;                     // its copy took its place during this commit
  FileStamp stamp;                 // the file when its copy was taken
};

// The copies go in place only when every file the burst wrote to has a
// complete copy: a save is never half of one file, nor one file of two.
bool BurstCanBePlaced(const BurstFile* files, int count);

// Files are put in place in order, and the first that cannot be ends the
// commit: the files already put in place get their old content back, so that
// "nothing was saved" is true. So a file's old content is kept when a later
// file is still to be put in place.
bool KeepOldContent(const BurstFile* files, int count, int index);

// Whether putting a copy in place is tried again after a refusal. A file that
// another program (the game starting) has open for a moment cannot be
// replaced, so a refusal for a file in use is tried again a few times, a
// short wait apart; anything else is final.
enum { PLACEMENT_ATTEMPTS = 20, PLACEMENT_WAIT_MS = 25 };
bool TryPlacementAgain(int attemptsMade, bool fileInUse);

// How a copy is put in place. Windows 95/98/Me have no rename over an existing
// file (MoveFileExA fails there with ERROR_CALL_NOT_IMPLEMENTED): there the
// file is first renamed to its old copy and the new copy then renamed to the
// file, so that a crash in between leaves the file under its old copy's name,
// which the next run puts back (ChooseLeftoverAction).
enum { ERROR_CODE_CALL_NOT_IMPLEMENTED = 120 };
enum PlacementCall { PLACE_BY_RENAME_OVER, PLACE_BY_TWO_RENAMES };
PlacementCall ChoosePlacementCall(unsigned long renameOverError);

// A path the platform gives back for an open file ("\\?\C:\...", "\\?\UNC\server\share\...")
// in the form the profile functions take. False when it is none of these or does not fit.
bool NormalizeFinalPath(const char* finalPath, char* out, size_t size);
