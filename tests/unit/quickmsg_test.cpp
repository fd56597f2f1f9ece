// Quick messages: the keys the game reads and the default phrases.
#include "options/quickmsg.h"

#include <gtest/gtest.h>
#include <string.h>

namespace {

TEST(QuickMessageKey, TwoDigitFunctionKeyNumbers) {
  char key[64];
  ASSERT_TRUE(QuickMessageKey(1, key, sizeof key));
  EXPECT_STREQ(key, "ShortCutMessage_F01");
  ASSERT_TRUE(QuickMessageKey(8, key, sizeof key));
  EXPECT_STREQ(key, "ShortCutMessage_F08");
}

TEST(QuickMessageKey, OnlyTheEightFunctionKeys) {
  char key[64] = "x";
  EXPECT_FALSE(QuickMessageKey(0, key, sizeof key));
  EXPECT_STREQ(key, "");
  EXPECT_FALSE(QuickMessageKey(9, key, sizeof key));
  EXPECT_FALSE(QuickMessageKey(-1, key, sizeof key));
}

TEST(QuickMessageKey, NeverOverrunsASmallBuffer) {
  char key[8];
  EXPECT_FALSE(QuickMessageKey(3, key, sizeof key));
  EXPECT_STREQ(key, "");
}

TEST(DefaultQuickMessages, GreetingsInFunctionKeyOrder) {
  const char* expected[QUICK_MESSAGE_COUNT] = {
      "おはようございます", "こんにちは", "こんばんは", "はじめまして",
      "よろしくお願いします", "いっきま～す", "ありゃりゃ", "やった～",
  };
  for (int i = 0; i < QUICK_MESSAGE_COUNT; ++i) EXPECT_STREQ(kDefaultQuickMessages[i], expected[i]) << i;
}

TEST(DefaultQuickMessages, AreCodePage932AndFitTheField) {
  // "やった～": four double-byte characters, the wave dash being 0x81 0x60.
  EXPECT_EQ(strlen(kDefaultQuickMessages[7]), 8u);
  EXPECT_EQ((unsigned char)kDefaultQuickMessages[7][6], 0x81);
  EXPECT_EQ((unsigned char)kDefaultQuickMessages[7][7], 0x60);
  for (int i = 0; i < QUICK_MESSAGE_COUNT; ++i) EXPECT_LT(strlen(kDefaultQuickMessages[i]), 256u);
}

}  // namespace
