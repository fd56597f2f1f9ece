// What a burst of settings writes keeps while it runs: for each file, where
// its writes go and how far it got, and the log of every write in order, so
// that they can be made again on a fresh copy. core/settings_save_win.cpp runs
// the burst.
#pragma once
#include <stddef.h>

#include "core/settings_copy.h"
#include "core/settings_file.h"

// A settings file as a save took its copy: whether it was there, and its
// bytes (BurstFile::taken). Before the copy goes in place, the file's bytes
// are compared with these: a time stamp does not tell a write of the same
// size within one tick (2 s on FAT) from none. The files are small; one the
// save cannot hold whole is written in place (COPY_TOO_LARGE). Windows 9x
// profile functions handle no larger file either.
enum { SETTINGS_FILE_BYTES = 65536 };
struct FileStamp {
  bool exists;
  unsigned size;
};
bool SameContent(const FileStamp& a, const char* aBytes, const FileStamp& b, const char* bBytes);

// A key of the sheet's OK that another program may have changed since the
// page read it. Where the file still holds the value read at load, the key is
// written as the page gives it (a file nobody else touched gets exactly the
// bytes it always got, normalised values and defaults included); where the
// file holds another value now, the page's value replaces it only when the
// player changed that control, else the other program's value stays. A key
// no page read (known false) is always written. Values are raw texts, null
// for a missing key.
bool KeyToBeWritten(bool known, bool playerChanged, const char* loaded, const char* now);

// The writes of one save, in order, so that they can be made again on a fresh
// copy when another program changed the file after the copy was taken. Fixed
// room: a save that outgrows it is still saved while nobody else touched its
// files, and fails honestly when they did, rather than lose either side.
enum { SAVE_LOG_ENTRIES = 512, SAVE_LOG_BYTES = 32768, SAVE_LOG_NONE = 0xFFFF };
struct SaveLogEntry {
  unsigned char file;                  // a SettingsFile
  bool known, playerChanged;           // as KeyToBeWritten takes them
  unsigned short section, key, value;  // offsets into text, SAVE_LOG_NONE for a null name or value
  unsigned short loaded;               // the value read at load, SAVE_LOG_NONE where the key was missing
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
// The same with what the page read at load (KeyToBeWritten).
bool LogSheetWrite(SaveLog* log, SettingsFile file, const char* section, const char* key, const char* value,
                   bool known, bool playerChanged, const char* loaded);
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
  bool undoFailed;                 // placed, and its old content could not be put back: it keeps the new
  FileStamp stamp;                 // the file when its copy was taken
  char taken[SETTINGS_FILE_BYTES]; // its bytes then
};

// What each page of the open sheet read at load, per key: the raw value then
// (missing or its text, cut as a read cuts it) and what the page writes for
// the key while the player changes nothing. Recorded right after the page's
// load; a key recorded again replaces its entry.
enum { LOADED_KEYS = 96, LOADED_NAME_SIZE = 64, LOADED_VALUE_SIZE = 256 };
struct LoadedKey {
  unsigned char file;
  bool missing;
  char section[LOADED_NAME_SIZE], key[LOADED_NAME_SIZE];
  char loaded[LOADED_VALUE_SIZE], untouched[LOADED_VALUE_SIZE];
};
struct LoadedKeys {
  LoadedKey keys[LOADED_KEYS];
  int count;
};
// False when the table is full or a text does not fit: the key is then
// written as if no page had read it.
bool KeepLoadedKey(LoadedKeys* table, SettingsFile file, const char* section, const char* key, const char* loaded,
                   const char* untouched);
// The entry of a key (names match regardless of case, as in the file), or null.
const LoadedKey* FindLoadedKey(const LoadedKeys* table, SettingsFile file, const char* section, const char* key);
