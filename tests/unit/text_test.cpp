// Bounded text helpers and the latency field.
#include <gtest/gtest.h>
#include <string.h>

#include "core/latency_text.h"
#include "core/platform.h"
#include "core/text.h"

namespace {

TEST(Text, CopyAppendFormatNeverCut) {
  char buf[8];
  EXPECT_TRUE(TextCopy("1234567", buf, sizeof buf));
  EXPECT_FALSE(TextCopy("12345678", buf, sizeof buf));
  EXPECT_STREQ(buf, "");
  EXPECT_TRUE(TextCopy("abc", buf, sizeof buf));
  EXPECT_FALSE(TextAppend("defgh", buf, sizeof buf));
  EXPECT_STREQ(buf, "abc");  // unchanged when it would not fit
  EXPECT_TRUE(TextAppend("defg", buf, sizeof buf));
  EXPECT_STREQ(buf, "abcdefg");
  EXPECT_FALSE(TextFormat(buf, sizeof buf, "%d", 123456789));
  EXPECT_STREQ(buf, "");
}

TEST(Text, LeadBytesOfCodePage932) {
  EXPECT_FALSE(IsLeadByte932(0x80));
  EXPECT_TRUE(IsLeadByte932(0x81));
  EXPECT_TRUE(IsLeadByte932(0x9F));
  EXPECT_FALSE(IsLeadByte932(0xA0));  // half-width katakana are single bytes
  EXPECT_FALSE(IsLeadByte932(0xDF));
  EXPECT_TRUE(IsLeadByte932(0xE0));
  EXPECT_TRUE(IsLeadByte932(0xFC));
  EXPECT_FALSE(IsLeadByte932(0xFD));
}

TEST(Text, CutNeverLeavesHalfACharacter) {
  char buf[16];
  strcpy(buf, "ab漢字");  // a b + two double-byte characters = 6 bytes
  CutAtCharBoundary(buf, 5);
  EXPECT_STREQ(buf, "ab漢");
  strcpy(buf, "ab漢字");
  CutAtCharBoundary(buf, 6);
  EXPECT_STREQ(buf, "ab漢字");
  strcpy(buf, "abc\x88");  // ends in a lone lead byte already
  CutAtCharBoundary(buf, 15);
  EXPECT_STREQ(buf, "abc");
  strcpy(buf, "ｱｲｳ");  // half-width katakana: one byte each
  CutAtCharBoundary(buf, 2);
  EXPECT_EQ(strlen(buf), 2u);
}

TEST(Latency, FormatAndClamp) {
  char buf[16];
  FormatLatency(12, buf, sizeof buf);
  EXPECT_STREQ(buf, "12 ミリ秒");
  FormatLatency(-3, buf, sizeof buf);
  EXPECT_STREQ(buf, "-3 ミリ秒");
  FormatLatency(99999999, buf, sizeof buf);
  EXPECT_STREQ(buf, "99999999 ミリ秒");  // 8 digits and " ミリ秒" fill 15 bytes
  FormatLatency(2147483647, buf, sizeof buf);
  EXPECT_STREQ(buf, "99999999 ミリ秒");
  FormatLatency(-2147483647 - 1, buf, sizeof buf);
  EXPECT_STREQ(buf, "-9999999 ミリ秒");
  char tiny[4];
  FormatLatency(5, tiny, sizeof tiny);
  EXPECT_STREQ(tiny, "");
}

TEST(Platform, Windows9xFamily) {
  EXPECT_TRUE(IsWin9xVersion(1, 4, 0));    // 95
  EXPECT_TRUE(IsWin9xVersion(1, 4, 10));   // 98
  EXPECT_TRUE(IsWin9xVersion(1, 4, 90));   // Me
  EXPECT_FALSE(IsWin9xVersion(2, 4, 0));   // NT 4
  EXPECT_FALSE(IsWin9xVersion(2, 5, 1));   // XP
  EXPECT_FALSE(IsWin9xVersion(1, 5, 0));
  EXPECT_FALSE(IsWin9xVersion(1, 4, 91));
}

}  // namespace
