// Saving settings through a copy: its name, how it starts, and which apply of
// the sheet's OK begins and ends the save.
#include "core/settings_copy.h"

#include <gtest/gtest.h>

#include <string>

#include "options/apply_order.h"

namespace {

std::string Copy(const std::string& path, CopyRole role = COPY_NEW, unsigned long id = 1234) {
  char out[SETTINGS_PATH_SIZE] = "x";
  if (!SettingsCopyPath(path.c_str(), "m_portal", id, role, out, sizeof out))
    return out[0] == '\0' ? "(refused)" : "(not emptied)";
  return out;
}

// Each process its own copy; within 13 bytes of the path limit a short name
// that fits beside any settings file.
TEST(SettingsCopyPath, BesideTheFileAndOwnToTheProcess) {
  EXPECT_EQ(Copy("C:\\Users\\p\\Korvel\\Zanto\\Zanto.ini"), "C:\\Users\\p\\Korvel\\Zanto\\Zanto.ini.m_portal.1234.tmp");
  EXPECT_EQ(Copy("C:\\Z\\Zanto.ini", COPY_OLD, 4294967295ul), "C:\\Z\\Zanto.ini.m_portal.4294967295.old.tmp");
  // A path without a folder is refused: the copy would not be beside the file.
  // (表 ends in the byte of a backslash.)
  EXPECT_EQ(Copy("Zanto.ini"), "(refused)");
  EXPECT_EQ(Copy("\x95\x5CZanto.ini"), "(refused)");
  std::string folder = "C:\\" + std::string(246, 'a') + "\\";  // 250 bytes: Zanto.ini ends at the limit
  EXPECT_EQ(Copy(folder + "Zanto.ini"), folder + "~z00000ya");
  EXPECT_EQ(Copy(folder + "Zanto.ini", COPY_OLD, 4294967295ul), folder + "!z1z141z3");
  EXPECT_EQ(Copy("C:\\" + std::string(250, 'a') + "\\Z.ini"), "(refused)");  // a name too short for even that
}

// Only names some save made of that file are leftovers, of either program,
// long or short; never the file itself, another file's copy or the player's own files.
TEST(SettingsCopyName, RecognisesOnlyCopiesOfTheFile) {
  CopyRole role = COPY_NEW;
  EXPECT_TRUE(IsSettingsCopyName("Zanto.ini.launcher.99.tmp", "Zanto.ini", &role) && role == COPY_NEW);
  EXPECT_TRUE(IsSettingsCopyName("zanto.INI.m_portal.tmp", "Zanto.ini", &role) && role == COPY_NEW);
  EXPECT_TRUE(IsSettingsCopyName("Zanto.ini.m_portal.7.old.tmp", "Zanto.ini", &role) && role == COPY_OLD);
  EXPECT_TRUE(IsSettingsCopyName("!z00000ya", "Zanto.ini", &role) && role == COPY_OLD);
  EXPECT_TRUE(IsSettingsCopyName("~Z00000YA", "Zanto.ini", &role) && role == COPY_NEW);
  for (const char* other : {"Zanto.ini", "Zanto.ini.tmp", "Zanto.ini.bak", "~m00000ya", "~z0000-ya", "~z00000y",
                            "M_PORTAL.CFG.m_portal.1.tmp", "Zanto.ini2.x.tmp"})
    EXPECT_FALSE(IsSettingsCopyName(other, "Zanto.ini", &role)) << other;
  EXPECT_EQ(ChooseLeftoverAction(COPY_NEW, false), LEFTOVER_REMOVE);
  EXPECT_EQ(ChooseLeftoverAction(COPY_OLD, true), LEFTOVER_REMOVE);
  EXPECT_EQ(ChooseLeftoverAction(COPY_OLD, false), LEFTOVER_RESTORE);
}

TEST(SaveLock, BoundedWaitFailsTheSaveAndOnlyTheHolderClears) {
  EXPECT_TRUE(SaveMayProceed(LOCK_TAKEN) && SaveMayProceed(LOCK_ABANDONED) && SaveMayProceed(LOCK_UNAVAILABLE));
  EXPECT_FALSE(SaveMayProceed(LOCK_TIMED_OUT));
  EXPECT_TRUE(LeftoversMayBeRemoved(LOCK_ABANDONED));
  EXPECT_FALSE(LeftoversMayBeRemoved(LOCK_UNAVAILABLE) || LeftoversMayBeRemoved(LOCK_TIMED_OUT));
}

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

TEST(SaveLog, KeepsWritesInOrderUntilFull) {
  static SaveLog log;
  ClearSaveLog(&log);
  EXPECT_TRUE(LogSaveWrite(&log, 1, "NETWORK", "Log", "1"));
  EXPECT_TRUE(LogSaveWrite(&log, 0, "S", "Gone", nullptr));
  EXPECT_EQ(log.count, 2);
  EXPECT_STREQ(SaveLogText(&log, log.entries[0].key), "Log");
  EXPECT_EQ(log.entries[0].file, 1);
  EXPECT_EQ(SaveLogText(&log, log.entries[1].value), nullptr);
  std::string big(255, 'v');
  int n = 2;
  while (LogSaveWrite(&log, 0, "QUICK", "Message", big.c_str())) ++n;
  EXPECT_TRUE(log.overflowed);
  EXPECT_EQ(log.count, n);
  EXPECT_LE(log.used, sizeof log.text);
  EXPECT_FALSE(LogSaveWrite(&log, 0, "S", "k", "v"));  // no later write slips in after a lost one
  ClearSaveLog(&log);
  EXPECT_TRUE(LogSaveWrite(&log, 0, "S", "k", "v"));
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

TEST(FinalPath, PlatformFormsBecomeProfilePaths) {
  char out[SETTINGS_PATH_SIZE];
  EXPECT_TRUE(NormalizeFinalPath("\\\\?\\C:\\real\\Zanto.ini", out, sizeof out));
  EXPECT_STREQ(out, "C:\\real\\Zanto.ini");
  EXPECT_TRUE(NormalizeFinalPath("\\\\?\\UNC\\srv\\share\\Zanto.ini", out, sizeof out));
  EXPECT_STREQ(out, "\\\\srv\\share\\Zanto.ini");
  EXPECT_FALSE(NormalizeFinalPath("\\\\?\\Volume{1}\\Zanto.ini", out, sizeof out));
  EXPECT_FALSE(NormalizeFinalPath(("\\\\?\\C:\\" + std::string(300, 'a')).c_str(), out, sizeof out));
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
