#include "options/online.h"

#include "core/text.h"

const char kNetworkSection[] = "NETWORK";

const SettingKey kNetworkKeys[NETWORK_KEY_COUNT] = {
    {GAME_INI, kNetworkSection, "Matchup_HandleName", 0, ""},
    {GAME_INI, kNetworkSection, "HandleSave", 0, nullptr},
    {GAME_INI, kNetworkSection, "Spectator", 0, nullptr},
    {GAME_INI, kNetworkSection, "ReplayAutoSave", 0, nullptr},
    {GAME_INI, kNetworkSection, "Log", 0, nullptr},
    {GAME_INI, kNetworkSection, "NetErrorDisp", 0, nullptr},
    {GAME_INI, kNetworkSection, "ChatLines", DEFAULT_CHAT_LINES, nullptr},
    {GAME_INI, kNetworkSection, "Matchup_Color", 0, "0x00404040"},
};

static int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Digits are consumed without a copy into a working field, so a stored value
// of any length (padded with spaces or zeros by hand) still gives its colour.
unsigned ParseHex32(const char* text) {
  bool negative;
  const char* p = SkipSpaceAndSign(text, &negative);
  if (p[0] == '0' && (p[1] == 'x' || p[1] == 'X') && HexDigitValue(p[2]) >= 0) p += 2;
  unsigned value = 0;
  bool overflow = false;
  for (int d; (d = HexDigitValue(*p)) >= 0; ++p) {
    if (value > 0x0FFFFFFFu) overflow = true;
    value = (value << 4) | (unsigned)d;
  }
  if (overflow) return 0xFFFFFFFFu;
  return negative ? 0u - value : value;
}

unsigned NameColorFromText(const char* text) {
  unsigned v = ParseHex32(text);
  if (v == 0xFFFFFFFFu) return kDefaultNameColor;
  return v & 0x00FFFFFFu;
}

void FormatNameColor(unsigned color, char* out, size_t size) {
  TextFormat(out, size, "0x00%02X%02X%02X", (color >> 16) & 0xFF, (color >> 8) & 0xFF, color & 0xFF);
}

int ChatLinesToSave(const char* text) {
  const char* p = text;
  while (IsWhiteSpace(*p)) ++p;
  unsigned value = 0;
  int digits = 0;
  for (; *p >= '0' && *p <= '9'; ++p, ++digits) {
    if (value > 1000) continue;  // far out of range already; keeps the sum from overflowing
    value = value * 10 + (unsigned)(*p - '0');
  }
  while (IsWhiteSpace(*p)) ++p;
  if (digits == 0 || *p != '\0') return DEFAULT_CHAT_LINES;
  if (value < 2 || value > 30) return DEFAULT_CHAT_LINES;
  return (int)value;
}

bool CheckFromStored(unsigned stored) { return stored != 0; }

int StoredFromCheck(bool checked) { return checked ? 1 : 0; }

int ListPositionFromStored(unsigned stored, int count) {
  if (count <= 0 || stored >= (unsigned)count) return -1;
  return (int)stored;
}

bool MatchupRateShown(int matchupMode) { return matchupMode == 1; }
bool MatchupPingShown(int matchupMode) { return matchupMode == 2; }
bool SpectatorRangeShown(int spectatorMode) { return spectatorMode == 3; }

static const char kCustomColorSection[] = "User-defined name color";

const SettingKey kCustomColorKeys[CUSTOM_COLOR_COUNT] = {
    {CONFIG_FILE, kCustomColorSection, "Color01", (int)kDefaultCustomColor, nullptr},
    {CONFIG_FILE, kCustomColorSection, "Color02", (int)kDefaultCustomColor, nullptr},
    {CONFIG_FILE, kCustomColorSection, "Color03", (int)kDefaultCustomColor, nullptr},
    {CONFIG_FILE, kCustomColorSection, "Color04", (int)kDefaultCustomColor, nullptr},
    {CONFIG_FILE, kCustomColorSection, "Color05", (int)kDefaultCustomColor, nullptr},
    {CONFIG_FILE, kCustomColorSection, "Color06", (int)kDefaultCustomColor, nullptr},
    {CONFIG_FILE, kCustomColorSection, "Color07", (int)kDefaultCustomColor, nullptr},
    {CONFIG_FILE, kCustomColorSection, "Color08", (int)kDefaultCustomColor, nullptr},
    {CONFIG_FILE, kCustomColorSection, "Color09", (int)kDefaultCustomColor, nullptr},
    {CONFIG_FILE, kCustomColorSection, "Color10", (int)kDefaultCustomColor, nullptr},
    {CONFIG_FILE, kCustomColorSection, "Color11", (int)kDefaultCustomColor, nullptr},
    {CONFIG_FILE, kCustomColorSection, "Color12", (int)kDefaultCustomColor, nullptr},
    {CONFIG_FILE, kCustomColorSection, "Color13", (int)kDefaultCustomColor, nullptr},
    {CONFIG_FILE, kCustomColorSection, "Color14", (int)kDefaultCustomColor, nullptr},
    {CONFIG_FILE, kCustomColorSection, "Color15", (int)kDefaultCustomColor, nullptr},
    {CONFIG_FILE, kCustomColorSection, "Color16", (int)kDefaultCustomColor, nullptr},
};

void FormatCustomColorKey(int i, char* out, size_t size) {
  TextFormat(out, size, "%s", i >= 1 && i <= CUSTOM_COLOR_COUNT ? kCustomColorKeys[i - 1].key : "");
}

const char* const kMatchupModeItems[MATCHUP_MODE_COUNT] = {"ランダム接続", "Rate 優先", "接続速度 優先"};
const char* const kMatchupRuleItems[MATCHUP_RULE_COUNT] = {"(B)lazeルール", "(C)lassicルール"};
const char* const kSpectatorModeItems[SPECTATOR_MODE_COUNT] = {"初級", "中級", "上級", "Rate範囲"};
const char* const kSpectatorRuleItems[SPECTATOR_RULE_COUNT] = {"(B)lazeルール", "(C)lassicルール"};
