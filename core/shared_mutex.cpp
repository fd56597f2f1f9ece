#include "core/shared_mutex.h"

#include "core/text.h"

static bool IsSidText(const char* sid) {
  if (sid == nullptr || sid[0] != 'S' || sid[1] != '-') return false;
  for (const char* p = sid + 2; *p != '\0'; ++p)
    if (!((*p >= '0' && *p <= '9') || *p == '-')) return false;
  return sid[2] != '\0';
}

// GA: every right of the object. 0x00100001: SYNCHRONIZE | MUTEX_MODIFY_STATE,
// enough to wait on the mutex and release it. ML;;NW;;;LW: low mandatory label,
// no write up.
bool FormSharedMutexDescriptor(const char* userSid, bool withLabel, char* out, size_t size) {
  if (!IsSidText(userSid)) {
    if (size > 0) out[0] = '\0';
    return false;
  }
  return TextFormat(out, size, "D:P(A;;GA;;;%s)(A;;GA;;;SY)(A;;0x00100001;;;IU)%s", userSid,
                    withLabel ? "S:(ML;;NW;;;LW)" : "");
}

MutexClaim ClaimOfCreate(bool gotHandle, unsigned long lastError) {
  if (gotHandle) return lastError == ERROR_CODE_ALREADY_EXISTS ? MUTEX_EXISTS : MUTEX_CREATED;
  return lastError == ERROR_CODE_ACCESS_DENIED ? MUTEX_DENIED : MUTEX_FAILED;
}
