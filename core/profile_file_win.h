// One key of a settings file, or of a save's copy of it, written whole, and
// the file helpers every step of a save shares.
#pragma once
#include <windows.h>
#include <stddef.h>

#include "core/settings_file.h"

// The settings file's own path; false when it cannot be formed.
bool FormSettingsPath(SettingsFile file, char* out);
// Creates the settings folder and its parents (the game may never have run).
void CreateFolderTree(const char* folder);
// The folder of a path, with its trailing separator; false without one.
bool FolderOf(const char* path, char* out, size_t size);
bool FileExists(const char* path);

// g_settingsWriteHook, before every write of a save's step.
void BeforeWrite();
// One key, or nothing and failure where the disk has no room to rewrite the file.
BOOL WriteProfileKey(const char* section, const char* key, const char* value, const char* path);
// The platform keeps profile files in memory between calls. After a file was
// put in place behind its back, this makes the next call read it afresh.
void ForgetCachedProfile(const char* path);
