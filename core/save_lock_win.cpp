// The save lock: one named mutex per session, waited for a bounded time.
#include "core/save_lock_win.h"

#include <windows.h>

#include "core/shared_mutex_win.h"

// Named per session: both programs of one player meet there, on every system
// (a "Global\" name is unknown to the oldest), elevated or not (core/shared_mutex.h).
static const char kSaveLockName[] = "ZantoSettingsSave";
static HANDLE g_saveLock;

// The waiting window keeps painting and answering the messages other programs
// send it, so that Windows never calls it "not responding"; the player's input
// waits in the queue until the save is done, as a second OK or a Cancel must
// not run inside this one.
static DWORD WaitAnswering(HANDLE lock, DWORD waitMs) {
  const DWORD ROUND_MS = 100;
  const int PAINTS_PER_ROUND = 32;
  DWORD started = GetTickCount();
  for (;;) {
    DWORD waited = GetTickCount() - started;
    DWORD left = waited >= waitMs ? 0 : waitMs - waited;
    DWORD woken = MsgWaitForMultipleObjects(1, &lock, FALSE, left < ROUND_MS ? left : ROUND_MS, QS_SENDMESSAGE | QS_PAINT);
    if (woken != WAIT_OBJECT_0 + 1 && woken != WAIT_TIMEOUT) return woken;
    MSG msg;
    PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);  // delivers sent messages
    for (int i = 0; i < PAINTS_PER_ROUND && PeekMessageA(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE); ++i)
      DispatchMessageA(&msg);
    if (left == 0) return WAIT_TIMEOUT;
  }
}

LockWait TakeSaveLock(unsigned long waitMs) {
  if (g_saveLock == nullptr) {
    MutexClaim claim;
    g_saveLock = CreateSharedMutex(kSaveLockName, false, &claim);
  }
  if (g_saveLock == nullptr) return LOCK_UNAVAILABLE;
  switch (waitMs == 0 ? WaitForSingleObject(g_saveLock, 0) : WaitAnswering(g_saveLock, waitMs)) {
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
