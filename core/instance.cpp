#include "core/instance.h"

InstanceStep ChooseInstanceStep(MutexClaim claim, bool windowFound, bool firstEnded, unsigned long waitedMs) {
  if (claim == MUTEX_CREATED || firstEnded) return INSTANCE_RUN;
  if (windowFound) return INSTANCE_HAND_OVER;
  if (claim == MUTEX_FAILED || waitedMs >= INSTANCE_WAIT_MS) return INSTANCE_RUN;
  return INSTANCE_WAIT;
}
