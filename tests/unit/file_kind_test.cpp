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
  EXPECT_EQ(ChooseSaveRoute(true, 1, COPY_MADE), ROUTE_COPY);
  EXPECT_EQ(ChooseSaveRoute(true, 2, COPY_MADE), ROUTE_IN_PLACE);  // a hard link
  EXPECT_EQ(ChooseSaveRoute(false, 1, COPY_MADE), ROUTE_IN_PLACE);  // a link whose target cannot be had
  EXPECT_EQ(ChooseSaveRoute(true, 1, COPY_NOT_ALLOWED), ROUTE_IN_PLACE);
  EXPECT_EQ(ChooseSaveRoute(true, 1, COPY_RIGHTS_NOT_KEPT), ROUTE_IN_PLACE);
  EXPECT_EQ(ChooseSaveRoute(true, 1, COPY_VIRTUALISED), ROUTE_IN_PLACE);
  EXPECT_EQ(ChooseSaveRoute(true, 1, COPY_TOO_LARGE), ROUTE_IN_PLACE);  // too large to compare
  EXPECT_EQ(ChooseSaveRoute(true, 1, COPY_FAILED), ROUTE_REFUSED);  // a full disk
}

// A copy that UAC virtualisation put elsewhere than beside the file; never
// without the process's flag (Windows before Vista, or a run with full rights).
TEST(Virtualisation, CopyInAnotherFolderOfAVirtualisedProcess) {
  const char* cfg = "C:\\Program Files\\Zanto\\M_PORTAL.CFG";
  const char* store = "C:\\Users\\p\\AppData\\Local\\VirtualStore\\Program Files\\Zanto\\M_PORTAL.CFG.m_portal.7.tmp";
  EXPECT_TRUE(CopyIsVirtualised(true, cfg, store));
  EXPECT_TRUE(CopyIsVirtualised(true, cfg, nullptr));  // cannot be told: in place works either way
  EXPECT_FALSE(CopyIsVirtualised(true, cfg, "c:\\PROGRAM FILES\\zanto\\M_PORTAL.CFG.m_portal.7.tmp"));
  EXPECT_FALSE(CopyIsVirtualised(false, cfg, store));
  // Two katakana whose second bytes are "A" and "a": two folders, not one in two cases.
  EXPECT_TRUE(CopyIsVirtualised(true, "C:\\\x83\x41\\Z.ini", "C:\\\x83\x61\\Z.ini.tmp"));
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
