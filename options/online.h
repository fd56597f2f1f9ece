// The Online page's decisions: the name colour text, the chat-lines rule, the
// lists' stored positions, which value fields are shown, and the item texts.
#pragma once
#include <stddef.h>

#include "core/setting_key.h"

// Dark grey: a missing or unusable stored colour, and what the default button sets.
static const unsigned kDefaultNameColor = 0x00404040u;
// White: a custom colour of the chooser that was never stored.
static const unsigned kDefaultCustomColor = 0xFFFFFFu;

enum {
  DEFAULT_CHAT_LINES = 4,         // a missing key, and any entry outside 2..30
  DEFAULT_BUTTON_CHAT_LINES = 3,  // what the default button puts in the edit
  NAME_COLOR_TEXT_SIZE = 16,      // "0x00BBGGRR" and its terminator, with room to spare
  CUSTOM_COLOR_COUNT = 16,
  CUSTOM_COLOR_KEY_SIZE = 16,
};

// "NETWORK": the game's section for the Online page and the quick messages.
extern const char kNetworkSection[];

// The keys of section NETWORK of Zanto.ini that the Online pages edit; the
// game reads them when it starts. The handle name, "remember the ID" and
// spectator mode are launcher's own.
enum NetworkKey {
  NET_HANDLE_NAME, NET_HANDLE_SAVE, NET_SPECTATOR, NET_REPLAY_AUTO_SAVE, NET_LOG, NET_ERROR_DISP,
  NET_CHAT_LINES, NET_NAME_COLOR, NETWORK_KEY_COUNT
};
extern const SettingKey kNetworkKeys[NETWORK_KEY_COUNT];

// Base-16 conversion as the C library's strtoul does it for a 32-bit unsigned
// long: leading white space, an optional sign (minus negates modulo 2^32), an
// optional 0x/0X, digits up to the first other character; no digits gives 0
// and a value too large gives 0xFFFFFFFF. The whole text is read, however long.
unsigned ParseHex32(const char* text);

// The name colour from the stored "Matchup_Color" text: 0xFFFFFFFF stands for
// the default, any other value keeps its low 24 bits (blue, green, red).
unsigned NameColorFromText(const char* text);

// "0x00" followed by the blue, green and red bytes as two upper-case hex
// digits each: the colour value itself, top byte zero. out holds at least
// NAME_COLOR_TEXT_SIZE bytes.
void FormatNameColor(unsigned color, char* out, size_t size);

// The chat lines to store from the edit's text: an unsigned decimal number
// (leading and trailing white space allowed) from 2 to 30 is kept, anything
// else (out of range, empty, signs, letters) gives DEFAULT_CHAT_LINES.
int ChatLinesToSave(const char* text);

// A stored number is any non-zero value for "yes"; it is written back as 1 or 0.
bool CheckFromStored(unsigned stored);
int StoredFromCheck(bool checked);

// The list position to select for a stored number: the number itself when it
// names an item of a list of count items, else -1 (no selection).
int ListPositionFromStored(unsigned stored, int count);

// Which value fields follow the matchup mode list's position (-1 for none):
// the rate target with "Rate 優先" (1), the ping limit with "接続速度 優先" (2).
bool MatchupRateShown(int matchupMode);
bool MatchupPingShown(int matchupMode);
// The watched-rate range follows the spectator mode list: shown with "Rate範囲" (3).
bool SpectatorRangeShown(int spectatorMode);

// The colour chooser's sixteen custom colours in the configuration file's
// [User-defined name color], "Color01" to "Color16", white when missing.
extern const SettingKey kCustomColorKeys[CUSTOM_COLOR_COUNT];

// The key of custom colour i (1..16); out empty for any other i.
void FormatCustomColorKey(int i, char* out, size_t size);

// List items, in the order that gives each item its stored position.
enum { MATCHUP_MODE_COUNT = 3, MATCHUP_RULE_COUNT = 2, SPECTATOR_MODE_COUNT = 4, SPECTATOR_RULE_COUNT = 2 };
extern const char* const kMatchupModeItems[MATCHUP_MODE_COUNT];
extern const char* const kMatchupRuleItems[MATCHUP_RULE_COUNT];
extern const char* const kSpectatorModeItems[SPECTATOR_MODE_COUNT];
extern const char* const kSpectatorRuleItems[SPECTATOR_RULE_COUNT];
