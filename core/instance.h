// One m_portal per player's session, however fast it is started twice (a
// double click seen as two). A mutex of our own decides before any window is
// looked for: the start that creates it is the instance; a start that finds
// it waits a few seconds for the instance's main window, known by a mark of
// its own (never by its title, which every message box of the instance
// carries too), and hands over to it. A first instance that ends, or shows no
// window within the wait, leaves the start to go on as the only one. These are
// the decisions; core/instance_win.cpp does the looking.
#pragma once

#include "core/shared_mutex.h"

enum InstanceStep { INSTANCE_RUN, INSTANCE_HAND_OVER, INSTANCE_WAIT };
enum { INSTANCE_WAIT_MS = 5000, INSTANCE_LOOK_MS = 50 };

// claim: what creating the instance mutex told; firstEnded: the first
// instance let go of the mutex (this start holds it now); waitedMs since the
// first look. Without any mutex (MUTEX_FAILED) the window is looked for once,
// as before the mutex decided.
InstanceStep ChooseInstanceStep(MutexClaim claim, bool windowFound, bool firstEnded, unsigned long waitedMs);
