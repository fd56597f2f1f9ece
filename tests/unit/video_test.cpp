// Video page: the resolution list, the value rules and the write order.
#include "options/video.h"

#include <gtest/gtest.h>
#include <string.h>

#include <string>

namespace {

std::string ResText(int index) {
  char out[32];
  EXPECT_TRUE(FormatResolution(index, out, sizeof out));
  return out;
}

TEST(Resolution, ListTextsRightAlignedInFourColumns) {
  EXPECT_EQ(ResText(0), " 320x 200");
  EXPECT_EQ(ResText(6), " 640x 480");
  EXPECT_EQ(ResText(8), "1024x 768");
  EXPECT_EQ(ResText(11), "1280x1024");
  EXPECT_EQ(ResText(14), "1600x1200");
}

TEST(Resolution, FixedOrderIsTheFileFormat) {
  const int expected[RESOLUTION_COUNT][2] = {
      {320, 200},  {320, 240},  {400, 300},  {480, 360},  {512, 384},
      {640, 400},  {640, 480},  {800, 600},  {1024, 768}, {1152, 864},
      {1280, 960}, {1280, 1024}, {1600, 900}, {1600, 1024}, {1600, 1200},
  };
  for (int i = 0; i < RESOLUTION_COUNT; ++i) {
    EXPECT_EQ(kResolutions[i].width, expected[i][0]) << i;
    EXPECT_EQ(kResolutions[i].height, expected[i][1]) << i;
  }
  EXPECT_EQ(ResText(12), "1600x 900");  // not sorted by size
}

TEST(Resolution, OutsideTheListOrTooSmallABuffer) {
  char out[32] = "x";
  EXPECT_FALSE(FormatResolution(-1, out, sizeof out));
  EXPECT_STREQ(out, "");
  EXPECT_FALSE(FormatResolution(15, out, sizeof out));
  char small[9];
  EXPECT_FALSE(FormatResolution(6, small, sizeof small));
  EXPECT_STREQ(small, "");
}

TEST(Resolution, StoredValueOutsideTheListSelectsNothing) {
  EXPECT_EQ(ResolutionIndexFromStored(0), 0);
  EXPECT_EQ(ResolutionIndexFromStored(14), 14);
  EXPECT_EQ(ResolutionIndexFromStored(15), -1);
  EXPECT_EQ(ResolutionIndexFromStored(0xFFFFFFFFu), -1);  // "-1" as read back
}

TEST(ParsePosition, SignedDecimal) {
  EXPECT_EQ(ParsePosition("0"), 0);
  EXPECT_EQ(ParsePosition("-40"), -40);
  EXPECT_EQ(ParsePosition("+12"), 12);
  EXPECT_EQ(ParsePosition("  300"), 300);
  EXPECT_EQ(ParsePosition("2147483647"), 2147483647);
  EXPECT_EQ(ParsePosition("-2147483648"), -2147483647 - 1);
}

TEST(ParsePosition, NotANumberIsZero) {
  EXPECT_EQ(ParsePosition(""), 0);
  EXPECT_EQ(ParsePosition("abc"), 0);
  EXPECT_EQ(ParsePosition("-"), 0);
  EXPECT_EQ(ParsePosition("x12"), 0);
  EXPECT_EQ(ParsePosition("１２"), 0);  // full-width digits are not a number
}

TEST(ParsePosition, NumberEndsAtTheFirstOtherCharacter) {
  EXPECT_EQ(ParsePosition("12px"), 12);
  EXPECT_EQ(ParsePosition("-7 8"), -7);
}

TEST(ParsePosition, BeyondThirtyTwoBitsIsZeroNotWrapped) {
  EXPECT_EQ(ParsePosition("2147483648"), 0);
  EXPECT_EQ(ParsePosition("-2147483649"), 0);
  EXPECT_EQ(ParsePosition("4294967336"), 0);  // would wrap to 40
  EXPECT_EQ(ParsePosition("99999999999999999999999999"), 0);
}

unsigned* Stored(unsigned (&v)[VIDEO_KEY_COUNT]) {
  for (int i = 0; i < VIDEO_KEY_COUNT; ++i) v[i] = (unsigned)kVideoKeys[i].number;
  return v;
}

int Index(const char* key) {
  for (int i = 0; i < VIDEO_KEY_COUNT; ++i)
    if (strcmp(kVideoKeys[i].key, key) == 0) return i;
  ADD_FAILURE() << key;
  return 0;
}

TEST(VideoFromStored, MissingKeysGiveTheDefaults) {
  unsigned v[VIDEO_KEY_COUNT];
  VideoSettings s;
  VideoFromStored(Stored(v), &s);
  EXPECT_EQ(s.resolution, 6);
  EXPECT_TRUE(s.direct3d);
  EXPECT_FALSE(s.fullScreen);
  EXPECT_TRUE(s.drawBackground);
  EXPECT_TRUE(s.softFilter);
  EXPECT_FALSE(s.showVersion);
  EXPECT_FALSE(s.showFps);
  EXPECT_EQ(s.posX, 0);
  EXPECT_EQ(s.posY, 0);
}

TEST(VideoFromStored, AnyNonZeroIsTheFirstMeaning) {
  unsigned v[VIDEO_KEY_COUNT];
  Stored(v);
  v[Index("DrawMode")] = 2;
  v[Index("DrawBG")] = 0;
  v[Index("FilterMode")] = 0;
  v[Index("ScreenMode")] = 7;
  v[Index("DispVersion")] = 5;
  VideoSettings s;
  VideoFromStored(v, &s);
  EXPECT_TRUE(s.direct3d);
  EXPECT_FALSE(s.drawBackground);
  EXPECT_FALSE(s.softFilter);
  EXPECT_TRUE(s.fullScreen);
  EXPECT_TRUE(s.showVersion);
}

TEST(VideoFromStored, PositionsAreSigned) {
  unsigned v[VIDEO_KEY_COUNT];
  Stored(v);
  v[Index("WindowPosX")] = (unsigned)-40;
  v[Index("WindowPosY")] = 1200;
  VideoSettings s;
  VideoFromStored(v, &s);
  EXPECT_EQ(s.posX, -40);
  EXPECT_EQ(s.posY, 1200);
}

TEST(ApplyVideoDefaults, TurnsOnFullScreenKeepsResolutionAndChecks) {
  VideoSettings s = {11, false, false, false, false, true, true, -40, 77};
  ApplyVideoDefaults(&s);
  EXPECT_TRUE(s.direct3d);
  EXPECT_TRUE(s.fullScreen);  // unlike a missing ScreenMode
  EXPECT_TRUE(s.drawBackground);
  EXPECT_TRUE(s.softFilter);
  EXPECT_EQ(s.posX, 0);
  EXPECT_EQ(s.posY, 0);
  EXPECT_EQ(s.resolution, 11);
  EXPECT_TRUE(s.showVersion);
  EXPECT_TRUE(s.showFps);
}

TEST(VideoToStore, WriteOrderAndValues) {
  VideoSettings s = {-1, false, true, true, false, false, true, -40, 0};
  int out[VIDEO_KEY_COUNT];
  VideoToStore(&s, out);
  const char* keys[VIDEO_KEY_COUNT] = {"Resolution", "ScreenMode", "FilterMode", "DrawMode", "DrawBG",
                                       "DispVersion", "DispFPS", "WindowPosX", "WindowPosY"};
  const int values[VIDEO_KEY_COUNT] = {-1, 1, 0, 0, 1, 0, 1, -40, 0};
  for (int i = 0; i < VIDEO_KEY_COUNT; ++i) {
    EXPECT_STREQ(kVideoKeys[kVideoWriteOrder[i]].key, keys[i]) << i;
    EXPECT_EQ(out[kVideoWriteOrder[i]], values[i]) << keys[i];
  }
}

TEST(VideoToStore, ReadBackGivesTheSameSettings) {
  VideoSettings s = {3, true, true, false, true, true, false, 1024, -768};
  int out[VIDEO_KEY_COUNT];
  VideoToStore(&s, out);
  unsigned v[VIDEO_KEY_COUNT];
  for (int i = 0; i < VIDEO_KEY_COUNT; ++i) v[i] = (unsigned)out[i];
  VideoSettings back;
  VideoFromStored(v, &back);
  EXPECT_EQ(back.resolution, s.resolution);
  EXPECT_EQ(back.direct3d, s.direct3d);
  EXPECT_EQ(back.fullScreen, s.fullScreen);
  EXPECT_EQ(back.drawBackground, s.drawBackground);
  EXPECT_EQ(back.softFilter, s.softFilter);
  EXPECT_EQ(back.showVersion, s.showVersion);
  EXPECT_EQ(back.showFps, s.showFps);
  EXPECT_EQ(back.posX, s.posX);
  EXPECT_EQ(back.posY, s.posY);
}

}  // namespace
