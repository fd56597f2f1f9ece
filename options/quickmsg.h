// Quick messages: the eight chat phrases of the function keys F1 to F8, kept
// by the game in Zanto.ini [NETWORK].
#pragma once
#include <stddef.h>

#include "core/setting_key.h"

enum {
  QUICK_MESSAGE_COUNT = 8,
  QUICK_MESSAGE_SIZE = 256,  // 255 bytes of text and the terminator
};

// The phrases' keys in [NETWORK], F1 to F8; a missing one reads as "".
extern const SettingKey kQuickMessageKeys[QUICK_MESSAGE_COUNT];

// What the page's default button puts into the edits, F1 to F8.
extern const char* const kDefaultQuickMessages[QUICK_MESSAGE_COUNT];

// The key of function key n (1 to 8): "ShortCutMessage_F01" and so on.
// False (out empty) when n is outside 1 to 8 or the key does not fit.
bool QuickMessageKey(int n, char* out, size_t size);
