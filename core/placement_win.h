// Putting a burst's copies in place, in order, and undoing that for the files
// already placed when a later one cannot be (core/placement.h).
#pragma once

#include "core/settings_save.h"

// The file on the disk itself, not only in a cache.
bool FlushToDisk(const char* path);
// Forgets the cached profile under both of the file's names.
void ForgetFile(const BurstFile* f);
// Every written file of the burst that has a copy, in order; false, with
// those already placed given their old content back, when one cannot be.
bool PutAllInPlace(BurstFile* files, int count);
