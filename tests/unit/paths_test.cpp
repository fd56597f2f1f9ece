// Where the settings files live.
#include "core/paths.h"

#include <gtest/gtest.h>
#include <string.h>

#include <string>

namespace {

std::string Config(const char* upper) {
  char out[260];
  if (!DeriveConfigPath(upper, out, sizeof out)) return "(refused)";
  return out;
}

TEST(ConfigPath, ExtensionReplaced) {
  EXPECT_EQ(Config("C:\\GAMES\\M_PORTAL.EXE"), "C:\\GAMES\\M_PORTAL.CFG");
  EXPECT_EQ(Config("C:\\LAUNCHER.EXE"), "C:\\LAUNCHER.CFG");
}

TEST(ConfigPath, FirstExeInAFolderNameWinsAndThePathIsCut) {
  EXPECT_EQ(Config("C:\\TOOLS.EXE\\BIN\\M_PORTAL.EXE"), "C:\\TOOLS.CFG");
}

TEST(ConfigPath, NoExeAppendsCfgSoTheProgramIsNeverOverwritten) {
  EXPECT_EQ(Config("C:\\GAMES\\M_PORTAL"), "C:\\GAMES\\M_PORTAL.CFG");
  EXPECT_EQ(Config("C:\\GAMES\\M_PORTAL.COM"), "C:\\GAMES\\M_PORTAL.COM.CFG");
  std::string longest(255, 'A');
  EXPECT_EQ(Config(longest.c_str()), longest + ".CFG");  // 259 bytes fit
  longest += "A";
  EXPECT_EQ(Config(longest.c_str()), "(refused)");
}

TEST(ConfigPath, SearchIsCaseSensitiveOnTheUpperCasedPath) {
  EXPECT_EQ(Config("C:\\A.exe"), "C:\\A.exe.CFG");
}

std::string Settings(bool known, const char* perUser, const char* fallback, const char* tail) {
  char out[260];
  ComposeSettingsDir(known, perUser, fallback, tail, out, sizeof out);
  return out;
}

TEST(SettingsDir, PerUserFolderGetsTheGameTail) {
  EXPECT_EQ(Settings(true, "C:\\users\\root\\AppData\\Roaming", "C:\\Z", "\\"),
            "C:\\users\\root\\AppData\\Roaming\\Korvel\\Zanto\\");
}

TEST(SettingsDir, FallbacksOfBothPrograms) {
  EXPECT_EQ(Settings(false, "", "C:\\Program Files\\Zanto", "\\"), "C:\\Program Files\\Zanto\\");
  EXPECT_EQ(Settings(false, "", "C:\\Zanto\\", ""), "C:\\Zanto\\");  // older folder already ends in "\"
  EXPECT_EQ(Settings(false, "", "", "\\"), "");                       // no folder at all
}

TEST(SettingsDir, TooLongGivesNothingRatherThanACutFolder) {
  std::string perUser(246, 'p');  // + 14 bytes of tail = 260: one too many
  EXPECT_EQ(Settings(true, perUser.c_str(), "", ""), "");
  perUser.pop_back();
  EXPECT_EQ(Settings(true, perUser.c_str(), "", ""), perUser + "\\Korvel\\Zanto\\");
}

TEST(RegistryText, TerminatedWithinWhatWasRead) {
  char buf[16];
  memcpy(buf, "C:\\Zanto\0garbage", 16);
  TerminateRegistryText(buf, sizeof buf, 9);
  EXPECT_STREQ(buf, "C:\\Zanto");
  memcpy(buf, "C:\\Zantoxxxxxxxx", 16);
  TerminateRegistryText(buf, sizeof buf, 8);  // stored without its terminator
  EXPECT_STREQ(buf, "C:\\Zanto");
  memcpy(buf, "0123456789abcdef", 16);
  TerminateRegistryText(buf, sizeof buf, 16);  // fills the buffer: not a folder we can use
  EXPECT_STREQ(buf, "");
}

// A lone lead byte at the cut would pair with the "\" that callers append
// (0x5C is a valid trail byte) and change the path.
TEST(RegistryText, CutAtACharacterBoundary) {
  char buf[16];
  memcpy(buf, "C:\\Z\x81xxxxxxxxxx", 16);
  TerminateRegistryText(buf, sizeof buf, 5);  // read up to a lead byte, no terminator
  EXPECT_STREQ(buf, "C:\\Z");
  memcpy(buf, "C:\\\x82\xA0\x81\0xxxxxxxx", 16);
  TerminateRegistryText(buf, sizeof buf, 7);  // terminated right after a lead byte
  EXPECT_STREQ(buf, "C:\\\x82\xA0");
}

}  // namespace
