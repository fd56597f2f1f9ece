// What is at a settings file's place, and how a save writes it.
#include "core/file_kind.h"

#include <gtest/gtest.h>

#include <string>

#include "core/settings_copy.h"

namespace {

TEST(CopyStart, OnlyAPlainFileOrNoneMayBeReplaced) {
  EXPECT_EQ(ChooseCopyStart(FILE_KIND_PLAIN), COPY_FROM_FILE);
  EXPECT_EQ(ChooseCopyStart(FILE_KIND_MISSING), COPY_FRESH);
  EXPECT_EQ(ChooseCopyStart(FILE_KIND_READ_ONLY), COPY_REFUSED);
  EXPECT_EQ(ChooseCopyStart(FILE_KIND_FOLDER), COPY_REFUSED);
  EXPECT_EQ(ChooseCopyStart(FILE_KIND_UNKNOWN), COPY_REFUSED);
}

TEST(SaveRoute, InPlaceWhereACopyWouldLoseSomething) {
  EXPECT_EQ(ChooseSaveRoute(1, COPY_MADE), ROUTE_COPY);
  EXPECT_EQ(ChooseSaveRoute(2, COPY_MADE), ROUTE_IN_PLACE);  // a hard link
  EXPECT_EQ(ChooseSaveRoute(1, COPY_NOT_ALLOWED), ROUTE_IN_PLACE);
  EXPECT_EQ(ChooseSaveRoute(1, COPY_RIGHTS_NOT_KEPT), ROUTE_IN_PLACE);
  EXPECT_EQ(ChooseSaveRoute(1, COPY_FAILED), ROUTE_REFUSED);  // a full disk
}

TEST(FinalPath, PlatformFormsBecomeProfilePaths) {
  char out[SETTINGS_PATH_SIZE];
  EXPECT_TRUE(NormalizeFinalPath("\\\\?\\C:\\real\\Zanto.ini", out, sizeof out));
  EXPECT_STREQ(out, "C:\\real\\Zanto.ini");
  EXPECT_TRUE(NormalizeFinalPath("\\\\?\\UNC\\srv\\share\\Zanto.ini", out, sizeof out));
  EXPECT_STREQ(out, "\\\\srv\\share\\Zanto.ini");
  EXPECT_FALSE(NormalizeFinalPath("\\\\?\\Volume{1}\\Zanto.ini", out, sizeof out));
  EXPECT_FALSE(NormalizeFinalPath(("\\\\?\\C:\\" + std::string(300, 'a')).c_str(), out, sizeof out));
}

}  // namespace
