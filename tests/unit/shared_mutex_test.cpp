// The descriptor both named mutexes are made with, and what creating one told.
#include "core/shared_mutex.h"

#include <gtest/gtest.h>

#include <string.h>

#include <string>

// The player's account and the system hold every right, the interactive logon
// may wait and release, nothing is inherited; the label is low with no write
// up, so that no level of the player's processes is refused; nothing but a
// SID is ever put into the text.
TEST(SharedMutexDescriptor, EveryLevelOfThePlayerMeets) {
  char out[512] = "x";
  ASSERT_TRUE(FormSharedMutexDescriptor("S-1-5-21-7-8-9-1001", true, out, sizeof out));
  EXPECT_STREQ(out, "D:P(A;;GA;;;S-1-5-21-7-8-9-1001)(A;;GA;;;SY)(A;;0x00100001;;;IU)S:(ML;;NW;;;LW)");
  ASSERT_TRUE(FormSharedMutexDescriptor("S-1-5-21-7-8-9-1001", false, out, sizeof out));
  EXPECT_EQ(std::string(out).find("S:"), std::string::npos);
  for (const char* bad : {"", "S-", "S-1-5)(A;;GA;;;WD", "WD", "s-1-5-18"}) {
    strcpy(out, "x");
    EXPECT_FALSE(FormSharedMutexDescriptor(bad, true, out, sizeof out)) << bad;
    EXPECT_STREQ(out, "");
  }
  EXPECT_FALSE(FormSharedMutexDescriptor("S-1-5-21-7-8-9-1001", true, out, 40));
  EXPECT_STREQ(out, "");
}

TEST(SharedMutexClaim, ExistingOrRefusedIsAnotherProcesssMutex) {
  EXPECT_EQ(ClaimOfCreate(true, 0), MUTEX_CREATED);
  EXPECT_EQ(ClaimOfCreate(true, ERROR_CODE_ALREADY_EXISTS), MUTEX_EXISTS);
  EXPECT_EQ(ClaimOfCreate(false, ERROR_CODE_ACCESS_DENIED), MUTEX_DENIED);
  EXPECT_EQ(ClaimOfCreate(false, 6), MUTEX_FAILED);  // the name is another kind of object
}
