// The binding model: slots, labels, stored keys, default sets, the duplicate
// check of an OK and the decisions of the assignment dialog.
#include "options/bindings.h"

#include <gtest/gtest.h>
#include <string.h>

#include <set>
#include <string>

namespace {

const char kHeading[] = "以下のキー設定が重複しています。\n\n";

// All fourteen keyboard codes distinct, pads distinct: no clash anywhere.
KeyBindings Distinct() {
  KeyBindings t;
  FillMissingKeyDefaults(&t);
  return t;
}

DeviceStates Devices(bool p1Pad, bool p2Pad, bool p2Disabled) {
  DeviceStates s;
  s.player1Pad = p1Pad;
  s.player2Pad = p2Pad;
  s.player2Disabled = p2Disabled;
  return s;
}

// The message of an OK, "" when the OK passes.
std::string Check(const KeyBindings& t, DeviceStates s = Devices(false, false, false)) {
  char out[DUPLICATE_MESSAGE_SIZE];
  memset(out, 'x', sizeof out);
  bool refused = FindDuplicateBindings(&t, &s, out, sizeof out);
  EXPECT_EQ(refused, out[0] != '\0');
  return out;
}

std::string Listed(const std::string& lines) { return kHeading + lines; }

class BindingTable : public ::testing::Test {
 protected:
  void SetUp() override { FillMissingKeyDefaults(&g_keyBindings); }
};

// ---- the key table -------------------------------------------------------------

TEST(KeyTable, SeventyEntriesInListOrder) {
  EXPECT_EQ(KEY_COUNT, 70);
  EXPECT_STREQ(kKeyNameTable[0], "-");
  EXPECT_EQ(kKeyCodeTable[0], 0x0C);
  EXPECT_STREQ(kKeyNameTable[2], "\\");  // one backslash
  EXPECT_EQ(kKeyCodeTable[2], 0x7D);
  EXPECT_STREQ(kKeyNameTable[11], "B.Slash");
  EXPECT_STREQ(kKeyNameTable[33], "NUM ENTER");
  EXPECT_EQ(kKeyCodeTable[33], 0x9C);
  EXPECT_STREQ(kKeyNameTable[34], "A");
  EXPECT_EQ(kKeyCodeTable[34], 0x1E);
  EXPECT_STREQ(kKeyNameTable[69], "0");
  EXPECT_EQ(kKeyCodeTable[69], 0x0B);
}

TEST(KeyTable, JapaneseLayoutKeys) {
  EXPECT_EQ(kKeyCodeTable[1], 0x90);  // ^
  EXPECT_EQ(kKeyCodeTable[3], 0x91);  // @
  EXPECT_EQ(kKeyCodeTable[6], 0x92);  // :
  EXPECT_STREQ(kKeyNameTable[6], ":");
}

TEST(KeyTable, NoCodeOrNameTwice) {
  std::set<int> codes(kKeyCodeTable, kKeyCodeTable + KEY_COUNT);
  std::set<std::string> names(kKeyNameTable, kKeyNameTable + KEY_COUNT);
  EXPECT_EQ(codes.size(), 70u);
  EXPECT_EQ(names.size(), 70u);
}

TEST(ActionNames, DuplicateMessageNames) {
  const char* expected[] = {"UP", "DOWN", "LEFT", "RIGHT", "PAUSE", "Rot. L", "Rot. R"};
  for (int i = 0; i < ACTION_COUNT; ++i) EXPECT_STREQ(kActionNames[i], expected[i]);
  EXPECT_STREQ(kPadActionNames[0], "PAUSE");
  EXPECT_STREQ(kPadActionNames[1], "Rot. L");
  EXPECT_STREQ(kPadActionNames[2], "Rot. R");
}

// ---- slots ---------------------------------------------------------------------

TEST_F(BindingTable, KeyboardSlotsExistForPlayersZeroAndOneOnly) {
  EXPECT_EQ(SetBinding(0, 3, false, 0x1E), 0x1E);
  EXPECT_EQ(GetBinding(0, 3, false), 0x1E);
  EXPECT_EQ(SetBinding(1, 3, false, 0x30), 0x30);
  EXPECT_EQ(GetBinding(1, 3, false), 0x30);
  EXPECT_EQ(GetBinding(0, 3, false), 0x1E);
  EXPECT_EQ(GetBinding(2, 3, false), -1);
  EXPECT_EQ(GetBinding(-1, 3, false), -1);
  KeyBindings before = g_keyBindings;
  EXPECT_EQ(SetBinding(2, 3, false, 0x10), -1);
  EXPECT_EQ(SetBinding(-1, 0, false, 0x10), -1);
  EXPECT_EQ(SetBinding(0, 7, false, 0x10), -1);
  EXPECT_EQ(SetBinding(0, -1, false, 0x10), -1);
  EXPECT_EQ(memcmp(&before, &g_keyBindings, sizeof before), 0);
}

TEST_F(BindingTable, PadSlotsExistForActionsFourToSixOnly) {
  for (int a = 0; a < 4; ++a) {
    EXPECT_EQ(GetBinding(0, a, true), -1);
    EXPECT_EQ(SetBinding(0, a, true, 3), -1);
  }
  EXPECT_EQ(GetBinding(0, 7, true), -1);
  EXPECT_EQ(SetBinding(1, 7, true, 3), -1);
  EXPECT_EQ(SetBinding(0, 4, true, 12), 12);
  EXPECT_EQ(SetBinding(1, 6, true, 31), 31);
  EXPECT_EQ(g_keyBindings.pad[0][0], 12);
  EXPECT_EQ(g_keyBindings.pad[1][2], 31);
  // Any player other than 0 is Player 2 on the controller.
  EXPECT_EQ(GetBinding(5, 6, true), 31);
  EXPECT_EQ(GetBinding(-3, 4, true), GetBinding(1, 4, true));
  EXPECT_EQ(SetBinding(7, 5, true, 9), 9);
  EXPECT_EQ(g_keyBindings.pad[1][1], 9);
  // Keyboard and pad slots of one action are apart.
  EXPECT_EQ(GetBinding(0, 4, false), 0x1C);
}

TEST_F(BindingTable, MinusOneIsNeverStored) {
  KeyBindings before = g_keyBindings;
  EXPECT_EQ(SetBinding(0, 0, false, -1), -1);
  EXPECT_EQ(SetBinding(1, 5, true, -1), -1);
  EXPECT_EQ(memcmp(&before, &g_keyBindings, sizeof before), 0);
  EXPECT_EQ(SetBinding(0, 0, false, 0), 0);  // 0 is a value like any other
  EXPECT_EQ(SetBinding(0, 0, false, -2), -2);
}

// ---- labels --------------------------------------------------------------------

TEST_F(BindingTable, KeyboardLabelsNameTheKey) {
  EXPECT_STREQ(GetBindingLabel(0, 0, false), "Up");
  EXPECT_STREQ(GetBindingLabel(1, 4, false), "Space");
  SetBinding(0, 1, false, 0x9C);
  EXPECT_STREQ(GetBindingLabel(0, 1, false), "NUM ENTER");
  SetBinding(0, 1, false, 0x7D);
  EXPECT_STREQ(GetBindingLabel(0, 1, false), "\\");
}

TEST_F(BindingTable, KeyboardLabelsForValuesOutsideTheTable) {
  SetBinding(0, 0, false, 59);  // F1: a real key, but not assignable here
  EXPECT_STREQ(GetBindingLabel(0, 0, false), "undef.");
  SetBinding(0, 0, false, 0);
  EXPECT_STREQ(GetBindingLabel(0, 0, false), "undef.");
  SetBinding(0, 0, false, 0x7FFFFFFF);
  EXPECT_STREQ(GetBindingLabel(0, 0, false), "undef.");
  g_keyBindings.keyboard[1][2] = -1;  // as read from a file
  EXPECT_STREQ(GetBindingLabel(1, 2, false), "failed");
  EXPECT_STREQ(GetBindingLabel(2, 0, false), "failed");  // no such player
}

TEST_F(BindingTable, PadLabels) {
  for (int a = 0; a < 4; ++a) EXPECT_STREQ(GetBindingLabel(0, a, true), "***");
  EXPECT_STREQ(GetBindingLabel(0, 4, true), "KEY 8");
  EXPECT_STREQ(GetBindingLabel(0, 5, true), "KEY 0");  // shown as stored, not plus one
  EXPECT_STREQ(GetBindingLabel(1, 6, true), "KEY 1");
  SetBinding(1, 6, true, 31);
  EXPECT_STREQ(GetBindingLabel(1, 6, true), "KEY 31");
  g_keyBindings.pad[0][1] = -2147483647 - 1;  // the widest number still fits the 32 bytes
  EXPECT_STREQ(GetBindingLabel(0, 5, true), "KEY -2147483648");
}

TEST_F(BindingTable, OneLabelBufferForEveryCall) {
  const char* first = GetBindingLabel(0, 0, false);
  const char* second = GetBindingLabel(0, 4, true);
  EXPECT_EQ(first, second);
  EXPECT_STREQ(first, "KEY 8");
}

// ---- stored keys and default sets ---------------------------------------------

TEST(StoredKeys, NamesAndOrder) {
  const char* expected[BINDING_KEY_COUNT] = {
      "PLAYER1 KEYBOARD UP",    "PLAYER1 KEYBOARD DOWN",  "PLAYER1 KEYBOARD LEFT",  "PLAYER1 KEYBOARD RIGHT",
      "PLAYER1 KEYBOARD FIRE1", "PLAYER1 KEYBOARD FIRE2", "PLAYER1 KEYBOARD FIRE3", "PLAYER1 PAD FIRE1",
      "PLAYER1 PAD FIRE2",      "PLAYER1 PAD FIRE3",      "PLAYER2 KEYBOARD UP",    "PLAYER2 KEYBOARD DOWN",
      "PLAYER2 KEYBOARD LEFT",  "PLAYER2 KEYBOARD RIGHT", "PLAYER2 KEYBOARD FIRE1", "PLAYER2 KEYBOARD FIRE2",
      "PLAYER2 KEYBOARD FIRE3", "PLAYER2 PAD FIRE1",      "PLAYER2 PAD FIRE2",      "PLAYER2 PAD FIRE3",
  };
  for (int i = 0; i < BINDING_KEY_COUNT; ++i) EXPECT_STREQ(kBindingKeys[i].setting.key, expected[i]) << i;
  EXPECT_STREQ(kPeripheralSection, "PERIPHERAL");
  EXPECT_STREQ(kDeviceKeys[0].key, "PLAYER1 DEVICE");
  EXPECT_STREQ(kDeviceKeys[1].key, "PLAYER2 DEVICE");
}

TEST(StoredKeys, EachKeyHasItsOwnSlot) {
  KeyBindings t;
  memset(&t, 0, sizeof t);
  for (int i = 0; i < BINDING_KEY_COUNT; ++i) *BindingSlot(&t, &kBindingKeys[i]) = 100 + i;
  for (int a = 0; a < ACTION_COUNT; ++a) {
    EXPECT_EQ(t.keyboard[0][a], 100 + a);
    EXPECT_EQ(t.keyboard[1][a], 110 + a);
  }
  for (int a = 0; a < PAD_ACTION_COUNT; ++a) {
    EXPECT_EQ(t.pad[0][a], 107 + a);
    EXPECT_EQ(t.pad[1][a], 117 + a);
  }
}

TEST(StoredKeys, MissingKeyDefaults) {
  KeyBindings t;
  memset(&t, 0x55, sizeof t);
  FillMissingKeyDefaults(&t);
  const int p1[7] = {200, 208, 203, 205, 28, 44, 55};
  const int p2[7] = {22, 36, 35, 37, 57, 24, 25};
  for (int a = 0; a < ACTION_COUNT; ++a) {
    EXPECT_EQ(t.keyboard[0][a], p1[a]);
    EXPECT_EQ(t.keyboard[1][a], p2[a]);
  }
  for (int p = 0; p < PLAYER_COUNT; ++p) {
    EXPECT_EQ(t.pad[p][0], 8);
    EXPECT_EQ(t.pad[p][1], 0);
    EXPECT_EQ(t.pad[p][2], 1);
  }
  g_keyBindings = t;
  EXPECT_STREQ(GetBindingLabel(0, 6, false), "NUM *");
}

TEST(StoredKeys, DefaultSetDiffersOnlyInPlayerOneRotateRight) {
  KeyBindings missing;
  FillMissingKeyDefaults(&missing);
  KeyBindings t;
  memset(&t, 0, sizeof t);
  t.pad[0][0] = 5;
  t.pad[0][1] = 6;
  t.pad[0][2] = 7;
  t.pad[1][0] = 9;
  t.pad[1][1] = 10;
  t.pad[1][2] = 11;
  ApplyDefaultKeySet(&t);
  for (int p = 0; p < PLAYER_COUNT; ++p) {
    for (int a = 0; a < ACTION_COUNT; ++a) {
      if (p == 0 && a == 6) continue;
      EXPECT_EQ(t.keyboard[p][a], missing.keyboard[p][a]) << p << " " << a;
    }
  }
  EXPECT_EQ(t.keyboard[0][6], 0x2D);
  EXPECT_STREQ(KeyLabel(t.keyboard[0][6]), "X");
  // Pad buttons are not part of the set.
  EXPECT_EQ(t.pad[0][0], 5);
  EXPECT_EQ(t.pad[0][2], 7);
  EXPECT_EQ(t.pad[1][1], 10);
  EXPECT_EQ(Check(t), "");  // the Default set itself passes the check
}

// ---- devices -------------------------------------------------------------------

TEST(Devices, StoredValues) {
  EXPECT_EQ(DeviceFromStored(0, 0), DEVICE_KEYBOARD);
  EXPECT_EQ(DeviceFromStored(0, 1), DEVICE_PAD);
  EXPECT_EQ(DeviceFromStored(0, 2), DEVICE_KEYBOARD);  // Player 1 cannot be switched off
  EXPECT_EQ(DeviceFromStored(0, -1), DEVICE_KEYBOARD);
  EXPECT_EQ(DeviceFromStored(1, 0), DEVICE_KEYBOARD);
  EXPECT_EQ(DeviceFromStored(1, 1), DEVICE_PAD);
  EXPECT_EQ(DeviceFromStored(1, 2), DEVICE_DISABLED);
  EXPECT_EQ(DeviceFromStored(1, 3), DEVICE_KEYBOARD);
}

TEST(Devices, ValuesWritten) {
  DeviceStates s = Devices(true, true, false);
  EXPECT_EQ(StoredDevice(&s, 0), 1);
  EXPECT_EQ(StoredDevice(&s, 1), 1);
  s = Devices(false, false, false);
  EXPECT_EQ(StoredDevice(&s, 0), 0);
  EXPECT_EQ(StoredDevice(&s, 1), 0);
  s = Devices(false, false, true);
  EXPECT_EQ(StoredDevice(&s, 1), 2);
  s = Devices(false, true, true);
  EXPECT_EQ(StoredDevice(&s, 1), 2);
}

TEST(Devices, WhichButtonsCanBeUsed) {
  DeviceStates keyboard = Devices(false, false, false);
  for (int p = 0; p < PLAYER_COUNT; ++p)
    for (int a = 0; a < ACTION_COUNT; ++a) EXPECT_TRUE(BindingButtonEnabled(&keyboard, p, a));

  DeviceStates pads = Devices(true, true, false);
  for (int p = 0; p < PLAYER_COUNT; ++p) {
    for (int a = 0; a < ACTION_COUNT; ++a) EXPECT_EQ(BindingButtonEnabled(&pads, p, a), a >= 4) << p << a;
  }

  DeviceStates disabled = Devices(false, false, true);
  for (int a = 0; a < ACTION_COUNT; ++a) {
    EXPECT_TRUE(BindingButtonEnabled(&disabled, 0, a));
    EXPECT_FALSE(BindingButtonEnabled(&disabled, 1, a));
  }
  DeviceStates padAndDisabled = Devices(true, true, true);
  for (int a = 0; a < ACTION_COUNT; ++a) EXPECT_FALSE(BindingButtonEnabled(&padAndDisabled, 1, a));
  // Player 1's actions are always usable.
  for (int a = 4; a < ACTION_COUNT; ++a) EXPECT_TRUE(BindingButtonEnabled(&padAndDisabled, 0, a));
}

// ---- the duplicate check -------------------------------------------------------

TEST(DuplicateCheck, DistinctKeysPass) {
  char out[DUPLICATE_MESSAGE_SIZE] = "stale";
  KeyBindings t = Distinct();
  DeviceStates s = Devices(true, true, false);
  EXPECT_FALSE(FindDuplicateBindings(&t, &s, out, sizeof out));
  EXPECT_STREQ(out, "");
}

TEST(DuplicateCheck, SamePlayerListsTheLaterActionFirst) {
  KeyBindings t = Distinct();
  t.keyboard[0][1] = 0xC8;  // DOWN on Up, as UP
  EXPECT_EQ(Check(t), Listed("P1 DOWN - P1 UP (Up)\n"));
  t = Distinct();
  t.keyboard[1][6] = 0x16;  // Player 2 Rot. R on U, as UP
  EXPECT_EQ(Check(t), Listed("P2 Rot. R - P2 UP (U)\n"));
}

TEST(DuplicateCheck, AcrossPlayersListsPlayerOneFirst) {
  KeyBindings t = Distinct();
  t.keyboard[1][1] = 0xC8;  // Player 2 DOWN on Player 1's UP key
  EXPECT_EQ(Check(t), Listed("P1 UP - P2 DOWN (Up)\n"));
}

TEST(DuplicateCheck, LabelsOfUnknownAndFailedCodes) {
  KeyBindings t = Distinct();
  t.keyboard[0][0] = 59;
  t.keyboard[0][2] = 59;
  EXPECT_EQ(Check(t), Listed("P1 LEFT - P1 UP (undef.)\n"));
  t = Distinct();
  t.keyboard[1][3] = -1;
  t.keyboard[1][5] = -1;
  EXPECT_EQ(Check(t), Listed("P2 Rot. L - P2 RIGHT (failed)\n"));
}

TEST(DuplicateCheck, BothPlayersOnOnePairListOnlyPlayerOne) {
  KeyBindings t = Distinct();
  t.keyboard[0][1] = t.keyboard[0][0];  // P1 UP/DOWN on Up
  t.keyboard[1][1] = t.keyboard[1][0];  // P2 UP/DOWN on U
  EXPECT_EQ(Check(t), Listed("P1 DOWN - P1 UP (Up)\n"));
  t.keyboard[0][1] = 0xD0;  // once Player 1's clash is gone, Player 2's shows
  EXPECT_EQ(Check(t), Listed("P2 DOWN - P2 UP (U)\n"));
}

TEST(DuplicateCheck, OrderOfPairsThenAcrossPlayers) {
  KeyBindings t = Distinct();
  t.keyboard[1][0] = 0x1C;  // P2 UP on P1 PAUSE's Enter
  t.keyboard[0][6] = 0x2C;  // P1 Rot. R on P1 Rot. L's Z
  t.keyboard[1][3] = 0x24;  // P2 RIGHT on P2 DOWN's J
  EXPECT_EQ(Check(t), Listed("P2 RIGHT - P2 DOWN (J)\n"
                             "P1 Rot. R - P1 Rot. L (Z)\n"
                             "P1 PAUSE - P2 UP (Enter)\n"));
}

TEST(DuplicateCheck, ExactlyFourClashesHaveNoEllipsis) {
  KeyBindings t = Distinct();
  t.keyboard[0][1] = 0xC8;  // P1 DOWN = UP
  t.keyboard[0][3] = 0xCB;  // P1 RIGHT = LEFT
  t.keyboard[1][5] = 0x39;  // P2 Rot. L = PAUSE (Space)
  t.keyboard[1][6] = 0x1C;  // P2 Rot. R on P1 PAUSE's Enter
  EXPECT_EQ(Check(t), Listed("P1 DOWN - P1 UP (Up)\n"
                             "P1 RIGHT - P1 LEFT (Left)\n"
                             "P2 Rot. L - P2 PAUSE (Space)\n"
                             "P1 PAUSE - P2 Rot. R (Enter)\n"));
}

TEST(DuplicateCheck, FiveOrMoreClashesListFourThenEllipsis) {
  KeyBindings t = Distinct();
  t.keyboard[0][1] = 0xC8;
  t.keyboard[0][3] = 0xCB;
  t.keyboard[1][5] = 0x39;
  t.keyboard[1][6] = 0x1C;
  t.keyboard[1][0] = 0x2C;  // the fifth: P2 UP on P1 Rot. L's Z
  const std::string four = "P1 DOWN - P1 UP (Up)\n"
                           "P1 RIGHT - P1 LEFT (Left)\n"
                           "P2 Rot. L - P2 PAUSE (Space)\n";
  EXPECT_EQ(Check(t), Listed(four + "P1 Rot. L - P2 UP (Z)\n..."));
  // Every key the same: 21 + 21 pairs counted, still four lines and "...".
  for (int p = 0; p < PLAYER_COUNT; ++p)
    for (int a = 0; a < ACTION_COUNT; ++a) t.keyboard[p][a] = 0x9C;
  EXPECT_EQ(Check(t), Listed("P1 DOWN - P1 UP (NUM ENTER)\n"
                             "P1 LEFT - P1 UP (NUM ENTER)\n"
                             "P1 RIGHT - P1 UP (NUM ENTER)\n"
                             "P1 PAUSE - P1 UP (NUM ENTER)\n..."));
}

TEST(DuplicateCheck, KeyboardCountsWhateverTheDevices) {
  KeyBindings t = Distinct();
  t.keyboard[1][4] = 0xC8;  // Player 2, disabled, on Player 1's UP key
  EXPECT_EQ(Check(t, Devices(false, false, true)), Listed("P1 UP - P2 PAUSE (Up)\n"));
  t = Distinct();
  t.keyboard[0][2] = t.keyboard[0][3];  // Player 1 on the controller, keyboard clash all the same
  EXPECT_EQ(Check(t, Devices(true, false, false)), Listed("P1 RIGHT - P1 LEFT (Right)\n"));
}

TEST(DuplicateCheck, PadClashesOnlyForAPlayerOnTheController) {
  KeyBindings t = Distinct();
  t.pad[0][1] = 8;  // PAUSE and Rot. L both on button 8
  EXPECT_EQ(Check(t, Devices(false, false, false)), "");
  EXPECT_EQ(Check(t, Devices(false, true, false)), "");
  EXPECT_EQ(Check(t, Devices(true, false, false)), Listed("P1 PAUSE - P1 Rot. L (PAD 8)"));
  t = Distinct();
  t.pad[1][2] = 0;  // Rot. L and Rot. R on button 0
  EXPECT_EQ(Check(t, Devices(true, false, false)), "");
  EXPECT_EQ(Check(t, Devices(false, true, false)), Listed("P2 Rot. L - P2 Rot. R (PAD 0)"));
}

TEST(DuplicateCheck, OnlyTheFirstPadClashIsReported) {
  KeyBindings t = Distinct();
  t.pad[0][0] = t.pad[0][1] = t.pad[0][2] = 3;
  t.pad[1][0] = t.pad[1][1] = 4;
  EXPECT_EQ(Check(t, Devices(true, true, false)), Listed("P1 PAUSE - P1 Rot. L (PAD 3)"));
  t.pad[0][0] = 9;
  EXPECT_EQ(Check(t, Devices(true, true, false)), Listed("P1 Rot. L - P1 Rot. R (PAD 3)"));
  t.pad[0][1] = 10;
  EXPECT_EQ(Check(t, Devices(true, true, false)), Listed("P2 PAUSE - P2 Rot. L (PAD 4)"));
}

TEST(DuplicateCheck, KeyboardClashesComeBeforePadClashes) {
  KeyBindings t = Distinct();
  t.pad[0][1] = 8;
  t.keyboard[0][1] = 0xC8;
  EXPECT_EQ(Check(t, Devices(true, false, false)), Listed("P1 DOWN - P1 UP (Up)\n"));
}

TEST(DuplicateCheck, SmallBuffersAreNeverOverrun) {
  KeyBindings t = Distinct();
  for (int p = 0; p < PLAYER_COUNT; ++p)
    for (int a = 0; a < ACTION_COUNT; ++a) t.keyboard[p][a] = 0x9C;
  DeviceStates s = Devices(false, false, false);
  std::string full = Check(t);
  for (size_t size = 1; size <= full.size() + 1; ++size) {
    char buf[DUPLICATE_MESSAGE_SIZE + 8];
    memset(buf, '#', sizeof buf);
    EXPECT_TRUE(FindDuplicateBindings(&t, &s, buf, size));
    EXPECT_EQ(buf[size], '#') << size;
    EXPECT_LT(strlen(buf), size);
    EXPECT_EQ(full.compare(0, strlen(buf), buf), 0) << size;  // a cut of the whole message
  }
}

// A refused OK leads to the first binding the message names, or the other
// one of its pair, or the player's device choice when neither can be used.
TEST(DuplicateCheck, WhereTheRefusalLeads) {
  BindingRef clash[2];
  char out[DUPLICATE_MESSAGE_SIZE];
  KeyBindings t = Distinct();
  t.keyboard[1][1] = t.keyboard[0][0];  // P1 UP - P2 DOWN
  t.keyboard[0][3] = t.keyboard[0][2];  // listed first: P1 RIGHT - P1 LEFT
  DeviceStates keyboard = Devices(false, false, false);
  ASSERT_TRUE(FindDuplicateBindings(&t, &keyboard, out, sizeof out, clash));
  EXPECT_EQ(clash[0].player, 0);
  EXPECT_EQ(clash[0].action, 3);
  EXPECT_EQ(clash[1].action, 2);
  EXPECT_EQ(ClashFocus(clash, &keyboard).action, 3);
  DeviceStates p1Pad = Devices(true, false, false);
  BindingRef focus = ClashFocus(clash, &p1Pad);
  EXPECT_EQ(focus.player, 0);
  EXPECT_EQ(focus.action, -1);
  const BindingRef across[2] = {{0, 0}, {1, 1}};
  EXPECT_EQ(ClashFocus(across, &p1Pad).player, 1);
  t = Distinct();
  t.pad[1][2] = t.pad[1][0];
  DeviceStates p2Pad = Devices(false, true, false);
  ASSERT_TRUE(FindDuplicateBindings(&t, &p2Pad, out, sizeof out, clash));
  EXPECT_EQ(clash[0].player, 1);
  EXPECT_EQ(clash[0].action, 4);  // PAUSE, the pad clash's first
  EXPECT_EQ(clash[1].action, 6);
}

TEST(BindingName, PlayerActionKeyCutWhole) {
  char out[64];
  FormatBindingName("Player 1", "左回", "Z", out, sizeof out);
  EXPECT_STREQ(out, "Player 1, 左回, Z");
  char small[12];  // "Player 2, " and the lead byte of the caption's first character
  FormatBindingName("Player 2", "左回", "NUM ENTER", small, sizeof small);
  EXPECT_STREQ(small, "Player 2, ");
}

// ---- the assignment dialog's decisions ----------------------------------------

TEST(AssignDialog, CreationParameter) {
  unsigned keyboard = MakeAssignParam(false, 1, 0xC8);
  EXPECT_EQ(keyboard, 0xC8u);
  EXPECT_FALSE(AssignParamIsPad(keyboard));
  EXPECT_EQ(AssignParamLow(keyboard), 0xC8);
  unsigned pad = MakeAssignParam(true, 1, 0xC8);
  EXPECT_EQ(pad, 0x10001u);
  EXPECT_TRUE(AssignParamIsPad(pad));
  EXPECT_EQ(AssignParamLow(pad), 1);
  EXPECT_EQ(MakeAssignParam(true, 0, 8), 0x10000u);
  // Codes that do not fit the 16 bits pre-select nothing rather than a wrong key.
  EXPECT_EQ(MakeAssignParam(false, 0, 0x100C8), 0u);
  EXPECT_EQ(MakeAssignParam(false, 0, -5), 0u);
  EXPECT_EQ(MakeAssignParam(false, 0, 0xFFFF), 0xFFFFu);
  EXPECT_TRUE(AssignParamIsPad(0x20000u));
}

TEST(AssignDialog, ListEntryForACode) {
  EXPECT_EQ(AssignListIndex(0x0C), 0);
  EXPECT_EQ(AssignListIndex(0xC8), 12);
  EXPECT_EQ(AssignListIndex(0x0B), 69);
  EXPECT_EQ(AssignListIndex(0), 0);   // -1 is passed as 0, and opens on "-"
  EXPECT_EQ(AssignListIndex(59), 0);  // not in the table
  EXPECT_EQ(FindKeyIndex(59), -1);
}

TEST(AssignDialog, ControllerOfATimer) {
  EXPECT_EQ(ControllerForTimer(0), 0u);
  EXPECT_EQ(ControllerForTimer(1), 1u);
  EXPECT_EQ(ControllerForTimer(7), 1u);
}

TEST(AssignDialog, LowestButtonPressedIsTaken) {
  EXPECT_EQ(LowestPressedButton(0), -1);
  EXPECT_EQ(LowestPressedButton(1), 0);
  EXPECT_EQ(LowestPressedButton(0x100), 8);
  EXPECT_EQ(LowestPressedButton(0x128), 3);
  EXPECT_EQ(LowestPressedButton(0x80000000ul), 31);
  EXPECT_EQ(LowestPressedButton(0xFFFFFFFFul), 0);
}

}  // namespace
