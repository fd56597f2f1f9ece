// The turns that saves take. Saves of both programs go through one lock, held
// only while files are written and put in place: a burst writes its copies
// without it (no other process writes them) and takes it at commit, so it is
// never held while a window of ours waits for the player (a message on page 0,
// a dialog), and a file that another save changed meanwhile is brought up to
// date before its copy goes in place. A leftover copy is removed only while
// holding it. The wait is bounded and keeps the window answering: a save that
// cannot have its turn fails (nothing written, the player told) rather than
// hang the window. A lock whose holder ended without letting go is taken over:
// its copies are leftovers, and the files themselves are whole (a placement is
// one rename). A save never goes on without the lock: where none can be had
// (the lock of an elevated run of an older version refuses this one), it fails
// and says so, as a save without it could lose the other's keys.
// core/save_lock_win.cpp takes and releases it.
#pragma once

enum LockWait {
  LOCK_TAKEN,
  LOCK_ABANDONED,
  LOCK_TIMED_OUT,
  LOCK_UNAVAILABLE,
  LOCK_NOT_ASKED,  // a burst that has written nothing yet that needs the turn
};
enum { SAVE_LOCK_WAIT_MS = 30000 };
bool SaveMayProceed(LockWait wait);
// Whether leftovers may be removed: only by the lock's holder.
bool LeftoversMayBeRemoved(LockWait wait);
