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

// A file's bytes, up to size: CONTENT_READ with *length, CONTENT_MISSING when
// there is no file, CONTENT_TOO_LARGE, or CONTENT_UNREADABLE. A file another
// program holds for a moment is tried again as a placement is.
enum ContentRead { CONTENT_READ, CONTENT_MISSING, CONTENT_TOO_LARGE, CONTENT_UNREADABLE };
ContentRead ReadContent(const char* path, char* bytes, unsigned size, unsigned* length);
// A new file with these bytes and the attributes of the file at like
// (hidden, system, archive); false with the platform's error left as it was.
bool WriteContent(const char* path, const char* bytes, unsigned length, const char* like);
// A key's raw value as a read gives it (at most size - 1 bytes, cut at a
// character boundary); false, out empty, when the key is missing.
bool ReadRawValue(const char* path, const char* section, const char* key, char* out, unsigned size);
