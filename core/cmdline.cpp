#include "core/cmdline.h"

#include <stdio.h>
#include <string.h>

#include "core/text.h"

static const char kMatchupSection[] = "m_portal";

const SettingKey kMatchupKeys[MATCHUP_KEY_COUNT] = {
    {CONFIG_FILE, kMatchupSection, "Matchup_LoginID", 0, ""},
    {CONFIG_FILE, kMatchupSection, "Matchup_Password", 0, ""},
    {CONFIG_FILE, kMatchupSection, "Matchup_Mode", 1, nullptr},
    {CONFIG_FILE, kMatchupSection, "Matchup_Rule", 0, nullptr},
    {CONFIG_FILE, kMatchupSection, "Spectator_Mode", 0, nullptr},
    {CONFIG_FILE, kMatchupSection, "Spectator_Rule", 0, nullptr},
    {CONFIG_FILE, kMatchupSection, "Matchup_Rate", 0, "3000"},
    {CONFIG_FILE, kMatchupSection, "Matchup_Ping", 0, "5000"},
    {CONFIG_FILE, kMatchupSection, "Spectator_Rate_Min", 0, "2000"},
    {CONFIG_FILE, kMatchupSection, "Spectator_Rate_Max", 0, "4000"},
};

int MatchupFlags(int mode, int rule, int specMode, int specRule) {
  int flags = ((mode & 3) << 4) | ((rule & 1) << 3) | ((specMode & 3) << 1) | (specRule & 1);
  if ((flags & 0x30) == 0x10) flags |= 0x20;
  return flags;
}

bool QuoteIfSpaced(const char* path, char* out, size_t size) {
  if (strchr(path, ' ') == nullptr) return TextCopy(path, out, size);
  return TextFormat(out, size, "\"%s\"", path);
}

bool JoinPath(const char* folder, const char* name, char* out, size_t size) {
  return TextFormat(out, size, "%s%s", folder, name);
}

static bool AppendArg(const char* arg, char* out, size_t size) {
  return TextAppend(" ", out, size) && TextAppend(arg, out, size);
}

bool BuildGameCommandLine(const char* exePath, const char* mode, const MatchupSettings* s,
                          char* out, size_t size) {
  int flags = MatchupFlags(s->mode, s->rule, s->specMode, s->specRule);
  bool ok = QuoteIfSpaced(exePath, out, size) && AppendArg(mode, out, size) &&
            AppendArg(s->loginId, out, size) && AppendArg(s->password, out, size);
  if (ok && strcmp(mode, "S_MULTI1") == 0) {
    char flagsText[4];
    snprintf(flagsText, sizeof flagsText, "%d", flags);
    ok = AppendArg(flagsText, out, size);
    if (ok && (flags & 0x30) == 0x20) ok = AppendArg(s->ping, out, size);
    else if (ok && (flags & 0x30) == 0x30) ok = AppendArg(s->rate, out, size);
    if (ok && (flags & 6) == 6)
      ok = AppendArg(s->rateMin, out, size) && AppendArg(s->rateMax, out, size);
  }
  if (!ok && size > 0) out[0] = '\0';
  return ok;
}

bool BuildDirectCommandLine(const char* exePath, const char* arg, char* out, size_t size) {
  bool ok = QuoteIfSpaced(exePath, out, size) && AppendArg(arg, out, size);
  if (!ok && size > 0) out[0] = '\0';
  return ok;
}

bool BuildLobbyCommandLine(const char* exePath, const char* loginId, const char* password,
                           char* out, size_t size) {
  bool ok = QuoteIfSpaced(exePath, out, size) && AppendArg("FromLauncher", out, size) &&
            AppendArg(loginId, out, size) && AppendArg(password, out, size);
  if (!ok && size > 0) out[0] = '\0';
  return ok;
}

bool BuildUpdaterCommandLine(const char* loginId, const char* password, char* out, size_t size) {
  return TextFormat(out, size, "Launcher.exe FromLobby %s %s", loginId, password);
}
