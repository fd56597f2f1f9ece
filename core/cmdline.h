// Command lines of the game's programs. The game parses these byte for byte,
// so every separator below is part of the contract.
#pragma once
#include <stddef.h>

#include "core/paths.h"
#include "core/setting_key.h"

enum { CMDLINE_SIZE = 512 };

// Section [m_portal] of the configuration file: the login data and matchup
// preferences that m_portal's Online page writes and every start reads anew.
enum MatchupKey {
  MATCHUP_LOGIN_ID, MATCHUP_PASSWORD, MATCHUP_MODE, MATCHUP_RULE, SPECTATOR_MODE, SPECTATOR_RULE,
  MATCHUP_RATE, MATCHUP_PING, SPECTATOR_RATE_MIN, SPECTATOR_RATE_MAX, MATCHUP_KEY_COUNT
};
extern const SettingKey kMatchupKeys[MATCHUP_KEY_COUNT];

// Matchup preferences as read from kMatchupKeys; the texts are used as stored.
struct MatchupSettings {
  int mode;
  int rule;
  int specMode;
  int specRule;
  char loginId[256];
  char password[256];
  char ping[256];
  char rate[256];
  char rateMin[256];
  char rateMax[256];
};

// Bits 4-5 matchup mode (1 raised to 3), bit 3 rule, bits 1-2 spectator mode, bit 0 spectator rule.
int MatchupFlags(int mode, int rule, int specMode, int specRule);

// Writes path, in double quotes when it holds a space byte anywhere.
bool QuoteIfSpaced(const char* path, char* out, size_t size);

// Executable paths: folder + name, false when it would not fit PATH_SIZE.
bool JoinPath(const char* folder, const char* name, char* out, size_t size);

// "P mode ID PW" and, for "S_MULTI1" only, " F [ping|rate] [min max]".
bool BuildGameCommandLine(const char* exePath, const char* mode, const MatchupSettings* s,
                          char* out, size_t size);
// "P arg" (host and join).
bool BuildDirectCommandLine(const char* exePath, const char* arg, char* out, size_t size);
// "P FromLauncher ID PW".
bool BuildLobbyCommandLine(const char* exePath, const char* loginId, const char* password,
                           char* out, size_t size);
// "Launcher.exe FromLobby ID PW", never quoted.
bool BuildUpdaterCommandLine(const char* loginId, const char* password, char* out, size_t size);
