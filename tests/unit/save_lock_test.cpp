// The turns that saves take.
#include "core/save_lock.h"

#include <gtest/gtest.h>

namespace {

TEST(SaveLock, BoundedWaitFailsTheSaveAndOnlyTheHolderClears) {
  EXPECT_TRUE(SaveMayProceed(LOCK_TAKEN) && SaveMayProceed(LOCK_ABANDONED) && SaveMayProceed(LOCK_UNAVAILABLE));
  EXPECT_FALSE(SaveMayProceed(LOCK_TIMED_OUT));
  EXPECT_TRUE(LeftoversMayBeRemoved(LOCK_ABANDONED));
  EXPECT_FALSE(LeftoversMayBeRemoved(LOCK_UNAVAILABLE) || LeftoversMayBeRemoved(LOCK_TIMED_OUT));
}

}  // namespace
