// Which apply of the sheet's OK begins and ends the save.
#include "options/apply_order.h"

#include <gtest/gtest.h>

namespace {

TEST(ApplyRole, FirstCreatedPageBeginsLastEnds) {
  const bool created[7] = {true, false, true, false, true, false, false};
  EXPECT_TRUE(ApplyRoleOf(0, created, 7).begins);
  EXPECT_FALSE(ApplyRoleOf(0, created, 7).ends);
  EXPECT_FALSE(ApplyRoleOf(2, created, 7).begins);
  EXPECT_FALSE(ApplyRoleOf(2, created, 7).ends);
  EXPECT_TRUE(ApplyRoleOf(4, created, 7).ends);
  const bool alone[7] = {false, false, false, false, true, false, false};
  EXPECT_TRUE(ApplyRoleOf(4, alone, 7).begins && ApplyRoleOf(4, alone, 7).ends);
}

}  // namespace
