// Sound page: the stored SoundMode and what the page shows for it.
#include "options/sound.h"

#include <gtest/gtest.h>

namespace {

TEST(SoundMode, ZeroIsOnAnythingElseOff) {
  EXPECT_TRUE(SoundOnFromStored(0));
  EXPECT_FALSE(SoundOnFromStored(1));
  EXPECT_FALSE(SoundOnFromStored(5));
  EXPECT_EQ(SoundModeToStore(true), 0);
  EXPECT_EQ(SoundModeToStore(false), 1);
}

}  // namespace
