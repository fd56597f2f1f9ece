// An OK of the options sheet is saved as one step per file: a process ended at
// any write leaves each file as it was or with every key of the OK, another
// program reading the file meanwhile never sees a mixture, and a read-only
// Zanto.ini is left alone with one message while the sheet stays open. The
// crash and the reader are copies of this program, started with an argument.
#include "sheet_fixture.h"

#include "core/edition.h"
#include "core/settings_copy.h"
#include "core/ui.h"

static const char kReadyEvent[] = "zanto-save-test-reader-ready";
static const char kStopEvent[] = "zanto-save-test-reader-stop";
static const int kCrashExit = 99;

static std::string CopyOf(bool gameIni) {
  char path[MAX_PATH], copy[MAX_PATH];
  if (gameIni)
    GetGameIniPath(path);
  else
    GetConfigFilePath(path);
  SettingsCopyPath(path, kSettingsCopyTag, copy, sizeof copy);
  return copy;
}

static bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

static HANDLE StartChild(const char* args) {
  char exe[MAX_PATH], line[MAX_PATH + 64];
  GetModuleFileNameA(nullptr, exe, MAX_PATH);
  wsprintfA(line, "\"%s\" %s", exe, args);
  STARTUPINFOA si;
  memset(&si, 0, sizeof si);
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

// ---- the child that ends at its k-th write -----------------------------------------

static int g_writes;
static int g_crashAt;

static void CountWrite() {
  if (++g_writes == g_crashAt) TerminateProcess(GetCurrentProcess(), kCrashExit);
}

static void OnlinePageOk() { RunSheet(nullptr, PAGE_ONLINE, {PressOk()}); }

static void CrashingChild(int k) {
  g_crashAt = k;
  g_settingsWriteHook = CountWrite;
  OnlinePageOk();
  ExitProcess(0);
}

// The Online page writes keys into both files. For every write k of its OK,
// from the first copy to the last placement, a child ends itself abruptly
// there; each file is then byte for byte as before or as after a whole OK, and
// the next run removes the copy the crash left behind.
static void EndedAtEveryWrite() {
  const char* ini = "[NETWORK]\r\n; the player's note\r\nOther=1\r\n[SYSTEM]\r\nResolution=6\r\n";
  const char* cfg = "[m_portal]\r\nKeep=yes\r\n[Recent Connection]\r\nAddr01=host\r\n";
  PutGameIni(ini);
  PutConfigFile(cfg);
  g_writes = 0;
  g_crashAt = 0;
  g_settingsWriteHook = CountWrite;
  OnlinePageOk();
  g_settingsWriteHook = nullptr;
  std::string iniAfter = GameIniText(), cfgAfter = ConfigText();
  CHECK_EQ(g_writes, 19);  // two copies, 5 + 10 keys, two placements
  CHECK(iniAfter.find("ChatLines=4") != std::string::npos && iniAfter.find("Other=1") != std::string::npos);
  CHECK(cfgAfter.find("Matchup_Mode=1") != std::string::npos && cfgAfter.find("Addr01=host") != std::string::npos);
  CHECK(!Exists(CopyOf(true)) && !Exists(CopyOf(false)));

  int total = g_writes;
  for (int k = 1; k <= total; ++k) {
    PutGameIni(ini);
    PutConfigFile(cfg);
    char args[32];
    wsprintfA(args, "crash-at %d", k);
    HANDLE child = StartChild(args);
    CHECK(child != nullptr);
    if (child == nullptr) return;
    CHECK_EQ(WaitForChild(child), kCrashExit);
    std::string iniNow = GameIniText(), cfgNow = ConfigText();
    bool iniWhole = iniNow == ini || iniNow == iniAfter, cfgWhole = cfgNow == cfg || cfgNow == cfgAfter;
    CHECK(iniWhole);
    CHECK(cfgWhole);
    if (!iniWhole || !cfgWhole) printf("  ended at write %d of %d\n", k, total);
    ResetFolderCache();  // the next run: its first use of each file removes the copy
    GetGameIniInt("SYSTEM", "Resolution", 0);
    GetConfigInt("m_portal", "Keep", 0);
    CHECK(!Exists(CopyOf(true)) && !Exists(CopyOf(false)));
  }
}

// ---- the reader --------------------------------------------------------------------

// A whole Zanto.ini of the reader test: the last section is there, and the
// eight quick messages are all of one OK.
static bool OneWholeSave(const char* text) {
  if (strstr(text, "[END]\r\nLast=1\r\n") == nullptr) return false;
  std::string first;
  for (int n = 1; n <= 8; ++n) {
    char key[32];
    wsprintfA(key, "ShortCutMessage_F%02d=", n);
    const char* at = strstr(text, key);
    if (at == nullptr) return false;
    at += strlen(key);
    std::string value(at, strcspn(at, "\r\n"));
    if (n == 1) first = value;
    if (value != first) return false;
  }
  return true;
}

// Reads the file's bytes in a loop until told to stop, as often as a program
// would that polls it (a file held open cannot be replaced, and the save tries
// again after a moment); the exit code is the number of reads that found no
// file or not one whole save.
static void ReaderChild() {
  HANDLE ready = OpenEventA(EVENT_MODIFY_STATE, FALSE, kReadyEvent);
  HANDLE stop = OpenEventA(SYNCHRONIZE, FALSE, kStopEvent);
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

static SheetStep TypeQuickMessages(const char* text) {
  return [text](HWND sheet) {
    HWND page = PageWindow(sheet, PAGE_QUICKMSG);
    for (int id = 2001; id <= 2008; ++id) SetDlgItemTextA(page, id, text);
  };
}

// Another program reads Zanto.ini while OKs of two pages (30 keys each) are
// saved: it sees one whole save or the next, never a mix of two, never a cut
// or missing file; and this program reads each new save at once.
static void ReaderSeesWholeSavesOnly() {
  std::string ini = "[NETWORK]\r\n";
  for (int n = 1; n <= 8; ++n) ini += "ShortCutMessage_F0" + std::to_string(n) + "=gen0\r\n";
  ini += "[END]\r\nLast=1\r\n";
  PutGameIni(ini.c_str());
  PutConfigFile(nullptr);
  HANDLE ready = CreateEventA(nullptr, TRUE, FALSE, kReadyEvent);
  HANDLE stop = CreateEventA(nullptr, TRUE, FALSE, kStopEvent);
  HANDLE reader = StartChild("reader");
  CHECK(reader != nullptr);
  if (reader == nullptr) return;
  CHECK_EQ(WaitForSingleObject(ready, 30000), WAIT_OBJECT_0);
  g_messageHook = RecordMessage;
  g_messageCount = 0;
  static const char* const kGenerations[] = {"gen1", "gen2", "gen3", "gen4", "gen5", "gen6"};
  for (const char* gen : kGenerations) {
    RunSheet(nullptr, PAGE_CONTROLS, {SelectPage(PAGE_QUICKMSG), TypeQuickMessages(gen), PressOk()});
    CHECK_STR(GetGameIniString("NETWORK", "ShortCutMessage_F08", ""), gen);
  }
  g_messageHook = nullptr;
  CHECK_EQ(g_messageCount, 0);
  SetEvent(stop);
  CHECK_EQ(WaitForChild(reader), 0);
  CloseHandle(ready);
  CloseHandle(stop);
}

// ---- a file that cannot be saved ---------------------------------------------------------

// A read-only Zanto.ini is never changed, and as the OK saves both files or
// neither, the configuration file stays as it was too. One message; the sheet
// stays open for the player to press OK again or Cancel.
static void ReadOnlyFileGivesOneMessage() {
  const char* ini = "[NETWORK]\r\nLog=1\r\n";
  PutGameIni(ini);
  PutConfigFile("[m_portal]\r\nKeep=yes\r\n");
  char path[MAX_PATH];
  GetGameIniPath(path);
  SetFileAttributesA(path, FILE_ATTRIBUTE_READONLY);
  g_messageHook = RecordMessage;
  g_messageCount = 0;
  BOOL r = RunSheet(nullptr, PAGE_CONTROLS, {
      SelectPage(PAGE_ONLINE),
      PressOk(),
      Check([](HWND sheet) {
        CHECK(IsWindowVisible(sheet));
        CHECK_EQ(g_messageCount, 1);
        CHECK_STR(g_messages[0].text, kSettingsSaveFailed);
        CHECK_STR(g_messages[0].caption, "ZantoWin 偽ランチャー 2.08");
        CHECK_EQ(g_messages[0].flags, MB_ICONERROR);
      }),
      PressCancel(),
  });
  g_messageHook = nullptr;
  CHECK_EQ(r, TRUE);
  CHECK_EQ(g_messageCount, 1);
  CHECK_TEXT(GameIniText(), ini);
  CHECK_TEXT(ConfigText(), "[m_portal]\r\nKeep=yes\r\n");
  CHECK(!Exists(CopyOf(true)) && !Exists(CopyOf(false)));
  SetFileAttributesA(path, FILE_ATTRIBUTE_NORMAL);
}

void RunTests() {
  const char* args = GetCommandLineA();
  if (const char* at = strstr(args, " crash-at ")) CrashingChild(atoi(at + 10));
  if (strstr(args, " reader") != nullptr) ReaderChild();
  EndedAtEveryWrite();
  ReaderSeesWholeSavesOnly();
  ReadOnlyFileGivesOneMessage();
  PutGameIni(nullptr);
  PutConfigFile(nullptr);
}
