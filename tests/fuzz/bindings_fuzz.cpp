// Key bindings from whatever PERIPHERAL holds: labels for any stored number
// stay within their 32 bytes, out-of-range slots are never touched, and the
// duplicate check refuses exactly the tables that have a clash, with a
// message that fits the caller's buffer and lists at most four clashes.
#include "options/bindings.h"

#include "fuzz_util.h"

namespace {

int StoredNumber(FuzzedDataProvider& fdp) {
  switch (fdp.ConsumeIntegralInRange(0, 3)) {
    case 0: return kKeyCodeTable[fdp.ConsumeIntegralInRange(0, KEY_COUNT - 1)];
    case 1: return fdp.ConsumeIntegralInRange(-2, 40);
    case 2: return fdp.ConsumeBool() ? -2147483647 - 1 : 2147483647;
    default: return fdp.ConsumeIntegral<int>();
  }
}

void CheckLabels(FuzzedDataProvider& fdp) {
  int player = fdp.ConsumeIntegralInRange(-3, 4);
  int action = fdp.ConsumeIntegralInRange(-3, 10);
  bool pad = fdp.ConsumeBool();
  int value = StoredNumber(fdp);
  KeyBindings before = g_keyBindings;
  int stored = SetBinding(player, action, pad, value);
  int got = GetBinding(player, action, pad);
  bool slot = pad ? (action >= PAD_ACTION_FIRST && action < ACTION_COUNT)
                  : (player >= 0 && player < PLAYER_COUNT && action >= 0 && action < ACTION_COUNT);
  if (!slot) {
    FUZZ_CHECK(stored == -1 && got == -1);
    FUZZ_CHECK(memcmp(&before, &g_keyBindings, sizeof before) == 0);
  } else if (value == -1) {
    FUZZ_CHECK(stored == -1);
    FUZZ_CHECK(memcmp(&before, &g_keyBindings, sizeof before) == 0);
  } else {
    FUZZ_CHECK(stored == value && got == value);
  }
  const char* label = GetBindingLabel(player, action, pad);
  FUZZ_CHECK(memchr(label, '\0', BINDING_LABEL_SIZE) != nullptr);
  std::string text = label;
  if (pad && action >= 0 && action < PAD_ACTION_FIRST) {
    FUZZ_CHECK(text == "***");
  } else if (pad) {
    char expected[32];
    snprintf(expected, sizeof expected, "KEY %d", got);
    FUZZ_CHECK(text == expected);
  } else if (got == -1) {
    FUZZ_CHECK(text == "failed");
  } else {
    int index = FindKeyIndex(got);
    FUZZ_CHECK(text == (index < 0 ? "undef." : kKeyNameTable[index]));
    FUZZ_CHECK(text == KeyLabel(got));
  }
  // The assignment dialog's parameter carries the mode and a code it can select.
  unsigned param = MakeAssignParam(pad, player, value);
  FUZZ_CHECK(AssignParamIsPad(param) == pad);
  int low = AssignParamLow(param);
  if (pad) FUZZ_CHECK(low == (player == 0 ? 0 : 1));
  else FUZZ_CHECK(low == ((value >= 0 && value <= 0xFFFF) ? value : 0));
  int index = AssignListIndex(low);
  FUZZ_CHECK(index >= 0 && index < KEY_COUNT);
}

bool KeyboardClash(const KeyBindings& t) {
  for (int a = 0; a < PLAYER_COUNT * ACTION_COUNT; ++a)
    for (int b = a + 1; b < PLAYER_COUNT * ACTION_COUNT; ++b)
      if (t.keyboard[a / ACTION_COUNT][a % ACTION_COUNT] == t.keyboard[b / ACTION_COUNT][b % ACTION_COUNT]) return true;
  return false;
}

bool PadClash(const KeyBindings& t, int player) {
  const int* p = t.pad[player];
  return p[0] == p[1] || p[0] == p[2] || p[1] == p[2];
}

void CheckDuplicates(FuzzedDataProvider& fdp) {
  KeyBindings t;
  // A few distinct codes make clashes likely; any stored number may appear.
  int pool[6];
  for (int& v : pool) v = StoredNumber(fdp);
  for (int p = 0; p < PLAYER_COUNT; ++p) {
    for (int a = 0; a < ACTION_COUNT; ++a) t.keyboard[p][a] = fdp.ConsumeBool() ? pool[fdp.ConsumeIntegralInRange(0, 5)] : StoredNumber(fdp);
    for (int a = 0; a < PAD_ACTION_COUNT; ++a) t.pad[p][a] = fdp.ConsumeBool() ? pool[fdp.ConsumeIntegralInRange(0, 5)] : StoredNumber(fdp);
  }
  DeviceStates states;
  states.player1Pad = fdp.ConsumeBool();
  states.player2Pad = fdp.ConsumeBool();
  states.player2Disabled = fdp.ConsumeBool();
  size_t size = fdp.ConsumeBool() ? (size_t)DUPLICATE_MESSAGE_SIZE : fdp.ConsumeIntegralInRange<size_t>(0, 700);
  ExactBuffer out(size);
  KeyBindings copy = t;
  bool refused = FindDuplicateBindings(&t, &states, out.get(), out.size());
  FUZZ_CHECK(memcmp(&copy, &t, sizeof t) == 0);
  bool expected = KeyboardClash(t) || (states.player1Pad && PadClash(t, 0)) || (states.player2Pad && PadClash(t, 1));
  FUZZ_CHECK(refused == expected);
  if (size == 0) {
    FUZZ_CHECK(out.Untouched());
    return;
  }
  FUZZ_CHECK(out.Terminated());
  FUZZ_CHECK(EndsOnCharBoundary(out.get()));
  if (!refused) {
    FUZZ_CHECK(out.get()[0] == '\0');
    return;
  }
  // The whole message, seen through a buffer of the promised size.
  ExactBuffer full(DUPLICATE_MESSAGE_SIZE);
  FUZZ_CHECK(FindDuplicateBindings(&t, &states, full.get(), full.size()));
  std::string message = full.get();
  FUZZ_CHECK(message.size() < (size_t)DUPLICATE_MESSAGE_SIZE);
  FUZZ_CHECK(StartsWith(message, out.get()));
  static const char kHeading[] = "以下のキー設定が重複しています。\n\n";
  FUZZ_CHECK(StartsWith(message, kHeading));
  std::string list = message.substr(strlen(kHeading));
  FUZZ_CHECK(!list.empty());
  int lines = 0;
  for (char c : list) lines += c == '\n';
  if (KeyboardClash(t)) {
    FUZZ_CHECK(lines >= 1 && lines <= 4);
    FUZZ_CHECK(list[list.size() - 1] == '\n' || (lines == 4 && list.compare(list.size() - 3, 3, "...") == 0));
  } else {
    FUZZ_CHECK(lines == 0 && list.compare(0, 1, "P") == 0 && list.find("(PAD ") != std::string::npos);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t length) {
  FuzzedDataProvider fdp(data, length);
  if (fdp.ConsumeBool()) CheckLabels(fdp);
  else CheckDuplicates(fdp);
  return 0;
}
