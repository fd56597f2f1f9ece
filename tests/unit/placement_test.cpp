// Putting a burst's copies in place: the change check before it, the order,
// and what is kept to undo it.
#include "core/placement.h"

#include <gtest/gtest.h>

#include <string.h>

namespace {

// Changed meanwhile, told by the bytes (one of the same size and time stamp
// included): retaken a few times while every write is known, else refused.
TEST(BeforePlacing, RetakesOnlyWithTheWholeLog) {
  FileStamp a = {true, 4}, shorter = {true, 3}, none = {false, 4}, none2 = {false, 0};
  EXPECT_TRUE(SameContent(a, "Log=", a, "Log=") && SameContent(none, "", none2, "x"));
  EXPECT_FALSE(SameContent(a, "Log=", a, "Log:") || SameContent(a, "Log=", shorter, "Log") ||
               SameContent(a, "Log=", none, "Log="));
  EXPECT_EQ(ChooseBeforePlacing(true, false, 9), PLACE_NOW);
  EXPECT_EQ(ChooseBeforePlacing(false, true, 0), PLACE_RETAKE);
  EXPECT_EQ(ChooseBeforePlacing(false, true, PLACEMENT_RETAKES), PLACE_REFUSED);
  EXPECT_EQ(ChooseBeforePlacing(false, false, 0), PLACE_REFUSED);
}

// The old content is kept only for a file that existed and has a later file
// to follow, or a file written in place (at commit, after every copy).
TEST(Placement, OldContentKeptWhileALaterFileFollows) {
  static BurstFile files[2];
  files[0].written = files[1].written = true;
  files[0].stamp.exists = files[1].stamp.exists = true;
  EXPECT_TRUE(KeepOldContent(files, 2, 0));
  EXPECT_FALSE(KeepOldContent(files, 2, 1));
  files[1].inPlace = true;
  EXPECT_TRUE(KeepOldContent(files, 2, 0));
  files[1].inPlace = false;
  files[0].inPlace = true;
  EXPECT_TRUE(KeepOldContent(files, 2, 1));
  files[0].inPlace = false;
  files[0].stamp.exists = false;
  EXPECT_FALSE(KeepOldContent(files, 2, 0));
  EXPECT_EQ(ChoosePlacementCall(ERROR_CODE_CALL_NOT_IMPLEMENTED), PLACE_BY_TWO_RENAMES);  // Windows 98/Me
  EXPECT_EQ(ChoosePlacementCall(5), PLACE_BY_RENAME_OVER);
}

// The player hears that nothing was saved unless a placed file kept the new
// content because it could not be given back.
TEST(FailedSave, NamesTheFileThatKeptTheNewSettings) {
  BurstFile files[2] = {};
  strcpy(files[0].path, "C:\\Users\\p\\Zanto.ini");
  strcpy(files[1].path, "C:\\Zanto\\M_PORTAL.CFG");
  files[0].written = files[1].written = true;
  char text[256];
  FormFailedSaveText(files, 2, "none", "%s saved, %s not", text, sizeof text);
  EXPECT_STREQ(text, "none");
  files[0].placed = files[0].undoFailed = true;
  FormFailedSaveText(files, 2, "none", "%s saved, %s not", text, sizeof text);
  EXPECT_STREQ(text, "Zanto.ini saved, M_PORTAL.CFG not");
}

}  // namespace
