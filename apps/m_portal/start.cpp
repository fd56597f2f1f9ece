// m_portal starts every program as a child process with a command line of its own.
#include <windows.h>
#include <string.h>

#include "apps/shared/start.h"
#include "core/cmdline.h"
#include "core/setting_key.h"
#include "core/settings.h"
#include "core/text.h"

static void ReadText(MatchupKey key, char* out, size_t size) {
  TextCopy(GetSettingString(&kMatchupKeys[key]), out, size);
}

static int ReadNumber(MatchupKey key) { return (int)GetSettingInt(&kMatchupKeys[key]); }

// Read anew at every start: the Online page may have changed them since.
static void ReadMatchupSettings(MatchupSettings* s) {
  s->mode = ReadNumber(MATCHUP_MODE);
  s->rule = ReadNumber(MATCHUP_RULE);
  s->specMode = ReadNumber(SPECTATOR_MODE);
  s->specRule = ReadNumber(SPECTATOR_RULE);
  ReadText(MATCHUP_LOGIN_ID, s->loginId, sizeof s->loginId);
  ReadText(MATCHUP_PASSWORD, s->password, sizeof s->password);
  ReadText(MATCHUP_PING, s->ping, sizeof s->ping);
  ReadText(MATCHUP_RATE, s->rate, sizeof s->rate);
  ReadText(SPECTATOR_RATE_MIN, s->rateMin, sizeof s->rateMin);
  ReadText(SPECTATOR_RATE_MAX, s->rateMax, sizeof s->rateMax);
}

// Starts exePath with cmdLine in folder; an over-long path or line is never
// cut short: the start is not made and the failure is shown instead.
static void RunChild(bool formed, const char* exePath, char* cmdLine, const char* folder) {
  STARTUPINFOA si;
  PROCESS_INFORMATION pi;
  memset(&si, 0, sizeof si);
  si.cb = sizeof si;
  memset(&pi, 0, sizeof pi);
  if (!formed || !CreateProcessA(exePath, cmdLine, nullptr, nullptr, FALSE, 0, nullptr, folder, &si, &pi))
    ShowStartFailure();
  if (pi.hProcess != nullptr) CloseHandle(pi.hProcess);
  if (pi.hThread != nullptr) CloseHandle(pi.hThread);
}

void StartGame(const char* mode) {
  char exe[PATH_SIZE];
  char line[CMDLINE_SIZE];
  bool formed = FormGameFilePath(INSTALL_DIR, "Zanto.exe", exe, sizeof exe);
  MatchupSettings s;
  ReadMatchupSettings(&s);
  formed = formed && BuildGameCommandLine(exe, mode, &s, line, sizeof line);
  RunChild(formed, exe, line, GetInstallDir());
}

void StartDirectGame(const char* arg) {
  char exe[PATH_SIZE];
  char line[CMDLINE_SIZE];
  bool formed = FormGameFilePath(LEGACY_INSTALL_DIR, "Zanto.exe", exe, sizeof exe) &&
                BuildDirectCommandLine(exe, arg, line, sizeof line);
  RunChild(formed, exe, line, GetLegacyInstallDir());
}

void StartLobby() {
  char exe[PATH_SIZE];
  char line[CMDLINE_SIZE];
  MatchupSettings s;
  ReadMatchupSettings(&s);
  bool formed = FormGameFilePath(INSTALL_DIR, "Lobby.exe", exe, sizeof exe) &&
                BuildLobbyCommandLine(exe, s.loginId, s.password, line, sizeof line);
  RunChild(formed, exe, line, GetInstallDir());
}

void StartUpdater() {
  char exe[PATH_SIZE];
  char line[CMDLINE_SIZE];
  MatchupSettings s;
  ReadMatchupSettings(&s);
  bool formed = FormGameFilePath(INSTALL_DIR, "Launcher.exe", exe, sizeof exe) &&
                BuildUpdaterCommandLine(s.loginId, s.password, line, sizeof line);
  RunChild(formed, exe, line, GetInstallDir());
}
