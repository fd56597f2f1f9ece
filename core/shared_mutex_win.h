// Named mutexes that every process of this player can wait on, elevated or
// not (core/shared_mutex.h): the instance mutex of m_portal and the turns at
// the settings files.
#pragma once
#include <windows.h>

#include "core/shared_mutex.h"

// Creates the mutex under name with the shared descriptor (where the system
// has descriptors), owned by this thread when owned and it is new. A mutex
// that exists and refuses to be opened whole is opened with the rights to
// wait on it and release it. Null, *claim MUTEX_DENIED or MUTEX_FAILED, when
// neither gives a handle.
HANDLE CreateSharedMutex(const char* name, bool owned, MutexClaim* claim);
