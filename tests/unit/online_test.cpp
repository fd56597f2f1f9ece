// The Online page's rules: the stored colour text, the chat lines, the lists'
// positions and which value fields each list choice shows.
#include "options/online.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Format(unsigned color) {
  char out[NAME_COLOR_TEXT_SIZE];
  FormatNameColor(color, out, sizeof out);
  return out;
}

TEST(NameColorText, BlueGreenRedAsEightUpperCaseDigits) {
  EXPECT_EQ(Format(0x00404040), "0x00404040");
  EXPECT_EQ(Format(0x000000FF), "0x000000FF");  // pure red
  EXPECT_EQ(Format(0x0000FF00), "0x0000FF00");  // pure green
  EXPECT_EQ(Format(0x00FF0000), "0x00FF0000");  // pure blue
  EXPECT_EQ(Format(0x00abcdef), "0x00ABCDEF");
  EXPECT_EQ(Format(0x00000000), "0x00000000");
}

TEST(NameColorText, TopByteIsNeverWritten) {
  EXPECT_EQ(Format(0xFF123456), "0x00123456");
  EXPECT_EQ(Format(0xFFFFFFFF), "0x00FFFFFF");
}

TEST(NameColorText, EveryByteSurvivesARoundTrip) {
  const unsigned values[] = {0x00, 0x01, 0x0F, 0x10, 0x7F, 0x80, 0xFE, 0xFF};
  for (int shift = 0; shift <= 16; shift += 8) {
    for (unsigned v : values) {
      unsigned color = (v << shift) | (0x5A5A5Au & ~(0xFFu << shift));
      EXPECT_EQ(NameColorFromText(Format(color).c_str()), color) << std::hex << color;
    }
  }
  EXPECT_EQ(NameColorFromText(Format(0x00FFFFFF).c_str()), 0x00FFFFFFu);  // white is not the default
}

TEST(NameColorLoad, TopByteIsCleared) {
  EXPECT_EQ(NameColorFromText("0x12345678"), 0x00345678u);
  EXPECT_EQ(NameColorFromText("0xFF0000FF"), 0x000000FFu);
  EXPECT_EQ(NameColorFromText("0xFFFFFFFE"), 0x00FFFFFEu);
}

TEST(NameColorLoad, AllOnesAndOverflowGiveTheDefault) {
  EXPECT_EQ(NameColorFromText("0xFFFFFFFF"), kDefaultNameColor);
  EXPECT_EQ(NameColorFromText("0xffffffff"), kDefaultNameColor);
  EXPECT_EQ(NameColorFromText("0x100000000"), kDefaultNameColor);  // too large for 32 bits
  EXPECT_EQ(NameColorFromText("123456789ABCDEF"), kDefaultNameColor);
  EXPECT_EQ(NameColorFromText("-0x100000000"), kDefaultNameColor);  // overflow is not negated
  EXPECT_EQ(NameColorFromText("-1"), kDefaultNameColor);
}

TEST(NameColorLoad, TextWithoutDigitsIsBlack) {
  EXPECT_EQ(NameColorFromText(""), 0u);
  EXPECT_EQ(NameColorFromText("red"), 0u);
  EXPECT_EQ(NameColorFromText("0x"), 0u);
  EXPECT_EQ(NameColorFromText("0xg1"), 0u);
  EXPECT_EQ(NameColorFromText("   "), 0u);
  EXPECT_EQ(NameColorFromText("+"), 0u);
}

TEST(NameColorLoad, WhiteSpaceSignAndPrefix) {
  EXPECT_EQ(NameColorFromText(" \t\r\n0x000000FF"), 0xFFu);
  EXPECT_EQ(NameColorFromText("0X000000ff"), 0xFFu);
  EXPECT_EQ(NameColorFromText("ff"), 0xFFu);  // the prefix is optional
  EXPECT_EQ(NameColorFromText("+0x0000FF00"), 0xFF00u);
  // Minus negates modulo 2^32 before the top byte is cleared.
  EXPECT_EQ(NameColorFromText("-0x00404040"), (0u - 0x00404040u) & 0xFFFFFFu);
  EXPECT_EQ(NameColorFromText("-2"), 0x00FFFFFEu);
  // Digits end at the first other character.
  EXPECT_EQ(NameColorFromText("0x0000FF00 ; green"), 0xFF00u);
  EXPECT_EQ(NameColorFromText("0x12G4"), 0x12u);
  EXPECT_EQ(NameColorFromText("- 5"), 0u);  // no white space after the sign
}

TEST(NameColorLoad, OverlongTextKeepsAWellFormedColour) {
  // Longer than any short working field: padded by hand with spaces or zeros.
  EXPECT_EQ(NameColorFromText("                              0x000000FF"), 0xFFu);
  EXPECT_EQ(NameColorFromText("0x00000000000000000000000000000000000000FF00"), 0xFF00u);
  std::string zeros(1000, '0');
  EXPECT_EQ(NameColorFromText((zeros + "ABCDEF").c_str()), 0xABCDEFu);
  std::string spaces(255, ' ');
  EXPECT_EQ(NameColorFromText((spaces + "0x00123456").c_str()), 0x123456u);
  // Long and non-zero: too large, the default.
  EXPECT_EQ(NameColorFromText(std::string(300, 'F').c_str()), kDefaultNameColor);
}

TEST(Hex32, StrtoulLimits) {
  EXPECT_EQ(ParseHex32("FFFFFFFF"), 0xFFFFFFFFu);
  EXPECT_EQ(ParseHex32("0FFFFFFFF"), 0xFFFFFFFFu);
  EXPECT_EQ(ParseHex32("FFFFFFFF0"), 0xFFFFFFFFu);
  EXPECT_EQ(ParseHex32("10000000"), 0x10000000u);
  EXPECT_EQ(ParseHex32("-0"), 0u);
  EXPECT_EQ(ParseHex32("-FFFFFFFF"), 1u);
}

TEST(ChatLines, TwoToThirtyAreKept) {
  EXPECT_EQ(ChatLinesToSave("2"), 2);
  EXPECT_EQ(ChatLinesToSave("3"), 3);
  EXPECT_EQ(ChatLinesToSave("17"), 17);
  EXPECT_EQ(ChatLinesToSave("30"), 30);
  EXPECT_EQ(ChatLinesToSave("030"), 30);
  EXPECT_EQ(ChatLinesToSave(" 12 "), 12);
}

TEST(ChatLines, EverythingElseIsFour) {
  EXPECT_EQ(ChatLinesToSave("0"), 4);
  EXPECT_EQ(ChatLinesToSave("1"), 4);
  EXPECT_EQ(ChatLinesToSave("31"), 4);
  EXPECT_EQ(ChatLinesToSave("4294967298"), 4);  // would wrap to 2 in 32 bits
  EXPECT_EQ(ChatLinesToSave(std::string(300, '9').c_str()), 4);
  EXPECT_EQ(ChatLinesToSave(""), 4);
  EXPECT_EQ(ChatLinesToSave("   "), 4);
  EXPECT_EQ(ChatLinesToSave("abc"), 4);
  EXPECT_EQ(ChatLinesToSave("-5"), 4);
  EXPECT_EQ(ChatLinesToSave("-10"), 4);
  EXPECT_EQ(ChatLinesToSave("12abc"), 4);
  EXPECT_EQ(ChatLinesToSave("1 2"), 4);
  EXPECT_EQ(ChatLinesToSave("１２"), 4);  // full-width digits are not digits
}

TEST(CheckBoxes, AnyNonZeroIsYesAndSavesAsOne) {
  EXPECT_FALSE(CheckFromStored(0));
  EXPECT_TRUE(CheckFromStored(1));
  EXPECT_TRUE(CheckFromStored(2));
  EXPECT_TRUE(CheckFromStored(0xFFFFFFFFu));  // a stored -1
  EXPECT_EQ(StoredFromCheck(CheckFromStored(7)), 1);
  EXPECT_EQ(StoredFromCheck(CheckFromStored(0)), 0);
}

TEST(ListPositions, StoredNumbersInsideTheList) {
  EXPECT_EQ(ListPositionFromStored(0, MATCHUP_MODE_COUNT), 0);
  EXPECT_EQ(ListPositionFromStored(1, MATCHUP_MODE_COUNT), 1);
  EXPECT_EQ(ListPositionFromStored(2, MATCHUP_MODE_COUNT), 2);
  EXPECT_EQ(ListPositionFromStored(3, SPECTATOR_MODE_COUNT), 3);
}

TEST(ListPositions, OutsideTheListMeansNoSelection) {
  EXPECT_EQ(ListPositionFromStored(3, MATCHUP_MODE_COUNT), -1);
  EXPECT_EQ(ListPositionFromStored(7, MATCHUP_MODE_COUNT), -1);
  EXPECT_EQ(ListPositionFromStored(2, MATCHUP_RULE_COUNT), -1);
  EXPECT_EQ(ListPositionFromStored(4, SPECTATOR_MODE_COUNT), -1);
  EXPECT_EQ(ListPositionFromStored(0xFFFFFFFFu, MATCHUP_MODE_COUNT), -1);  // a saved -1
  EXPECT_EQ(ListPositionFromStored(0x80000000u, MATCHUP_MODE_COUNT), -1);
}

TEST(ValueFields, MatchupModeShowsRateOrPingOrNeither) {
  EXPECT_TRUE(MatchupRateShown(1));
  EXPECT_FALSE(MatchupPingShown(1));
  EXPECT_TRUE(MatchupPingShown(2));
  EXPECT_FALSE(MatchupRateShown(2));
  for (int none : {0, -1}) {
    EXPECT_FALSE(MatchupRateShown(none));
    EXPECT_FALSE(MatchupPingShown(none));
  }
}

TEST(ValueFields, RangeOnlyWithRateRange) {
  EXPECT_TRUE(SpectatorRangeShown(3));
  for (int other : {-1, 0, 1, 2}) EXPECT_FALSE(SpectatorRangeShown(other));
}

TEST(CustomColors, KeysColor01ToColor16) {
  char key[CUSTOM_COLOR_KEY_SIZE];
  FormatCustomColorKey(1, key, sizeof key);
  EXPECT_STREQ(key, "Color01");
  FormatCustomColorKey(9, key, sizeof key);
  EXPECT_STREQ(key, "Color09");
  FormatCustomColorKey(16, key, sizeof key);
  EXPECT_STREQ(key, "Color16");
}

}  // namespace
