// The write side of the two settings files, shared by the access operations
// (core/settings_win.cpp) and the save machinery: a single write, or a burst
// of them run by core/settings_save_win.cpp.
#pragma once

#include "core/settings_file.h"
#include "core/settings_save.h"

// The file an access operation reads: the file itself, or during a burst the
// copy that already holds the burst's writes to it. False when the file's
// path cannot be formed.
bool SettingsAccessPath(SettingsFile file, char* out);

// One key written through an access operation: into the burst's copy during
// a burst, else into the file itself, in turn with the other program's saves.
int WriteSettingsKey(SettingsFile file, const char* section, const char* key, const char* value);

// A new run looks for leftover copies again (ResetFolderCache).
void ForgetLeftoverSearch();

// Whether a path is a copy the running burst made (core/leftovers_win.cpp
// leaves it alone).
bool IsBurstCopy(const char* path);
// Right before a file's copy goes in place (core/placement_win.cpp): if
// another program wrote the file since the copy was taken, a fresh copy with
// this burst's writes made again. False when that cannot be done.
bool BringUpToDate(SettingsFile file, BurstFile* f);
