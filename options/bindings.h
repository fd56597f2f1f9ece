// Key and game-controller bindings of the two players, the keys that may be
// assigned with the names shown for them, and how all of it is kept in the
// PERIPHERAL section of Zanto.ini. The game reads the stored values itself,
// so their encoding is fixed: DirectInput key codes for the keyboard, bit
// numbers of the buttons mask for the game controller.
#pragma once
#include <stddef.h>

#include "core/setting_key.h"

enum {
  PLAYER_COUNT = 2,
  ACTION_COUNT = 7,       // UP, DOWN, LEFT, RIGHT, PAUSE, Rot. L, Rot. R
  PAD_ACTION_FIRST = 4,   // directions have no controller binding
  PAD_ACTION_COUNT = 3,
  KEY_COUNT = 70,
  BINDING_KEY_COUNT = 20,
  BINDING_LABEL_SIZE = 32,
  DUPLICATE_LIST_SIZE = 512,
  DUPLICATE_MESSAGE_SIZE = 640,
};

// -1 in any slot: no binding.
struct KeyBindings {
  int keyboard[PLAYER_COUNT][ACTION_COUNT];
  int pad[PLAYER_COUNT][PAD_ACTION_COUNT];  // actions 4 to 6
};

// The configurator's one binding table; the Controls page fills it from
// Zanto.ini whenever the page is created.
extern KeyBindings g_keyBindings;

extern const char* const kActionNames[ACTION_COUNT];
extern const char* const kPadActionNames[PAD_ACTION_COUNT];
// The assignable keys, in the order of the assignment list.
extern const int kKeyCodeTable[KEY_COUNT];
extern const char* const kKeyNameTable[KEY_COUNT];

// Keyboard: player 0 or 1, anything else gives -1. Pad: actions 4 to 6 only;
// player 0 is Player 1 and any other player is Player 2.
int GetBinding(int player, int action, bool pad);
// Returns the value stored, or -1 when the slot does not exist or the value is -1.
int SetBinding(int player, int action, bool pad, int value);
// The button text of a binding: "***" for a direction on the controller,
// "KEY n" for a controller button, else the key's name, "failed" for -1 or
// "undef." for a code outside the key table. One 32-byte buffer, overwritten
// by every call.
const char* GetBindingLabel(int player, int action, bool pad);

// The key-table index of a code, -1 when it has none.
int FindKeyIndex(int code);
// The name of a keyboard code as the binding buttons show it.
const char* KeyLabel(int code);

// One stored binding: its key in PERIPHERAL with the value used when the key
// is missing, and the slot it fills.
struct BindingKey {
  SettingKey setting;
  int player;
  int action;
  bool pad;
};
// Player 1 keyboard UP to FIRE3, Player 1 pad FIRE1 to FIRE3, then the same for Player 2:
// the order of reading and of writing.
extern const BindingKey kBindingKeys[BINDING_KEY_COUNT];
extern const char kPeripheralSection[];
// Each player's device ("PLAYER1 DEVICE", "PLAYER2 DEVICE"), the keyboard when missing.
extern const SettingKey kDeviceKeys[PLAYER_COUNT];

// The slot of a stored binding in a table.
int* BindingSlot(KeyBindings* table, const BindingKey* key);
// Every slot at its missing-key default.
void FillMissingKeyDefaults(KeyBindings* table);
// The Default button: the keyboard codes of both players; pad buttons keep theirs.
void ApplyDefaultKeySet(KeyBindings* table);

// Devices as stored: 0 keyboard, 1 game controller, 2 (Player 2 only) disabled.
enum Device { DEVICE_KEYBOARD = 0, DEVICE_PAD = 1, DEVICE_DISABLED = 2 };
Device DeviceFromStored(int player, int value);

// Which of a player's buttons (and their captions) can be used.
struct DeviceStates {
  bool player1Pad;
  bool player2Pad;
  bool player2Disabled;
};
bool BindingButtonEnabled(const DeviceStates* states, int player, int action);
// The device value written for a player (a disabled Player 2 wins over the controller).
int StoredDevice(const DeviceStates* states, int player);

// One binding of a player.
struct BindingRef {
  int player;
  int action;  // -1: no binding button, the player's device choice instead
};

// The duplicate check of an OK: keyboard clashes of both players whatever
// their devices, then the controller buttons of each player who is on the
// controller. False when all is well; otherwise true with the whole message
// text in out (size at least DUPLICATE_MESSAGE_SIZE for every list).
// clash, when given, receives the two bindings of the first clash, in the
// order the message names them.
bool FindDuplicateBindings(const KeyBindings* table, const DeviceStates* states, char* out,
                           size_t size, BindingRef clash[2] = nullptr);
// Where a refused OK leads the player: the first of the clash's two buttons
// that can be used, else that player's device choice (action -1), from where
// the buttons can be made usable.
BindingRef ClashFocus(const BindingRef clash[2], const DeviceStates* states);

// What a screen reader says for a binding button, which shows only its key:
// "player, action, key" from the page's own texts, cut at a character
// boundary to fit.
void FormatBindingName(const char* player, const char* action, const char* key, char* out, size_t size);

// Assignment dialog creation parameter: high 16 bits the mode (non-zero for
// the controller), low 16 bits the current key code (keyboard) or the player.
unsigned MakeAssignParam(bool pad, int player, int current);
bool AssignParamIsPad(unsigned param);
int AssignParamLow(unsigned param);
// The list entry to select for a key code: its index, or 0 ("-") when none.
int AssignListIndex(int code);
// The controller a polling timer reads: timer 0 the first, any other the second.
unsigned ControllerForTimer(unsigned long long timerId);
// The lowest button held in a buttons mask, -1 when none.
int LowestPressedButton(unsigned long buttons);
