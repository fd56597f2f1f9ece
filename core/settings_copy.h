// Saving a burst of settings writes as one step per file: the writes go into
// a copy beside the file, and the copies take their files' places only once
// every one of them is complete. The profile writer rewrites the whole file
// for every key, so writing the file itself key by key would leave it half
// old, half new, or cut short, to a crash or to the game reading it meanwhile.
// These are the decisions; core/settings_win.cpp does the file work.
#pragma once
#include <stddef.h>

enum { SETTINGS_PATH_SIZE = 260 };

// The copy of a settings file: in the file's own folder, so that putting it in
// place is one rename within one volume, and named after the file and the
// program ("Zanto.ini" -> "Zanto.ini.m_portal.tmp"): both programs save the
// same Zanto.ini, and neither touches the other's copy. False (out empty)
// when the path names no folder or the name does not fit.
bool SettingsCopyPath(const char* path, const char* program, char* out, size_t size);

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

// One settings file during a burst.
struct BurstFile {
  char path[SETTINGS_PATH_SIZE];  // the file, as formed at the burst's first write to it
  char copy[SETTINGS_PATH_SIZE];  // where the burst's writes to it go
  bool written;                   // the burst wrote to it (or tried)
  bool failed;                    // a step failed: the file has to stay as it was
};

// The copies go in place only when every file the burst wrote to has a
// complete copy: a save is never half of one file, nor one file of two.
bool BurstCanBePlaced(const BurstFile* files, int count);

// Whether putting a copy in place is tried again after a refusal. A file that
// another program (the game starting) has open for a moment cannot be
// replaced, so a refusal for a file in use is tried again a few times, a
// short wait apart; anything else is final.
enum { PLACEMENT_ATTEMPTS = 20, PLACEMENT_WAIT_MS = 25 };
bool TryPlacementAgain(int attemptsMade, bool fileInUse);
