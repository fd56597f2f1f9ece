// Command lines of the game's programs: the game parses these byte for byte.
#include "core/cmdline.h"

#include <gtest/gtest.h>
#include <string.h>

#include <string>

namespace {

MatchupSettings Defaults() {
  MatchupSettings s;
  s.mode = 1;
  s.rule = 0;
  s.specMode = 0;
  s.specRule = 0;
  strcpy(s.loginId, "");
  strcpy(s.password, "");
  strcpy(s.ping, "5000");
  strcpy(s.rate, "3000");
  strcpy(s.rateMin, "2000");
  strcpy(s.rateMax, "4000");
  return s;
}

std::string Game(const char* path, const char* mode, const MatchupSettings& s) {
  char out[CMDLINE_SIZE];
  EXPECT_TRUE(BuildGameCommandLine(path, mode, &s, out, sizeof out));
  return out;
}

const char kPlain[] = "C:\\Zanto\\Zanto.exe";
const char kSpaced[] = "C:\\Program Files\\Korvel\\Zanto\\Zanto.exe";

TEST(MatchupFlags, ModeOneIsRaisedToThree) {
  EXPECT_EQ(MatchupFlags(0, 0, 0, 0), 0x00);
  EXPECT_EQ(MatchupFlags(1, 0, 0, 0), 0x30);
  EXPECT_EQ(MatchupFlags(2, 0, 0, 0), 0x20);
  EXPECT_EQ(MatchupFlags(3, 0, 0, 0), 0x30);
}

TEST(MatchupFlags, RuleAndSpectatorBits) {
  EXPECT_EQ(MatchupFlags(2, 1, 3, 1), 47);  // 0x2F
  EXPECT_EQ(MatchupFlags(0, 1, 0, 0), 0x08);
  EXPECT_EQ(MatchupFlags(0, 0, 1, 0), 0x02);
  EXPECT_EQ(MatchupFlags(0, 0, 2, 0), 0x04);
  EXPECT_EQ(MatchupFlags(0, 0, 0, 1), 0x01);
}

TEST(MatchupFlags, OutOfRangeValuesAreOnlyMasked) {
  EXPECT_EQ(MatchupFlags(5, 0, 0, 0), 0x30);   // 5 behaves as 1, so as 3
  EXPECT_EQ(MatchupFlags(-1, -1, -1, -1), 63); // no selection: 3 in the mode fields, 1 in the rules
  EXPECT_EQ(MatchupFlags(4, 2, 4, 2), 0);
  EXPECT_EQ(MatchupFlags(7, 3, 7, 3), 63);
}

TEST(QuoteIfSpaced, QuotesOnlyPathsWithASpaceByte) {
  char out[PATH_SIZE + 2];
  ASSERT_TRUE(QuoteIfSpaced(kPlain, out, sizeof out));
  EXPECT_STREQ(out, kPlain);
  ASSERT_TRUE(QuoteIfSpaced(kSpaced, out, sizeof out));
  EXPECT_STREQ(out, "\"C:\\Program Files\\Korvel\\Zanto\\Zanto.exe\"");
  ASSERT_TRUE(QuoteIfSpaced("C:\\a\\b.exe ", out, sizeof out));
  EXPECT_STREQ(out, "\"C:\\a\\b.exe \"");
  // A full-width space is two bytes, neither of them 0x20: no quotes.
  ASSERT_TRUE(QuoteIfSpaced("C:\\ゲーム　Zanto\\Zanto.exe", out, sizeof out));
  EXPECT_STREQ(out, "C:\\ゲーム　Zanto\\Zanto.exe");
}

TEST(GameCommandLine, OfflineCarriesOnlyTheLogin) {
  MatchupSettings s = Defaults();
  strcpy(s.loginId, "id1");
  strcpy(s.password, "pw1");
  EXPECT_EQ(Game(kPlain, "SINGLE", s), "C:\\Zanto\\Zanto.exe SINGLE id1 pw1");
  s.mode = 2;
  s.specMode = 3;
  EXPECT_EQ(Game(kPlain, "SINGLE", s), "C:\\Zanto\\Zanto.exe SINGLE id1 pw1");
}

TEST(GameCommandLine, OnlineWithoutConfigurationGetsFlags48AndRate) {
  EXPECT_EQ(Game(kSpaced, "S_MULTI1", Defaults()),
            "\"C:\\Program Files\\Korvel\\Zanto\\Zanto.exe\" S_MULTI1   48 3000");
}

TEST(GameCommandLine, OnlineSpeedFirstWithRateRange) {
  MatchupSettings s = Defaults();
  s.mode = 2; s.rule = 1; s.specMode = 3; s.specRule = 1;
  strcpy(s.loginId, "me");
  strcpy(s.password, "secret");
  strcpy(s.ping, "250");
  EXPECT_EQ(Game(kPlain, "S_MULTI1", s), "C:\\Zanto\\Zanto.exe S_MULTI1 me secret 47 250 2000 4000");
}

TEST(GameCommandLine, OnlineRandomHasNeitherPingNorRate) {
  MatchupSettings s = Defaults();
  s.mode = 0;
  EXPECT_EQ(Game(kPlain, "S_MULTI1", s), "C:\\Zanto\\Zanto.exe S_MULTI1   0");
}

TEST(GameCommandLine, ModeIsCaseSensitive) {
  EXPECT_EQ(Game(kPlain, "s_multi1", Defaults()), "C:\\Zanto\\Zanto.exe s_multi1  ");
}

TEST(GameCommandLine, TooLongIsRefusedNotCut) {
  MatchupSettings s = Defaults();
  memset(s.loginId, 'a', 255); s.loginId[255] = 0;
  memset(s.password, 'b', 255); s.password[255] = 0;
  char out[CMDLINE_SIZE];
  EXPECT_FALSE(BuildGameCommandLine(kSpaced, "S_MULTI1", &s, out, sizeof out));
  EXPECT_STREQ(out, "");
  // The same values fit into a line that is just long enough.
  char big[1024];
  ASSERT_TRUE(BuildGameCommandLine(kPlain, "SINGLE", &s, big, sizeof big));
  EXPECT_EQ(strlen(big), strlen(kPlain) + 1 + 6 + 1 + 255 + 1 + 255);
}

TEST(OtherCommandLines, HostJoinLobbyUpdater) {
  char out[CMDLINE_SIZE];
  ASSERT_TRUE(BuildDirectCommandLine("C:\\Z\\Zanto.exe", "D_HOST", out, sizeof out));
  EXPECT_STREQ(out, "C:\\Z\\Zanto.exe D_HOST");
  ASSERT_TRUE(BuildDirectCommandLine("C:\\Z Z\\Zanto.exe", "D_JOIN host1", out, sizeof out));
  EXPECT_STREQ(out, "\"C:\\Z Z\\Zanto.exe\" D_JOIN host1");
  ASSERT_TRUE(BuildDirectCommandLine("C:\\Z\\Zanto.exe", "D_JOIN ", out, sizeof out));
  EXPECT_STREQ(out, "C:\\Z\\Zanto.exe D_JOIN ");  // empty address keeps its trailing space
  ASSERT_TRUE(BuildLobbyCommandLine("C:\\Z Z\\Lobby.exe", "id", "pw", out, sizeof out));
  EXPECT_STREQ(out, "\"C:\\Z Z\\Lobby.exe\" FromLauncher id pw");
  ASSERT_TRUE(BuildLobbyCommandLine("C:\\Z\\Lobby.exe", "", "", out, sizeof out));
  EXPECT_STREQ(out, "C:\\Z\\Lobby.exe FromLauncher  ");
  ASSERT_TRUE(BuildUpdaterCommandLine("id", "pw", out, sizeof out));
  EXPECT_STREQ(out, "Launcher.exe FromLobby id pw");  // never quoted, no path
  ASSERT_TRUE(BuildUpdaterCommandLine("", "", out, sizeof out));
  EXPECT_STREQ(out, "Launcher.exe FromLobby  ");
}

TEST(JoinPath, RefusesPathsBeyond260Bytes) {
  char out[PATH_SIZE];
  std::string folder(249, 'x');
  EXPECT_TRUE(JoinPath(folder.c_str(), "\\Zanto.exe", out, sizeof out));  // 259 bytes
  folder += "y";
  EXPECT_FALSE(JoinPath(folder.c_str(), "\\Zanto.exe", out, sizeof out));
  EXPECT_STREQ(out, "");
}

}  // namespace
