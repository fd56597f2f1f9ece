// Which start of m_portal is the instance: the mutex decides, the window only hands over.
#include "core/instance.h"

#include <gtest/gtest.h>

TEST(InstanceStep, TheMutexDecidesAndTheWaitIsBounded) {
  // The start that made the mutex never looks for a window.
  EXPECT_EQ(ChooseInstanceStep(MUTEX_CREATED, true, false, 0), INSTANCE_RUN);
  // A second start, its mutex made by the first or refused by an elevated one:
  // hands over once the first's window is there, waits for it a few seconds.
  for (MutexClaim second : {MUTEX_EXISTS, MUTEX_DENIED}) {
    EXPECT_EQ(ChooseInstanceStep(second, true, false, 0), INSTANCE_HAND_OVER);
    EXPECT_EQ(ChooseInstanceStep(second, false, false, INSTANCE_WAIT_MS - 1), INSTANCE_WAIT);
    EXPECT_EQ(ChooseInstanceStep(second, false, false, INSTANCE_WAIT_MS), INSTANCE_RUN);
  }
  // The first ended during the wait: this start is the instance now.
  EXPECT_EQ(ChooseInstanceStep(MUTEX_EXISTS, true, true, 10), INSTANCE_RUN);
  // No mutex at all: one look, as before the mutex.
  EXPECT_EQ(ChooseInstanceStep(MUTEX_FAILED, true, false, 0), INSTANCE_HAND_OVER);
  EXPECT_EQ(ChooseInstanceStep(MUTEX_FAILED, false, false, 0), INSTANCE_RUN);
}
