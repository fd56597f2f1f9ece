// Saving settings through a copy: the copy's name, and what becomes of a
// copy a save left behind.
#include "core/settings_copy.h"

#include <gtest/gtest.h>

#include <string>

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

// A leftover names its writer, long or short; only a writer that is gone
// leaves it to be removed, and one that cannot be asked counts as running.
TEST(SettingsCopyWriter, OnlyACopyWhoseWriterIsGoneIsALeftover) {
  unsigned long id = 0;
  EXPECT_TRUE(SettingsCopyWriter("Zanto.ini.launcher.99.tmp", "Zanto.ini", COPY_NEW, &id) && id == 99);
  EXPECT_TRUE(SettingsCopyWriter("Zanto.ini.m_portal.4294967295.old.tmp", "Zanto.ini", COPY_OLD, &id) &&
              id == 4294967295ul);
  EXPECT_TRUE(SettingsCopyWriter("!z1z141z3", "Zanto.ini", COPY_OLD, &id) && id == 4294967295ul);
  EXPECT_TRUE(SettingsCopyWriter("~Z00000YA", "Zanto.ini", COPY_NEW, &id) && id == 1234);
  for (const char* none : {"zanto.INI.m_portal.tmp", "Zanto.ini.7.tmp", "Zanto.ini.x.4294967296.tmp"})
    EXPECT_FALSE(SettingsCopyWriter(none, "Zanto.ini", COPY_NEW, &id)) << none;
  EXPECT_FALSE(LeftoverWriterGone(true, false, WRITER_RUNNING) || LeftoverWriterGone(true, false, WRITER_NOT_TOLD));
  EXPECT_TRUE(LeftoverWriterGone(true, false, WRITER_ENDED) && LeftoverWriterGone(true, false, WRITER_NOT_FOUND));
  EXPECT_TRUE(LeftoverWriterGone(false, false, WRITER_NOT_TOLD) && LeftoverWriterGone(true, true, WRITER_RUNNING));
}

}  // namespace
