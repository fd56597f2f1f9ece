// Putting a burst's copies in place: the change check before it, the order,
// and what is kept to undo it.
#include "core/placement.h"

#include <gtest/gtest.h>

namespace {

// Changed meanwhile: retaken a few times while every write is known, else refused.
TEST(BeforePlacing, RetakesOnlyWithTheWholeLog) {
  FileStamp a = {true, 10, 5}, b = {true, 10, 6}, none = {false, 1, 2}, none2 = {false, 3, 4};
  EXPECT_TRUE(SameStamp(a, a) && SameStamp(none, none2));
  EXPECT_FALSE(SameStamp(a, b) || SameStamp(a, none));
  EXPECT_EQ(ChooseBeforePlacing(true, false, 9), PLACE_NOW);
  EXPECT_EQ(ChooseBeforePlacing(false, true, 0), PLACE_RETAKE);
  EXPECT_EQ(ChooseBeforePlacing(false, true, PLACEMENT_RETAKES), PLACE_REFUSED);
  EXPECT_EQ(ChooseBeforePlacing(false, false, 0), PLACE_REFUSED);
}

// The old content is kept only for a file that existed and has a later file to follow.
TEST(Placement, OldContentKeptWhileALaterFileFollows) {
  BurstFile files[2] = {};
  files[0].written = files[1].written = true;
  files[0].stamp.exists = true;
  EXPECT_TRUE(KeepOldContent(files, 2, 0));
  EXPECT_FALSE(KeepOldContent(files, 2, 1));
  files[1].inPlace = true;
  EXPECT_FALSE(KeepOldContent(files, 2, 0));
  files[1].inPlace = false;
  files[0].stamp.exists = false;
  EXPECT_FALSE(KeepOldContent(files, 2, 0));
  EXPECT_EQ(ChoosePlacementCall(ERROR_CODE_CALL_NOT_IMPLEMENTED), PLACE_BY_TWO_RENAMES);  // Windows 98/Me
  EXPECT_EQ(ChoosePlacementCall(5), PLACE_BY_RENAME_OVER);
}

}  // namespace
