// The turns that saves take. Saves of both programs go through one lock, held
// from a save's first write to its last placement, and a leftover copy is
// removed only while holding it. The wait is bounded: a save that cannot have
// its turn fails (nothing written, the player told) rather than hang the
// window. A lock whose holder ended without letting go is taken over: its
// copies are leftovers, and the files themselves are whole (a placement is one
// rename). Where no lock can be made at all, saves go on as before it existed.
// core/save_lock_win.cpp takes and releases it.
#pragma once

enum LockWait { LOCK_TAKEN, LOCK_ABANDONED, LOCK_TIMED_OUT, LOCK_UNAVAILABLE };
enum { SAVE_LOCK_WAIT_MS = 30000 };
bool SaveMayProceed(LockWait wait);
// Whether leftovers may be removed: only by the lock's holder.
bool LeftoversMayBeRemoved(LockWait wait);
