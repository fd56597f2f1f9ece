// About page: the installed version from the game launcher's window title,
// the date texts and the file paths.
#include "options/about.h"

#include "core/paths.h"

#include <gtest/gtest.h>
#include <string.h>

#include <string>

namespace {

// m_portal: "ver", cut at the next space; launcher: "Ver", no cut.
std::string Portal(const char* title) {
  char out[WINDOW_TITLE_SIZE];
  if (!ExtractVersion(title, "ver", true, out, sizeof out)) return "(none)";
  return out;
}
std::string Legacy(const char* title) {
  char out[WINDOW_TITLE_SIZE];
  if (!ExtractVersion(title, "Ver", false, out, sizeof out)) return "(none)";
  return out;
}

TEST(ExtractVersion, PortalCutsAtTheSpaceAfterTheMark) {
  EXPECT_EQ(Portal("Zanto Launcher ver1.02 (build 7)"), "ver1.02");
  EXPECT_EQ(Portal("Zanto ver2.10"), "ver2.10");
  EXPECT_EQ(Portal("ver0.9b"), "ver0.9b");
}

TEST(ExtractVersion, PortalSpaceRightAfterTheMarkLeavesOnlyTheMark) {
  EXPECT_EQ(Portal("Zanto Launcher ver 1.02"), "ver");
}

TEST(ExtractVersion, PortalIsCaseSensitive) {
  EXPECT_EQ(Portal("Zanto Launcher Ver1.02"), "(none)");
  EXPECT_EQ(Portal("Zanto Launcher VER1.02"), "(none)");
  EXPECT_EQ(Portal(""), "(none)");
}

TEST(ExtractVersion, FirstOccurrenceCounts) {
  EXPECT_EQ(Portal("Server ver3 ver4"), "ver");  // "Server" holds "ver", then a space
  EXPECT_EQ(Portal("Zanto ランチャー ver1.1 ver2"), "ver1.1");
}

TEST(ExtractVersion, LegacyKeepsTheRestOfTheTitle) {
  EXPECT_EQ(Legacy("Zanto Launcher Ver.1.02 (build 7)"), "Ver.1.02 (build 7)");
  EXPECT_EQ(Legacy("Zanto Launcher Ver 1.02"), "Ver 1.02");
  EXPECT_EQ(Legacy("Zanto Launcher ver1.02"), "(none)");
}

TEST(ExtractVersion, TitleAtTheLengthLimit) {
  // 307 bytes, the most that the 308-byte title buffer holds.
  std::string title(300, 'x');
  title += "ver1.23";
  ASSERT_EQ(title.size(), 307u);
  EXPECT_EQ(Portal(title.c_str()), "ver1.23");
  std::string whole = "Ver" + std::string(304, '9');
  EXPECT_EQ(Legacy(whole.c_str()), whole);
}

TEST(ExtractVersion, NeverOverrunsTheOutput) {
  char out[8] = "x";
  EXPECT_FALSE(ExtractVersion("title ver1.2345", "ver", true, out, sizeof out));
  EXPECT_STREQ(out, "");
  EXPECT_TRUE(ExtractVersion("title ver1.23 x", "ver", true, out, sizeof out));
  EXPECT_STREQ(out, "ver1.23");
}

std::string Date(int y, int m, int d) {
  char out[FILE_DATE_SIZE];
  FormatFileDate(y, m, d, out, sizeof out);
  return out;
}

TEST(FormatFileDate, ZeroPaddedYearMonthDay) {
  EXPECT_EQ(Date(2009, 2, 5), "2009/02/05");
  EXPECT_EQ(Date(2005, 12, 31), "2005/12/31");
  EXPECT_EQ(Date(1601, 1, 1), "1601/01/01");
  EXPECT_EQ(Date(999, 1, 1), "0999/01/01");
}

TEST(FormatFileDate, FiveDigitYearsFitTheBuffer) {
  EXPECT_EQ(Date(30827, 12, 31), "30827/12/31");
  EXPECT_EQ(Date(65535, 65535, 65535), "65535/65535/65535");
}

TEST(FormatFileDate, TooSmallABufferGivesTheMissingDate) {
  char out[11];
  FormatFileDate(10000, 1, 1, out, sizeof out);
  EXPECT_STREQ(out, "----/--/--");
  EXPECT_STREQ(kNoFileDate, "----/--/--");
}

TEST(GameFilePath, FolderSeparatorAndName) {
  char out[260];
  ASSERT_TRUE(GameFilePath("C:\\Games\\Zanto", "\\", "Zanto.exe", out, sizeof out));
  EXPECT_STREQ(out, "C:\\Games\\Zanto\\Zanto.exe");
  ASSERT_TRUE(GameFilePath("C:\\Old\\Zanto\\", "", "Launcher.ini", out, sizeof out));
  EXPECT_STREQ(out, "C:\\Old\\Zanto\\Launcher.ini");
  ASSERT_TRUE(GameFilePath("", "\\", "Lobby.exe", out, sizeof out));
  EXPECT_STREQ(out, "\\Lobby.exe");
}

TEST(GameFilePath, TooLongIsNotCutShort) {
  char out[260];
  std::string folder = "C:\\" + std::string(246, 'f');  // 249 bytes
  ASSERT_TRUE(GameFilePath(folder.c_str(), "\\", "Zanto.exe", out, sizeof out));  // 259
  EXPECT_EQ(strlen(out), 259u);
  EXPECT_FALSE(GameFilePath(folder.c_str(), "\\", "Launcher.exe", out, sizeof out));
  EXPECT_STREQ(out, "");
}

}  // namespace
