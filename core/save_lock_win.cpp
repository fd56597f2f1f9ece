// The save lock: one named mutex per session, waited for a bounded time.
#include "core/save_lock_win.h"

#include <windows.h>

// Named per session: both programs of one player meet there, on every system
// (a "Global\" name is unknown to the oldest).
static const char kSaveLockName[] = "ZantoSettingsSave";
static HANDLE g_saveLock;

LockWait TakeSaveLock(unsigned long waitMs) {
  if (g_saveLock == nullptr) g_saveLock = CreateMutexA(nullptr, FALSE, kSaveLockName);
  if (g_saveLock == nullptr) return LOCK_UNAVAILABLE;
  switch (WaitForSingleObject(g_saveLock, waitMs)) {
    case WAIT_OBJECT_0:
      return LOCK_TAKEN;
    case WAIT_ABANDONED:
      return LOCK_ABANDONED;
    case WAIT_TIMEOUT:
      return LOCK_TIMED_OUT;
    default:
      return LOCK_UNAVAILABLE;
  }
}

void ReleaseSaveLock(LockWait wait) {
  if (LeftoversMayBeRemoved(wait)) ReleaseMutex(g_saveLock);
}
