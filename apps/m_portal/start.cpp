// m_portal starts every program as a child process with a command line of its own.
#include <windows.h>
#include <string.h>

#include "core/cmdline.h"
#include "core/settings.h"
#include "core/start.h"
#include "core/text.h"

static const char kSection[] = "m_portal";

static void ReadLogin(MatchupSettings* s) {
  TextCopy(s->loginId, sizeof s->loginId, GetConfigString(kSection, "Matchup_LoginID", ""));
  TextCopy(s->password, sizeof s->password, GetConfigString(kSection, "Matchup_Password", ""));
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
  bool formed = JoinPath(GetInstallDir(), "\\Zanto.exe", exe, sizeof exe);
  MatchupSettings s;
  s.mode = (int)GetConfigInt(kSection, "Matchup_Mode", 1);
  s.rule = (int)GetConfigInt(kSection, "Matchup_Rule", 0);
  s.specMode = (int)GetConfigInt(kSection, "Spectator_Mode", 0);
  s.specRule = (int)GetConfigInt(kSection, "Spectator_Rule", 0);
  ReadLogin(&s);
  TextCopy(s.ping, sizeof s.ping, GetConfigString(kSection, "Matchup_Ping", "5000"));
  TextCopy(s.rate, sizeof s.rate, GetConfigString(kSection, "Matchup_Rate", "3000"));
  TextCopy(s.rateMin, sizeof s.rateMin, GetConfigString(kSection, "Spectator_Rate_Min", "2000"));
  TextCopy(s.rateMax, sizeof s.rateMax, GetConfigString(kSection, "Spectator_Rate_Max", "4000"));
  formed = formed && BuildGameCommandLine(exe, mode, &s, line, sizeof line);
  RunChild(formed, exe, line, GetInstallDir());
}

void StartDirectGame(const char* arg) {
  char exe[PATH_SIZE];
  char line[CMDLINE_SIZE];
  bool formed = JoinPath(GetLegacyInstallDir(), "Zanto.exe", exe, sizeof exe) &&
                BuildDirectCommandLine(exe, arg, line, sizeof line);
  RunChild(formed, exe, line, GetLegacyInstallDir());
}

void StartLobby() {
  char exe[PATH_SIZE];
  char line[CMDLINE_SIZE];
  MatchupSettings s;
  ReadLogin(&s);
  bool formed = JoinPath(GetInstallDir(), "\\Lobby.exe", exe, sizeof exe) &&
                BuildLobbyCommandLine(exe, s.loginId, s.password, line, sizeof line);
  RunChild(formed, exe, line, GetInstallDir());
}

void StartUpdater() {
  char exe[PATH_SIZE];
  char line[CMDLINE_SIZE];
  MatchupSettings s;
  ReadLogin(&s);
  bool formed = JoinPath(GetInstallDir(), "\\Launcher.exe", exe, sizeof exe) &&
                BuildUpdaterCommandLine(s.loginId, s.password, line, sizeof line);
  RunChild(formed, exe, line, GetInstallDir());
}
