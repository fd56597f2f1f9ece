// What is at a settings file's place (core/file_kind.h): its kind, where the
// file itself is behind a symbolic link, how many names it has, and whether a
// copy can carry its access list.
#pragma once

#include "core/file_kind.h"

SettingsFileKind KindOfFile(const char* path);
// Where the file itself is (place, MAX_PATH bytes), and how many names it has.
void FindPlace(const char* path, char* place, unsigned* links);
// Gives the copy the file's own access list; false where that cannot be done.
bool CarryAccessList(const char* from, const char* to);
