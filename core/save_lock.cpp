#include "core/save_lock.h"

bool SaveMayProceed(LockWait wait) { return wait != LOCK_TIMED_OUT && wait != LOCK_UNAVAILABLE; }

bool LeftoversMayBeRemoved(LockWait wait) { return wait == LOCK_TAKEN || wait == LOCK_ABANDONED; }
