// What a burst keeps: the log of its writes, and what the pages read at load.
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

// The three ways of a key of the sheet's OK.
TEST(KeyRule, FileNewerThanTheLoadKeepsAnUntouchedKey) {
  EXPECT_TRUE(KeyToBeWritten(true, false, "28", "28"));   // nobody else: as always
  EXPECT_TRUE(KeyToBeWritten(true, false, nullptr, nullptr));  // missing at load and now: the default goes in
  EXPECT_FALSE(KeyToBeWritten(true, false, "28", "30"));  // the game's 30 stays
  EXPECT_FALSE(KeyToBeWritten(true, false, nullptr, "30"));
  EXPECT_FALSE(KeyToBeWritten(true, false, "28", nullptr));  // removed meanwhile: stays removed
  EXPECT_TRUE(KeyToBeWritten(true, true, "28", "30"));    // both changed: the player's value
  EXPECT_TRUE(KeyToBeWritten(false, false, "28", "30"));  // no page read it
}

TEST(LoadedKeys, ALaterReadingReplacesAndWhatDoesNotFitIsForgotten) {
  static LoadedKeys table;
  EXPECT_TRUE(KeepLoadedKey(&table, GAME_INI, "PERIPHERAL", "PLAYER1 DEVICE", "0", "0"));
  EXPECT_TRUE(KeepLoadedKey(&table, GAME_INI, "NETWORK", "ChatLines", nullptr, "4"));
  EXPECT_TRUE(KeepLoadedKey(&table, GAME_INI, "peripheral", "player1 device", "1", "1"));
  EXPECT_EQ(table.count, 2);
  const LoadedKey* k = FindLoadedKey(&table, GAME_INI, "Peripheral", "Player1 Device");
  ASSERT_NE(k, nullptr);
  EXPECT_STREQ(k->loaded, "1");
  EXPECT_TRUE(FindLoadedKey(&table, GAME_INI, "NETWORK", "ChatLines")->missing);
  EXPECT_EQ(FindLoadedKey(&table, CONFIG_FILE, "NETWORK", "ChatLines"), nullptr);
  std::string big(LOADED_VALUE_SIZE, 'v');
  EXPECT_FALSE(KeepLoadedKey(&table, GAME_INI, "NETWORK", "ChatLines", "4", big.c_str()));
  EXPECT_EQ(FindLoadedKey(&table, GAME_INI, "NETWORK", "ChatLines"), nullptr);
}

}  // namespace
