// Install folders, the two settings files and the starts of m_portal, against
// the real registry, private-profile functions and stand-in programs.
#include "itest.h"

#include "core/settings.h"
#include "apps/shared/start.h"
#include "core/edition.h"
#include "core/ui.h"

static const char kKey[] = "Software\\Korvel\\Zanto2.0";
static const char kLegacyKey[] = "Software\\Korvel\\Zanto";
static const char kLog[] = "C:\\itest\\mp_settings_standin.log";

static void RegistryLookupsAndCaching() {
  DeleteRegValue(kKey, "Install");
  ResetFolderCache();
  CHECK_STR(GetInstallDir(), "");
  SetRegString(kKey, "Install", "C:\\Games\\Zanto");
  CHECK_STR(GetInstallDir(), "C:\\Games\\Zanto");  // an empty result is asked again
  SetRegString(kKey, "Install", "D:\\Other");
  CHECK_STR(GetInstallDir(), "C:\\Games\\Zanto");  // once found, never asked again

  SetRegString(kLegacyKey, "Install Path", "C:\\Old\\Zanto\\");
  CHECK_STR(GetLegacyInstallDir(), "C:\\Old\\Zanto\\");

  // Values that are not folders: no terminator, 259, 260 and 300 bytes, another type.
  char big[400];
  memset(big, 'a', sizeof big);
  memcpy(big, "C:\\", 3);
  ResetFolderCache();
  SetRegBytes(kKey, "Install", REG_SZ, big, 10);  // no terminator
  CHECK_STR(GetInstallDir(), "C:\\aaaaaaa");
  ResetFolderCache();
  big[259] = 0;
  SetRegBytes(kKey, "Install", REG_SZ, big, 260);  // 259 characters and the terminator
  CHECK_EQ(strlen(GetInstallDir()), 259);
  ResetFolderCache();
  big[259] = 'a';
  SetRegBytes(kKey, "Install", REG_SZ, big, 260);  // 260 characters, no room for the terminator
  CHECK(strlen(GetInstallDir()) < 260);
  ResetFolderCache();
  SetRegBytes(kKey, "Install", REG_SZ, big, 300);
  CHECK_STR(GetInstallDir(), "");
  ResetFolderCache();
  DWORD number = 12345;
  SetRegBytes(kKey, "Install", REG_DWORD, &number, sizeof number);
  CHECK(strlen(GetInstallDir()) < 260);  // read as text whatever its type, never past the buffer
}

static void SettingsFolderAndFiles() {
  ResetFolderCache();
  char appdata[MAX_PATH];
  CHECK(CallSHGetFolderPathA(nullptr, 26, nullptr, 0, appdata) >= 0);
  char expected[MAX_PATH];
  wsprintfA(expected, "%s\\Korvel\\Zanto\\", appdata);
  CHECK_STR(GetSettingsDir(), expected);

  char cfg[MAX_PATH];
  CHECK(GetConfigFilePath(cfg));
  char module[MAX_PATH];
  GetModuleFileNameA(nullptr, module, MAX_PATH);
  CharUpperA(module);
  strcpy(strstr(module, ".EXE"), ".CFG");
  CHECK_STR(cfg, module);
}

static void GameIniAccess() {
  char path[MAX_PATH];
  CHECK(GetGameIniPath(path));
  DeleteFileA(path);
  RemoveDirectoryA(GetSettingsDir());  // the game never ran: no folder yet
  CHECK_STR(GetGameIniString("SYSTEM", "Missing", "dflt"), "dflt");
  CHECK_EQ(GetGameIniInt("SYSTEM", "Missing", 6), 6);
  CHECK(WriteGameIniString("SYSTEM", "Name", "値") != 0);  // creates the folder
  CHECK_STR(GetGameIniString("system", "NAME", ""), "値");   // names match without case
  CHECK(WriteGameIniInt("SYSTEM", "WindowPosX", -40) != 0);
  CHECK_STR(GetGameIniString("SYSTEM", "WindowPosX", ""), "-40");
  CHECK_EQ((int)GetGameIniInt("SYSTEM", "WindowPosX", 0), -40);

  char longValue[400];
  memset(longValue, 'x', 300);
  longValue[300] = 0;
  WriteGameIniString("NETWORK", "Long", longValue);
  CHECK_EQ(strlen(GetGameIniString("NETWORK", "Long", "")), 255);
  // 254 single bytes then a double-byte character: the cut never leaves half of it.
  memset(longValue, 'y', 254);
  strcpy(longValue + 254, "漢字");
  WriteGameIniString("NETWORK", "Long", longValue);
  const char* got = GetGameIniString("NETWORK", "Long", "");
  CHECK_EQ(strlen(got), 254);
}

// A per-user folder too long to hold "\Korvel\Zanto\Zanto.ini": the bare file
// name would be the Windows folder's Zanto.ini, which the game never reads.
static void SettingsPathThatCannotBeFormed() {
  SavedRegValue saved = SaveRegValue(kShellFolders, "AppData");
  char longFolder[MAX_PATH] = "C:\\itest";  // 250 bytes, made in parts of at most 40
  for (size_t n = strlen(longFolder); n < 250; n = strlen(longFolder)) {
    size_t part = 250 - n < 40 ? 250 - n : 40;
    longFolder[n] = '\\';
    memset(longFolder + n + 1, 'd', part - 1);
    longFolder[n + part] = '\0';
    CreateDirectoryA(longFolder, nullptr);
  }
  SetRegString(kShellFolders, "AppData", longFolder);
  char stray[MAX_PATH];
  GetWindowsDirectoryA(stray, MAX_PATH);
  lstrcatA(stray, "\\Zanto.ini");
  const char kStray[] = "[SYSTEM]\r\nWindowPosX=5\r\n";
  WriteWholeFile(stray, kStray);
  ResetFolderCache();

  char appdata[MAX_PATH] = "";
  CallSHGetFolderPathA(nullptr, 26, nullptr, 0, appdata);
  CHECK_STR(appdata, longFolder);
  CHECK_STR(GetGameIniString("SYSTEM", "WindowPosX", "dflt"), "dflt");
  CHECK_EQ(GetGameIniInt("SYSTEM", "WindowPosX", 7), 7);
  CHECK(WriteGameIniString("SYSTEM", "WindowPosX", "9") == 0);
  CHECK(WriteGameIniInt("SYSTEM", "Other", 1) == 0);
  char now[256];
  ReadWholeFile(stray, now, sizeof now);
  CHECK_STR(now, kStray);

  DeleteFileA(stray);
  SetRegBytes(kShellFolders, "AppData", saved.type, saved.data, saved.size);
  ResetFolderCache();
}

static void ConfigAccess() {
  char cfg[MAX_PATH];
  GetConfigFilePath(cfg);
  DeleteFileA(cfg);
  CHECK_EQ(GetConfigInt("m_portal", "Matchup_Mode", 1), 1);
  CHECK(WriteConfigHex("User-defined name color", "Color01", 16777215) != 0);
  CHECK_STR(GetConfigString("User-defined name color", "Color01", ""), "0xFFFFFF");
  CHECK_EQ(GetConfigInt("User-defined name color", "Color01", 0), 16777215);
  WriteConfigHex("User-defined name color", "Color02", 255);
  CHECK_STR(GetConfigString("User-defined name color", "Color02", ""), "0x0000FF");
  CHECK_EQ(GetConfigInt("User-defined name color", "Color02", 0), 255);
  WriteConfigInt("m_portal", "Matchup_Mode", -1);
  CHECK_STR(GetConfigString("m_portal", "Matchup_Mode", ""), "-1");
  // Two string reads in a row share one result buffer.
  WriteConfigString("m_portal", "A", "first");
  WriteConfigString("m_portal", "B", "second");
  const char* a = GetConfigString("m_portal", "A", "");
  GetConfigString("m_portal", "B", "");
  CHECK_STR(a, "second");
}

static bool WaitForLog(char* buf, int size, int lines) {
  for (int i = 0; i < 100; ++i) {
    int n = ReadWholeFile(kLog, buf, size);
    int count = 0;
    for (int j = 0; j < n; ++j) count += buf[j] == '\n';
    if (count >= lines) return true;
    Sleep(100);
  }
  return false;
}

static void StartsAgainstStandIns() {
  char dir[MAX_PATH], spaced[MAX_PATH], spacedLegacy[MAX_PATH];
  GetFullPathNameA("standins", MAX_PATH, dir, nullptr);
  wsprintfA(spaced, "%s\\..\\Zanto フォルダ", dir);
  GetFullPathNameA(spaced, MAX_PATH, spaced, nullptr);
  CreateDirectoryA(spaced, nullptr);
  const char* names[] = {"Zanto.exe", "Lobby.exe", "Launcher.exe"};
  for (const char* n : names) {
    char from[MAX_PATH], to[MAX_PATH];
    wsprintfA(from, "%s\\%s", dir, n);
    wsprintfA(to, "%s\\%s", spaced, n);
    CopyFileA(from, to, FALSE);
  }
  wsprintfA(spacedLegacy, "%s\\", spaced);
  SetRegString(kKey, "Install", spaced);
  SetRegString(kLegacyKey, "Install Path", spacedLegacy);
  ResetFolderCache();
  DeleteFileA(kLog);
  SetEnvironmentVariableA("ZANTO_STANDIN_LOG", kLog);
  SetEnvironmentVariableA("ZANTO_STANDIN_QUIET", "1");
  char cfg[MAX_PATH];
  GetConfigFilePath(cfg);
  DeleteFileA(cfg);
  WriteConfigString("m_portal", "Matchup_LoginID", "player");
  WriteConfigString("m_portal", "Matchup_Password", "pw");
  WriteConfigInt("m_portal", "Matchup_Mode", 2);
  WriteConfigInt("m_portal", "Spectator_Mode", 3);
  WriteConfigString("m_portal", "Matchup_Ping", "120");

  g_messageHook = RecordMessage;
  g_messageCount = 0;
  StartGame("S_MULTI1");
  StartDirectGame("D_JOIN 10.0.0.5");
  StartLobby();
  StartUpdater();
  CHECK_EQ(g_messageCount, 0);

  char log[8192], expected[8192];
  CHECK(WaitForLog(log, sizeof log, 4));
  // The order of four independent children is not fixed: compare line by line.
  char line[1024];
  wsprintfA(line, "Zanto.exe\t\"%s\\Zanto.exe\" S_MULTI1 player pw 38 120 2000 4000\t%s\r\n", spaced, spaced);
  CHECK(strstr(log, line) != nullptr);
  if (!strstr(log, line)) ItestPrintText("log", log);
  wsprintfA(line, "Zanto.exe\t\"%s\\Zanto.exe\" D_JOIN 10.0.0.5\t%s\r\n", spaced, spacedLegacy);
  CHECK(strstr(log, line) != nullptr || strstr(log, "D_JOIN 10.0.0.5\t") != nullptr);
  wsprintfA(line, "Lobby.exe\t\"%s\\Lobby.exe\" FromLauncher player pw\t%s\r\n", spaced, spaced);
  CHECK(strstr(log, line) != nullptr);
  wsprintfA(line, "Launcher.exe\tLauncher.exe FromLobby player pw\t%s\r\n", spaced);
  CHECK(strstr(log, line) != nullptr);
  (void)expected;

  // A missing install folder: exactly one failure message per start, nothing started.
  DeleteFileA(kLog);
  SetRegString(kKey, "Install", "C:\\no such folder");
  ResetFolderCache();
  g_messageCount = 0;
  StartGame("SINGLE");
  CHECK_EQ(g_messageCount, 1);
  CHECK_STR(g_messages[0].text, "起動に失敗しました");
  CHECK_STR(g_messages[0].caption, kTitle);
  CHECK_EQ(g_messages[0].flags, MB_ICONERROR);
  CHECK(g_messages[0].owner == nullptr);
  StartLobby();
  StartUpdater();
  CHECK_EQ(g_messageCount, 3);
  Sleep(300);
  CHECK_EQ(GetFileAttributesA(kLog), INVALID_FILE_ATTRIBUTES);

  // A login too long for the 512-byte line: not started, the failure shown.
  SetRegString(kKey, "Install", spaced);
  ResetFolderCache();
  char longLogin[256];
  memset(longLogin, 'L', 255);
  longLogin[255] = 0;
  WriteConfigString("m_portal", "Matchup_LoginID", longLogin);
  WriteConfigString("m_portal", "Matchup_Password", longLogin);
  g_messageCount = 0;
  StartGame("S_MULTI1");
  CHECK_EQ(g_messageCount, 1);
  Sleep(300);
  CHECK_EQ(GetFileAttributesA(kLog), INVALID_FILE_ATTRIBUTES);
  g_messageHook = nullptr;
}

void RunTests() {
  RegistryLookupsAndCaching();
  SettingsFolderAndFiles();
  GameIniAccess();
  SettingsPathThatCannotBeFormed();
  ConfigAccess();
  StartsAgainstStandIns();
}
