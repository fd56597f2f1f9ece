// Where a system DLL is loaded from: always by full path in the system folder.
#pragma once
#include <stddef.h>

// systemDir + "\" + name into out. systemLength is what GetSystemDirectoryA
// returned for a buffer of systemSize bytes: 0 (failed) or a length that does
// not fit that buffer refuses, as does a path that does not fit out. False
// leaves out empty, so nothing is ever loaded by a bare or cut name.
bool SystemLibraryPath(const char* systemDir, size_t systemLength, size_t systemSize, const char* name,
                       char* out, size_t size);
