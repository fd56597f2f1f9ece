// Which text names an input for a screen reader.
#include "core/input_name.h"

#include <gtest/gtest.h>

namespace {

TEST(InputName, TheTextBeforeElseOneOnTheRowElseTheBox) {
  const DialogLine lines[] = {
      {LINE_GROUP_BOX, 0, 0, 200, 100, "画面モード"},
      {LINE_TEXT, 10, 40, 50, 58, "表示位置 :\n(Pixel)"},
      {LINE_INPUT, 55, 42, 85, 54, ""},   // named by the line before
      {LINE_TEXT, 88, 45, 92, 53, ","},
      {LINE_INPUT, 95, 42, 125, 54, ""},  // "," says nothing: the label on its row
      {LINE_INPUT, 10, 70, 60, 82, ""},   // after an input, nothing on its row: the box
      {LINE_OTHER, 0, 120, 50, 134, "OK"},
      {LINE_INPUT, 60, 120, 90, 134, ""},  // no text anywhere
  };
  EXPECT_EQ(InputNameLine(lines, 8, 2), 1);
  EXPECT_EQ(InputNameLine(lines, 8, 4), 1);
  EXPECT_EQ(InputNameLine(lines, 8, 5), 0);
  EXPECT_EQ(InputNameLine(lines, 8, 7), -1);
  EXPECT_EQ(InputNameLine(lines, 8, 8), -1);
}

TEST(InputName, WordsAreLettersDigitsAndKanaNotSymbols) {
  EXPECT_FALSE(HasWord(","));
  EXPECT_FALSE(HasWord("～"));
  EXPECT_FALSE(HasWord(" : "));
  EXPECT_TRUE(HasWord("ms以下"));
  EXPECT_TRUE(HasWord("÷100付近？"));
  EXPECT_TRUE(HasWord("ｱ"));
  EXPECT_TRUE(HasWord("F1"));
}

}  // namespace
