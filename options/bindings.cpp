#include "options/bindings.h"

#include <string.h>

#include "core/text.h"

KeyBindings g_keyBindings;

const char* const kActionNames[ACTION_COUNT] = {"UP", "DOWN", "LEFT", "RIGHT", "PAUSE", "Rot. L", "Rot. R"};
const char* const kPadActionNames[PAD_ACTION_COUNT] = {"PAUSE", "Rot. L", "Rot. R"};

// Entries 1, 2, 3 and 6 are keys of the Japanese layout (circumflex, yen, at, colon).
const int kKeyCodeTable[KEY_COUNT] = {
    0x0C, 0x90, 0x7D, 0x91, 0x1A, 0x27, 0x92, 0x1B, 0x33, 0x34, 0x35, 0x2B, 0xC8, 0xD0,
    0xCB, 0xCD, 0x39, 0x1C, 0x52, 0x4F, 0x50, 0x51, 0x4B, 0x4C, 0x4D, 0x47, 0x48, 0x49,
    0x53, 0x4E, 0x4A, 0x37, 0xB5, 0x9C, 0x1E, 0x30, 0x2E, 0x20, 0x12, 0x21, 0x22, 0x23,
    0x17, 0x24, 0x25, 0x26, 0x32, 0x31, 0x18, 0x19, 0x10, 0x13, 0x1F, 0x14, 0x16, 0x2F,
    0x11, 0x2D, 0x15, 0x2C, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x0A, 0x0B,
};
const char* const kKeyNameTable[KEY_COUNT] = {
    "-",     "^",     "\\",    "@",     "[",     ";",     ":",     "]",         ",",
    ".",     "/",     "B.Slash", "Up",  "Down",  "Left",  "Right", "Space",     "Enter",
    "NUM 0", "NUM 1", "NUM 2", "NUM 3", "NUM 4", "NUM 5", "NUM 6", "NUM 7",     "NUM 8",
    "NUM 9", "NUM .", "NUM +", "NUM -", "NUM *", "NUM /", "NUM ENTER", "A",     "B",
    "C",     "D",     "E",     "F",     "G",     "H",     "I",     "J",         "K",
    "L",     "M",     "N",     "O",     "P",     "Q",     "R",     "S",         "T",
    "U",     "V",     "W",     "X",     "Y",     "Z",     "1",     "2",         "3",
    "4",     "5",     "6",     "7",     "8",     "9",     "0",
};

const char kPeripheralSection[] = "PERIPHERAL";
const SettingKey kDeviceKeys[PLAYER_COUNT] = {
    {GAME_INI, kPeripheralSection, "PLAYER1 DEVICE", 0, nullptr},
    {GAME_INI, kPeripheralSection, "PLAYER2 DEVICE", 0, nullptr},
};

const BindingKey kBindingKeys[BINDING_KEY_COUNT] = {
    {{GAME_INI, kPeripheralSection, "PLAYER1 KEYBOARD UP", 0xC8, nullptr}, 0, 0, false},
    {{GAME_INI, kPeripheralSection, "PLAYER1 KEYBOARD DOWN", 0xD0, nullptr}, 0, 1, false},
    {{GAME_INI, kPeripheralSection, "PLAYER1 KEYBOARD LEFT", 0xCB, nullptr}, 0, 2, false},
    {{GAME_INI, kPeripheralSection, "PLAYER1 KEYBOARD RIGHT", 0xCD, nullptr}, 0, 3, false},
    {{GAME_INI, kPeripheralSection, "PLAYER1 KEYBOARD FIRE1", 0x1C, nullptr}, 0, 4, false},
    {{GAME_INI, kPeripheralSection, "PLAYER1 KEYBOARD FIRE2", 0x2C, nullptr}, 0, 5, false},
    {{GAME_INI, kPeripheralSection, "PLAYER1 KEYBOARD FIRE3", 0x37, nullptr}, 0, 6, false},
    {{GAME_INI, kPeripheralSection, "PLAYER1 PAD FIRE1", 8, nullptr}, 0, 4, true},
    {{GAME_INI, kPeripheralSection, "PLAYER1 PAD FIRE2", 0, nullptr}, 0, 5, true},
    {{GAME_INI, kPeripheralSection, "PLAYER1 PAD FIRE3", 1, nullptr}, 0, 6, true},
    {{GAME_INI, kPeripheralSection, "PLAYER2 KEYBOARD UP", 0x16, nullptr}, 1, 0, false},
    {{GAME_INI, kPeripheralSection, "PLAYER2 KEYBOARD DOWN", 0x24, nullptr}, 1, 1, false},
    {{GAME_INI, kPeripheralSection, "PLAYER2 KEYBOARD LEFT", 0x23, nullptr}, 1, 2, false},
    {{GAME_INI, kPeripheralSection, "PLAYER2 KEYBOARD RIGHT", 0x25, nullptr}, 1, 3, false},
    {{GAME_INI, kPeripheralSection, "PLAYER2 KEYBOARD FIRE1", 0x39, nullptr}, 1, 4, false},
    {{GAME_INI, kPeripheralSection, "PLAYER2 KEYBOARD FIRE2", 0x18, nullptr}, 1, 5, false},
    {{GAME_INI, kPeripheralSection, "PLAYER2 KEYBOARD FIRE3", 0x19, nullptr}, 1, 6, false},
    {{GAME_INI, kPeripheralSection, "PLAYER2 PAD FIRE1", 8, nullptr}, 1, 4, true},
    {{GAME_INI, kPeripheralSection, "PLAYER2 PAD FIRE2", 0, nullptr}, 1, 5, true},
    {{GAME_INI, kPeripheralSection, "PLAYER2 PAD FIRE3", 1, nullptr}, 1, 6, true},
};

// The Default button's set: the missing-key defaults except Player 1's Rot. R on X.
static const int kDefaultKeySet[PLAYER_COUNT][ACTION_COUNT] = {
    {0xC8, 0xD0, 0xCB, 0xCD, 0x1C, 0x2C, 0x2D},
    {0x16, 0x24, 0x23, 0x25, 0x39, 0x18, 0x19},
};

// The slot a (player, action, pad) triple names in a table, nullptr when none.
static int* Slot(KeyBindings* t, int player, int action, bool pad) {
  if (pad) {
    if (action < PAD_ACTION_FIRST || action >= ACTION_COUNT) return nullptr;
    return &t->pad[player == 0 ? 0 : 1][action - PAD_ACTION_FIRST];
  }
  if (player < 0 || player >= PLAYER_COUNT || action < 0 || action >= ACTION_COUNT) return nullptr;
  return &t->keyboard[player][action];
}

int GetBinding(int player, int action, bool pad) {
  const int* slot = Slot(&g_keyBindings, player, action, pad);
  return slot == nullptr ? -1 : *slot;
}

int SetBinding(int player, int action, bool pad, int value) {
  int* slot = Slot(&g_keyBindings, player, action, pad);
  if (slot == nullptr || value == -1) return -1;
  *slot = value;
  return value;
}

int FindKeyIndex(int code) {
  for (int i = 0; i < KEY_COUNT; ++i) {
    if (kKeyCodeTable[i] == code) return i;
  }
  return -1;
}

const char* KeyLabel(int code) {
  if (code == -1) return "failed";
  int index = FindKeyIndex(code);
  return index < 0 ? "undef." : kKeyNameTable[index];
}

static char g_bindingLabel[BINDING_LABEL_SIZE];

const char* GetBindingLabel(int player, int action, bool pad) {
  int value = GetBinding(player, action, pad);
  if (pad && action >= 0 && action < PAD_ACTION_FIRST) {
    TextCopy("***", g_bindingLabel, sizeof g_bindingLabel);
  } else if (pad) {
    TextFormat(g_bindingLabel, sizeof g_bindingLabel, "KEY %d", value);
  } else {
    TextCopy(KeyLabel(value), g_bindingLabel, sizeof g_bindingLabel);
  }
  return g_bindingLabel;
}

int* BindingSlot(KeyBindings* table, const BindingKey* key) {
  return Slot(table, key->player, key->action, key->pad);
}

void FillMissingKeyDefaults(KeyBindings* table) {
  for (int i = 0; i < BINDING_KEY_COUNT; ++i) *BindingSlot(table, &kBindingKeys[i]) = kBindingKeys[i].setting.number;
}

void ApplyDefaultKeySet(KeyBindings* table) {
  for (int p = 0; p < PLAYER_COUNT; ++p) {
    for (int a = 0; a < ACTION_COUNT; ++a) table->keyboard[p][a] = kDefaultKeySet[p][a];
  }
}

Device DeviceFromStored(int player, int value) {
  if (value == 1) return DEVICE_PAD;
  if (player != 0 && value == 2) return DEVICE_DISABLED;
  return DEVICE_KEYBOARD;
}

bool BindingButtonEnabled(const DeviceStates* s, int player, int action) {
  bool direction = action < PAD_ACTION_FIRST;
  if (player == 0) return !direction || !s->player1Pad;
  if (s->player2Disabled) return false;
  return !direction || !s->player2Pad;
}

int StoredDevice(const DeviceStates* s, int player) {
  if (player == 0) return s->player1Pad ? DEVICE_PAD : DEVICE_KEYBOARD;
  if (s->player2Disabled) return DEVICE_DISABLED;
  return s->player2Pad ? DEVICE_PAD : DEVICE_KEYBOARD;
}

// ---- duplicate check ---------------------------------------------------------

enum { LISTED_CLASHES = 4 };

static const char kDuplicateHeading[] = "以下のキー設定が重複しています。\n\n";

struct ClashList {
  char text[DUPLICATE_LIST_SIZE];
  int count;
  BindingRef first[2];
};

static void KeepFirst(ClashList* list, int playerA, int actionA, int playerB, int actionB) {
  if (list->count != 1) return;
  list->first[0] = {playerA, actionA};
  list->first[1] = {playerB, actionB};
}

// Only the first four clashes are listed; the count goes on so that "..."
// can say there were more.
static void AddClash(ClashList* list, int playerA, int actionA, int playerB, int actionB, int code) {
  ++list->count;
  KeepFirst(list, playerA, actionA, playerB, actionB);
  if (list->count > LISTED_CLASHES) return;
  char line[128];
  TextFormat(line, sizeof line, "P%d %s - P%d %s (%s)\n", playerA + 1, kActionNames[actionA], playerB + 1,
             kActionNames[actionB], KeyLabel(code));
  TextAppend(line, list->text, sizeof list->text);
}

static void FindKeyboardClashes(const KeyBindings* t, ClashList* list) {
  for (int i = 0; i < ACTION_COUNT - 1; ++i) {
    for (int j = i + 1; j < ACTION_COUNT; ++j) {
      // One report per pair: a Player 2 clash on the same pair shows once Player 1's is gone.
      if (t->keyboard[0][i] == t->keyboard[0][j]) {
        AddClash(list, 0, j, 0, i, t->keyboard[0][i]);
      } else if (t->keyboard[1][i] == t->keyboard[1][j]) {
        AddClash(list, 1, j, 1, i, t->keyboard[1][i]);
      }
    }
  }
  for (int i = 0; i < ACTION_COUNT; ++i) {
    for (int j = 0; j < ACTION_COUNT; ++j) {
      if (t->keyboard[1][i] == t->keyboard[0][j]) AddClash(list, 0, j, 1, i, t->keyboard[1][i]);
    }
  }
  if (list->count > LISTED_CLASHES) TextAppend("...", list->text, sizeof list->text);
}

// The first pair of one player's controller actions on the same button, as one line.
static bool FindPadClash(const KeyBindings* t, int player, ClashList* list) {
  char* line = list->text;
  size_t size = sizeof list->text;
  for (int i = 0; i < PAD_ACTION_COUNT - 1; ++i) {
    for (int j = i + 1; j < PAD_ACTION_COUNT; ++j) {
      if (t->pad[player][i] == t->pad[player][j]) {
        list->count = 1;
        KeepFirst(list, player, PAD_ACTION_FIRST + i, player, PAD_ACTION_FIRST + j);
        TextFormat(line, size, "P%d %s - P%d %s (PAD %d)", player + 1, kPadActionNames[i], player + 1,
                   kPadActionNames[j], t->pad[player][i]);
        return true;
      }
    }
  }
  return false;
}

bool FindDuplicateBindings(const KeyBindings* table, const DeviceStates* states, char* out, size_t size,
                           BindingRef clash[2]) {
  ClashList list;
  list.text[0] = '\0';
  list.count = 0;
  FindKeyboardClashes(table, &list);
  if (list.text[0] == '\0') {
    if (!(states->player1Pad && FindPadClash(table, 0, &list)) &&
        !(states->player2Pad && FindPadClash(table, 1, &list))) {
      if (size > 0) out[0] = '\0';
      return false;
    }
  }
  if (clash != nullptr) {
    clash[0] = list.first[0];
    clash[1] = list.first[1];
  }
  // The whole message always fits here; a caller's smaller buffer gets as
  // much of it as fits, cut at a character boundary.
  char message[sizeof kDuplicateHeading + DUPLICATE_LIST_SIZE];
  TextCopy(kDuplicateHeading, message, sizeof message);
  TextAppend(list.text, message, sizeof message);
  if (size == 0) return true;
  size_t n = strlen(message);
  if (n > size - 1) n = size - 1;
  memcpy(out, message, n);
  out[n] = '\0';
  CutAtCharBoundary(out, n);
  return true;
}

unsigned MakeAssignParam(bool pad, int player, int current) {
  unsigned low;
  if (pad) {
    low = player == 0 ? 0u : 1u;
  } else {
    // A code that does not fit the 16 bits would pre-select a wrong key.
    low = (current < 0 || current > 0xFFFF) ? 0u : (unsigned)current;
  }
  return ((pad ? 1u : 0u) << 16) | low;
}

bool AssignParamIsPad(unsigned param) { return (param >> 16) != 0; }

int AssignParamLow(unsigned param) { return (int)(param & 0xFFFFu); }

int AssignListIndex(int code) {
  int index = FindKeyIndex(code);
  return index < 0 ? 0 : index;
}

unsigned ControllerForTimer(unsigned long long timerId) { return timerId == 0 ? 0u : 1u; }

int LowestPressedButton(unsigned long buttons) {
  for (int bit = 0; bit < 32; ++bit) {
    if ((buttons >> bit) & 1ul) return bit;
  }
  return -1;
}

BindingRef ClashFocus(const BindingRef clash[2], const DeviceStates* states) {
  for (int i = 0; i < 2; ++i) {
    if (BindingButtonEnabled(states, clash[i].player, clash[i].action)) return clash[i];
  }
  return {clash[0].player, -1};
}

// As much of part as fits, never half a character; false when not all of it did.
static bool AppendCut(const char* part, char* out, size_t size) {
  size_t used = strlen(out);
  size_t n = strlen(part);
  bool whole = n <= size - 1 - used;
  if (!whole) n = size - 1 - used;
  memcpy(out + used, part, n);
  out[used + n] = '\0';
  CutAtCharBoundary(out, used + n);
  return whole;
}

void FormatBindingName(const char* player, const char* action, const char* key, char* out, size_t size) {
  if (size == 0) return;
  out[0] = '\0';
  const char* const parts[5] = {player, ", ", action, ", ", key};
  for (const char* part : parts) {
    if (!AppendCut(part, out, size)) return;
  }
}
