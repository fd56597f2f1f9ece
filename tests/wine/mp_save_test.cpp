// An OK of the options sheet is saved as one step per file: a process ended at
// any write leaves each file as it was or with every key of the OK, another
// program reading meanwhile never sees a mixture, and a read-only Zanto.ini is
// left alone with one message. The crash and the reader are copies of this
// program, started with an argument.
#include "sheet_fixture.h"

#include "core/edition.h"
#include "core/settings_copy.h"
#include "core/ui.h"

static bool NoCopyLeft() {
  char path[MAX_PATH], copy[MAX_PATH], cfg[MAX_PATH], cfgCopy[MAX_PATH];
  GetGameIniPath(path);
  GetConfigFilePath(cfg);
  SettingsCopyPath(path, kSettingsCopyTag, copy, sizeof copy);
  SettingsCopyPath(cfg, kSettingsCopyTag, cfgCopy, sizeof cfgCopy);
  return GetFileAttributesA(copy) == INVALID_FILE_ATTRIBUTES && GetFileAttributesA(cfgCopy) == INVALID_FILE_ATTRIBUTES;
}

static HANDLE StartChild(const char* args) {
  char exe[MAX_PATH], line[MAX_PATH + 64];
  GetModuleFileNameA(nullptr, exe, MAX_PATH);
  wsprintfA(line, "\"%s\" %s", exe, args);
  STARTUPINFOA si = {};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi;
  if (!CreateProcessA(exe, line, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return nullptr;
  CloseHandle(pi.hThread);
  return pi.hProcess;
}

static DWORD WaitForChild(HANDLE child) {
  DWORD code = STILL_ACTIVE;
  if (WaitForSingleObject(child, 60000) != WAIT_OBJECT_0) TerminateProcess(child, 1);
  GetExitCodeProcess(child, &code);
  CloseHandle(child);
  return code;
}

static int g_writes, g_crashAt;
static void CountWrite() {
  if (++g_writes == g_crashAt) TerminateProcess(GetCurrentProcess(), 99);
}

// The Online page writes into both files. A child ends itself at each write k
// of its OK, from the first copy to the last placement: each file is then byte
// for byte as before or as after a whole OK, and the next run removes the copy.
static void EndedAtEveryWrite() {
  const char* ini = "[NETWORK]\r\n; the player's note\r\nOther=1\r\n";
  const char* cfg = "[m_portal]\r\nKeep=yes\r\n";
  PutGameIni(ini);
  PutConfigFile(cfg);
  g_settingsWriteHook = CountWrite;
  RunSheet(nullptr, PAGE_ONLINE, {PressOk()});
  g_settingsWriteHook = nullptr;
  std::string iniAfter = GameIniText(), cfgAfter = ConfigText();
  CHECK_EQ(g_writes, 19);  // two copies, 5 + 10 keys, two placements
  CHECK(iniAfter.find("Other=1") != std::string::npos && cfgAfter.find("Matchup_Mode=1") != std::string::npos);
  for (int k = 1; k <= g_writes; ++k) {
    PutGameIni(ini);
    PutConfigFile(cfg);
    char args[32];
    wsprintfA(args, "crash-at %d", k);
    CHECK_EQ(WaitForChild(StartChild(args)), 99);
    std::string iniNow = GameIniText(), cfgNow = ConfigText();
    CHECK(iniNow == ini || iniNow == iniAfter);
    CHECK(cfgNow == cfg || cfgNow == cfgAfter);
    ResetFolderCache();  // as a new run: its first use of each file removes the copy
    GetGameIniInt("NETWORK", "Other", 0);
    GetConfigInt("m_portal", "Keep", 0);
    CHECK(NoCopyLeft());
  }
}

// One whole save: the last section is there, and the eight quick messages are of one OK.
static bool OneWholeSave(const char* text) {
  std::string first;
  for (int n = 1; n <= 8; ++n) {
    char key[32];
    wsprintfA(key, "ShortCutMessage_F%02d=", n);
    const char* at = strstr(text, key);
    if (at == nullptr) return false;
    at += strlen(key);
    std::string value(at, strcspn(at, "\r\n"));
    if (n > 1 && value != first) return false;
    first = value;
  }
  return strstr(text, "[END]\r\nLast=1\r\n") != nullptr;
}

// Reads the file's bytes every millisecond until told to stop; the exit code
// counts the reads that found no file or not one whole save.
static void ReaderChild() {
  HANDLE ready = OpenEventA(EVENT_MODIFY_STATE, FALSE, "zanto-save-ready");
  HANDLE stop = OpenEventA(SYNCHRONIZE, FALSE, "zanto-save-stop");
  char path[MAX_PATH];
  GetGameIniPath(path);
  static char buf[16384];
  int bad = 0;
  while (WaitForSingleObject(stop, 0) == WAIT_TIMEOUT) {
    HANDLE f = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_EXISTING, 0, nullptr);
    DWORD got = 0;
    if (f != INVALID_HANDLE_VALUE) {
      ReadFile(f, buf, sizeof buf - 1, &got, nullptr);
      CloseHandle(f);
    }
    buf[got] = '\0';
    if (f == INVALID_HANDLE_VALUE || !OneWholeSave(buf)) ++bad;
    SetEvent(ready);
    Sleep(1);
  }
  ExitProcess(bad > 200 ? 200 : bad);
}

// Another program reads Zanto.ini while OKs of two pages (30 keys each) are
// saved: never a mix of two saves, a cut or a missing file; and this program
// reads each new save at once.
static void ReaderSeesWholeSavesOnly() {
  std::string ini = "[NETWORK]\r\n";
  for (int n = 1; n <= 8; ++n) ini += "ShortCutMessage_F0" + std::to_string(n) + "=gen0\r\n";
  PutGameIni((ini + "[END]\r\nLast=1\r\n").c_str());
  HANDLE ready = CreateEventA(nullptr, TRUE, FALSE, "zanto-save-ready");
  HANDLE stop = CreateEventA(nullptr, TRUE, FALSE, "zanto-save-stop");
  HANDLE reader = StartChild("reader");
  CHECK_EQ(WaitForSingleObject(ready, 30000), WAIT_OBJECT_0);
  g_messageHook = RecordMessage;
  g_messageCount = 0;
  for (const char* gen : {"gen1", "gen2", "gen3", "gen4", "gen5", "gen6"}) {
    RunSheet(nullptr, PAGE_CONTROLS, {SelectPage(PAGE_QUICKMSG), [gen](HWND sheet) {
      for (int id = 2001; id <= 2008; ++id) SetDlgItemTextA(PageWindow(sheet, PAGE_QUICKMSG), id, gen);
    }, PressOk()});
    CHECK_STR(GetGameIniString("NETWORK", "ShortCutMessage_F08", ""), gen);
  }
  g_messageHook = nullptr;
  CHECK_EQ(g_messageCount, 0);
  SetEvent(stop);
  CHECK_EQ(WaitForChild(reader), 0);
  CloseHandle(ready);
  CloseHandle(stop);
}

// A read-only Zanto.ini is never changed, nor then the configuration file;
// one message, and the sheet stays open for OK again or Cancel.
static void ReadOnlyFileGivesOneMessage() {
  const char* ini = "[NETWORK]\r\nLog=1\r\n";
  PutGameIni(ini);
  PutConfigFile("[m_portal]\r\nKeep=yes\r\n");
  char path[MAX_PATH];
  GetGameIniPath(path);
  SetFileAttributesA(path, FILE_ATTRIBUTE_READONLY);
  g_messageHook = RecordMessage;
  g_messageCount = 0;
  RunSheet(nullptr, PAGE_CONTROLS, {SelectPage(PAGE_ONLINE), PressOk(), [](HWND sheet) {
    CHECK(IsWindowVisible(sheet));
    CHECK_EQ(g_messageCount, 1);
    CHECK_STR(g_messages[0].text, kSettingsSaveFailed);
    CHECK_EQ(g_messages[0].flags, MB_ICONERROR);
  }, PressCancel()});
  g_messageHook = nullptr;
  CHECK_EQ(g_messageCount, 1);
  CHECK_TEXT(GameIniText(), ini);
  CHECK_TEXT(ConfigText(), "[m_portal]\r\nKeep=yes\r\n");
  CHECK(NoCopyLeft());
  SetFileAttributesA(path, FILE_ATTRIBUTE_NORMAL);
}

void RunTests() {
  const char* args = GetCommandLineA();
  if (const char* at = strstr(args, " crash-at ")) {
    g_crashAt = atoi(at + 10);
    g_settingsWriteHook = CountWrite;
    RunSheet(nullptr, PAGE_ONLINE, {PressOk()});
    ExitProcess(0);
  }
  if (strstr(args, " reader") != nullptr) ReaderChild();
  EndedAtEveryWrite();
  ReaderSeesWholeSavesOnly();
  ReadOnlyFileGivesOneMessage();
  PutGameIni(nullptr);
  PutConfigFile(nullptr);
}
