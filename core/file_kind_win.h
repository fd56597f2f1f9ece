// What is at a settings file's place (core/file_kind.h): its kind, where the
// file itself is behind a symbolic link, how many names it has, whether a
// copy can carry its access list, and whether UAC virtualisation moved the copy.
#pragma once

#include "core/file_kind.h"

SettingsFileKind KindOfFile(const char* path);
// Where the file itself is (place, MAX_PATH bytes), how many names it has, and
// its kind judged on the file itself (a link's target; kind where it cannot be
// opened). found is false where the file's own path cannot be had.
SettingsFileKind FindPlace(const char* path, SettingsFileKind kind, char* place, unsigned* links, bool* found);
// Gives the copy the file's own access list; false where that cannot be done.
bool CarryAccessList(const char* from, const char* to);
// Whether UAC virtualisation put the copy elsewhere than beside the file (CopyIsVirtualised).
bool CopyLandedElsewhere(const char* place, const char* copy);
