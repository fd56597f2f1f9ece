// The write side of the two settings files, shared by the access operations
// (core/settings_win.cpp) and the save machinery (core/settings_save_win.cpp).
#pragma once

enum { FILE_GAME_INI, FILE_CONFIG, FILE_COUNT };

// The file an access operation reads: the file itself, or during a burst the
// copy that already holds the burst's writes to it. False when the file's
// path cannot be formed.
bool SettingsAccessPath(int file, char* out);

// One key written through an access operation: into the burst's copy during
// a burst, else into the file itself, in turn with the other program's saves.
int WriteSettingsKey(int file, const char* section, const char* key, const char* value);

// A new run looks for leftover copies again (ResetFolderCache).
void ForgetLeftoverSearch();
