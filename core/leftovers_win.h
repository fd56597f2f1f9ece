// Copies that a save left behind (a run that ended midway through one), found
// beside their files and removed, or put back where they are the file itself
// (core/settings_copy.h: ChooseLeftoverAction).
#pragma once

#include "core/save_lock.h"
#include "core/settings_file.h"

// Removes the copies some save made of the file beside it and left behind,
// or puts the file back from its old copy; the running burst's own, and any
// whose writer (the process id in its name) still runs, are kept.
void RemoveCopiesBeside(const char* path);
// The same while holding the turn: the running burst's (burstLock, null
// outside a burst) or, when it holds none, taken without waiting. False, and
// nothing removed, when another process has the turn.
bool RemoveCopiesInTurn(const char* path, const LockWait* burstLock);
// The same once per file and run, at the file's first use, and only with the
// turn: burstLock is the running burst's, or null outside a burst.
void RemoveLeftoverCopies(SettingsFile file, const char* path, const LockWait* burstLock);
