// Named mutexes in which every process of this player meets, whatever its
// integrity level: a program run "as administrator" and the same player's
// other program, run normally, must see one instance and take turns at the
// settings files. A mutex made with the default security of an elevated
// process lets a normal one neither open it whole (its access list names the
// administrators only, and its high mandatory label refuses every write-like
// right to a lower level) nor make its own under that name. These are the
// decisions; core/shared_mutex_win.cpp makes the mutexes.
#pragma once
#include <stddef.h>

// The security descriptor, in the platform's descriptor language: the player's
// account (userSid, as "S-1-5-...") and the system get every right, the
// interactive logon may wait on it and release it (the player elevated under
// an administrator's account is still the player at the keyboard), nobody
// else anything; the access list is not inherited from anywhere. withLabel
// adds a low mandatory label that refuses writes from below only: every level
// of the player's processes, low included, is at or above it, so none is
// refused. Systems before Vista know no labels. False (out empty) when userSid
// is empty or holds anything but a SID's digits and dashes, or the text does
// not fit.
bool FormSharedMutexDescriptor(const char* userSid, bool withLabel, char* out, size_t size);

// What creating a named mutex told.
enum MutexClaim {
  MUTEX_CREATED,  // ours: no process had it
  MUTEX_EXISTS,   // another process made it; the handle may wait on it
  MUTEX_DENIED,   // another process made it and lets this one not even wait on it
  MUTEX_FAILED,   // no mutex at all (a different kind of object holds the name, no resources)
};
enum { ERROR_CODE_ALREADY_EXISTS = 183, ERROR_CODE_ACCESS_DENIED = 5 };
MutexClaim ClaimOfCreate(bool gotHandle, unsigned long lastError);
