// The lock through which saves of every process of both programs take turns
// (core/save_lock.h).
#pragma once

#include "core/save_lock.h"

LockWait TakeSaveLock(unsigned long waitMs);
// Lets go of a lock that TakeSaveLock gave (LOCK_TAKEN or LOCK_ABANDONED).
void ReleaseSaveLock(LockWait wait);
