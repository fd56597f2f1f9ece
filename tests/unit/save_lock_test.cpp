// The turns that saves take.
#include "core/save_lock.h"

#include <gtest/gtest.h>

namespace {

// Never a save without the lock: one that cannot be had fails as a timed-out one does.
TEST(SaveLock, BoundedWaitFailsTheSaveAndOnlyTheHolderClears) {
  EXPECT_TRUE(SaveMayProceed(LOCK_TAKEN) && SaveMayProceed(LOCK_ABANDONED) && SaveMayProceed(LOCK_NOT_ASKED));
  EXPECT_FALSE(SaveMayProceed(LOCK_TIMED_OUT) || SaveMayProceed(LOCK_UNAVAILABLE));
  EXPECT_TRUE(LeftoversMayBeRemoved(LOCK_ABANDONED));
  EXPECT_FALSE(LeftoversMayBeRemoved(LOCK_UNAVAILABLE) || LeftoversMayBeRemoved(LOCK_TIMED_OUT) ||
               LeftoversMayBeRemoved(LOCK_NOT_ASKED));
}

}  // namespace
