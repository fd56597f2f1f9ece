#include "core/save_lock.h"

bool SaveMayProceed(LockWait wait) { return wait != LOCK_TIMED_OUT; }

bool LeftoversMayBeRemoved(LockWait wait) { return wait == LOCK_TAKEN || wait == LOCK_ABANDONED; }
