// What a burst of settings writes keeps while it runs: for each file, where
// its writes go and how far it got, and the log of every write in order, so
// that they can be made again on a fresh copy. core/settings_save_win.cpp runs
// the burst.
#pragma once
#include <stddef.h>

#include "core/settings_copy.h"
#include "core/settings_file.h"

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
  unsigned char file;                  // a SettingsFile
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
bool LogSaveWrite(SaveLog* log, SettingsFile file, const char* section, const char* key, const char* value);
// A name or value of an entry (null where the write had none).
const char* SaveLogText(const SaveLog* log, unsigned short offset);

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
