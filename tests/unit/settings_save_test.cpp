// What a burst keeps: the log of its writes.
#include "core/settings_save.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(SaveLog, KeepsWritesInOrderUntilFull) {
  static SaveLog log;
  ClearSaveLog(&log);
  EXPECT_TRUE(LogSaveWrite(&log, CONFIG_FILE, "NETWORK", "Log", "1"));
  EXPECT_TRUE(LogSaveWrite(&log, GAME_INI, "S", "Gone", nullptr));
  EXPECT_EQ(log.count, 2);
  EXPECT_STREQ(SaveLogText(&log, log.entries[0].key), "Log");
  EXPECT_EQ(log.entries[0].file, CONFIG_FILE);
  EXPECT_EQ(SaveLogText(&log, log.entries[1].value), nullptr);
  std::string big(255, 'v');
  int n = 2;
  while (LogSaveWrite(&log, GAME_INI, "QUICK", "Message", big.c_str())) ++n;
  EXPECT_TRUE(log.overflowed);
  EXPECT_EQ(log.count, n);
  EXPECT_LE(log.used, sizeof log.text);
  EXPECT_FALSE(LogSaveWrite(&log, GAME_INI, "S", "k", "v"));  // no later write slips in after a lost one
  ClearSaveLog(&log);
  EXPECT_TRUE(LogSaveWrite(&log, GAME_INI, "S", "k", "v"));
}

}  // namespace
