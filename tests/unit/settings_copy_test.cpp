// Saving settings through a copy: its name, how it starts, and which apply of
// the sheet's OK begins and ends the save.
#include "core/settings_copy.h"

#include <gtest/gtest.h>

#include <string>

#include "options/apply_order.h"

namespace {

std::string Copy(const char* path, size_t size = SETTINGS_PATH_SIZE) {
  char out[SETTINGS_PATH_SIZE] = "x";
  if (!SettingsCopyPath(path, "m_portal", out, size)) return out[0] == '\0' ? "(refused)" : "(not emptied)";
  return out;
}

TEST(SettingsCopyPath, BesideTheFileAndNamedAfterTheProgram) {
  EXPECT_EQ(Copy("C:\\Users\\p\\Korvel\\Zanto\\Zanto.ini"), "C:\\Users\\p\\Korvel\\Zanto\\Zanto.ini.m_portal.tmp");
  // A path without a folder is refused: the copy would not be beside the file.
  // (表 ends in the byte of a backslash.)
  EXPECT_EQ(Copy("Zanto.ini"), "(refused)");
  EXPECT_EQ(Copy("\x95\x5CZanto.ini"), "(refused)");
  std::string deep = "C:\\" + std::string(240, 'a') + "\\Zanto.ini";  // 253 bytes: the tail no longer fits
  EXPECT_EQ(Copy(deep.c_str()), "(refused)");
}

TEST(CopyStart, OnlyAPlainFileOrNoneMayBeReplaced) {
  EXPECT_EQ(ChooseCopyStart(FILE_KIND_PLAIN), COPY_FROM_FILE);
  EXPECT_EQ(ChooseCopyStart(FILE_KIND_MISSING), COPY_FRESH);
  EXPECT_EQ(ChooseCopyStart(FILE_KIND_READ_ONLY), COPY_REFUSED);
  EXPECT_EQ(ChooseCopyStart(FILE_KIND_FOLDER), COPY_REFUSED);
  EXPECT_EQ(ChooseCopyStart(FILE_KIND_UNKNOWN), COPY_REFUSED);
}

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
