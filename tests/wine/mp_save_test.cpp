// An OK of the options sheet is saved as one step per file: a process ended at
// any write leaves each file as it was or with every key of the OK, another
// program reading meanwhile never sees a mixture, and a read-only Zanto.ini is
// left alone with one message. Saves hold while other processes use the same
// files (a second process of either program, the game writing meanwhile, a
// file held open), and for files that are not plain files (more than one name,
// an access list of their own, a name at the path limit; a link and a locked
// folder are in tests/e2e/hostile_test.sh, which can make them). The other
// processes are copies of this program, started with an argument.
#include "sheet_fixture.h"

#include <aclapi.h>
#include <sddl.h>

#include "core/edition.h"
#include "core/settings_copy.h"
#include "core/ui.h"
#include "res/ids_online.h"
#include "net/connect.h"
#include "res/ids_quickmsg.h"

static std::string IniPath() {
  char path[MAX_PATH];
  GetGameIniPath(path);
  return path;
}

static std::string CfgPath() {
  char path[MAX_PATH];
  GetConfigFilePath(path);
  return path;
}

static std::string FileText(const std::string& path) {
  static char buf[16384];
  return ReadWholeFile(path.c_str(), buf, sizeof buf) < 0 ? "(missing)" : buf;
}

static bool Has(const std::string& text, const char* line) { return text.find(line) != std::string::npos; }

// No copy of the file by any process, under any of its names.
static bool NoCopyOf(const std::string& path) {
  const char* name = SettingsFileName(path.c_str());
  std::string pattern = path.substr(0, name - path.c_str()) + "*";
  WIN32_FIND_DATAA data;
  HANDLE search = FindFirstFileA(pattern.c_str(), &data);
  bool none = true;
  CopyRole role;
  if (search == INVALID_HANDLE_VALUE) return true;
  do none = none && !IsSettingsCopyName(data.cFileName, name, &role);
  while (FindNextFileA(search, &data));
  FindClose(search);
  return none;
}

static bool NoCopyLeft() { return NoCopyOf(IniPath()) && NoCopyOf(CfgPath()); }

static HANDLE StartChild(const char* args) {
  char exe[MAX_PATH], line[2 * MAX_PATH];
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
  if (child == nullptr) return code;
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
  CHECK_EQ(g_writes, 20);  // two copies, 5 + 10 keys, Zanto.ini's old content kept, two placements
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
      for (int id = IDC_QMSG_F1; id <= IDC_QMSG_F8; ++id) SetDlgItemTextA(PageWindow(sheet, PAGE_QUICKMSG), id, gen);
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

static HANDLE g_paused, g_goOn;

static void MakeEvents() {
  g_paused = CreateEventA(nullptr, TRUE, FALSE, "zanto-shared-paused");
  g_goOn = CreateEventA(nullptr, TRUE, FALSE, "zanto-shared-go-on");
  ResetEvent(g_paused);
  ResetEvent(g_goOn);
}

// ---- helper processes ---------------------------------------------------------------

static void PauseAtFirstKey() {
  if (++g_writes != 2) return;  // after the copy, before the first key
  SetEvent(OpenEventA(EVENT_MODIFY_STATE, FALSE, "zanto-shared-paused"));
  WaitForSingleObject(OpenEventA(SYNCHRONIZE, FALSE, "zanto-shared-go-on"), 30000);
}

// A save of three keys that stops after its copy of Zanto.ini was taken until
// told to go on; the exit code says whether it was saved.
static void PausedSaveChild() {
  g_settingsWriteHook = PauseAtFirstKey;
  BeginSettingsBurst();
  WriteGameIniString("NETWORK", "Child1", "child");
  WriteGameIniString("NETWORK", "Child2", "child");
  WriteGameIniString("NETWORK", "Child3", "child");
  ExitProcess(CommitSettingsBurst() ? 0 : 1);
}

// Holds a file open without delete sharing, as another program may, until told to let go.
static void HoldingChild(const char* path) {
  HANDLE f = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
  SetEvent(OpenEventA(EVENT_MODIFY_STATE, FALSE, "zanto-shared-paused"));
  WaitForSingleObject(OpenEventA(SYNCHRONIZE, FALSE, "zanto-shared-go-on"), 30000);
  ExitProcess(f == INVALID_HANDLE_VALUE ? 1 : 0);
}

static bool SaveKeys(std::initializer_list<const char*> keys) {
  BeginSettingsBurst();
  for (const char* k : keys) WriteGameIniString("NETWORK", k, "saved");
  return CommitSettingsBurst();
}

// ---- turns and changes ------------------------------------------------------------------

// A second process's first use of Zanto.ini while another is saving leaves
// that save's copy alone, and its own save waits for its turn: every key of
// both saves and of the file before them is there.
static void SecondProcessLeavesALiveSaveAlone() {
  PutGameIni("[GAME]\r\nScore=5\r\n[NETWORK]\r\nOther=1\r\n");
  MakeEvents();
  HANDLE child = StartChild("paused-save");
  CHECK_EQ(WaitForSingleObject(g_paused, 30000), WAIT_OBJECT_0);
  ResetFolderCache();  // as a second program starting
  CHECK_EQ(GetGameIniInt("NETWORK", "Other", 0), 1);
  SetEvent(g_goOn);
  CHECK(SaveKeys({"Parent"}));
  CHECK_EQ(WaitForChild(child), 0);
  std::string text = GameIniText();
  CHECK(Has(text, "Score=5") && Has(text, "Other=1") && Has(text, "Child3=child") && Has(text, "Parent=saved"));
  CHECK(NoCopyOf(IniPath()));
}

// The game writes Zanto.ini between a save's copy and its placement: its keys
// stay, and the keys the save writes take the save's values.
static void ChangeMadeMeanwhileIsKept() {
  PutGameIni("[NETWORK]\r\nOther=1\r\n");
  MakeEvents();
  HANDLE child = StartChild("paused-save");
  CHECK_EQ(WaitForSingleObject(g_paused, 30000), WAIT_OBJECT_0);
  WriteWholeFile(IniPath().c_str(), "[GAME]\r\nScore=7\r\n[NETWORK]\r\nOther=2\r\nChild2=game\r\n");
  SetEvent(g_goOn);
  CHECK_EQ(WaitForChild(child), 0);
  std::string text = GameIniText();
  CHECK(Has(text, "Score=7") && Has(text, "Other=2"));
  CHECK(Has(text, "Child1=child") && Has(text, "Child2=child") && !Has(text, "Child2=game"));
  CHECK(NoCopyOf(IniPath()));
}

// An OK that writes both files, with one of them held open by another program
// for longer than the placement waits: one message, and neither file changed.
static void HeldFileLeavesBothAsTheyWere() {
  const char* ini = "[NETWORK]\r\nLog=1\r\n";
  const char* cfg = "[m_portal]\r\nKeep=yes\r\n";
  for (const std::string& held : {IniPath(), CfgPath()}) {
    PutGameIni(ini);
    PutConfigFile(cfg);
    MakeEvents();
    HANDLE child = StartChild(("hold \"" + held + "\"").c_str());
    CHECK_EQ(WaitForSingleObject(g_paused, 30000), WAIT_OBJECT_0);
    g_messageHook = RecordMessage;
    g_messageCount = 0;
    RunSheet(nullptr, PAGE_ONLINE, {PressOk(), [](HWND sheet) { CHECK(IsWindowVisible(sheet)); }, PressCancel()});
    g_messageHook = nullptr;
    SetEvent(g_goOn);
    CHECK_EQ(WaitForChild(child), 0);
    CHECK_EQ(g_messageCount, 1);
    CHECK_TEXT(GameIniText(), ini);
    CHECK_TEXT(ConfigText(), cfg);
    CHECK(NoCopyOf(IniPath()) && NoCopyOf(CfgPath()));
  }
}

// ---- another program's write at a chosen moment ---------------------------------------------

static std::string g_gameWrites;  // what the game puts into Zanto.ini at the chosen write
static int g_gameWritesAt;

// The game rewrites Zanto.ini at the chosen step of the save, to the same
// size and with the same time stamp, as within one tick of a FAT folder.
static void GameWritesAtStep() {
  if (++g_writes != g_gameWritesAt) return;
  HANDLE f = CreateFileA(IniPath().c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                         OPEN_EXISTING, 0, nullptr);
  FILETIME written;
  GetFileTime(f, nullptr, nullptr, &written);
  DWORD put = 0;
  WriteFile(f, g_gameWrites.data(), (DWORD)g_gameWrites.size(), &put, nullptr);
  SetFileTime(f, nullptr, nullptr, &written);
  CloseHandle(f);
}

// A change of the same size and time stamp, made right before the copy takes
// the file's place (the last step, after everything slow), is kept.
static void SameSizeChangeAtTheLastMomentIsKept() {
  PutGameIni("[NETWORK]\r\nOther=1\r\n");
  g_gameWrites = "[NETWORK]\r\nOther=2\r\n";
  g_writes = 0;
  g_gameWritesAt = 3;  // the copy, the key, then right before the placement
  g_settingsWriteHook = GameWritesAtStep;
  CHECK(SaveKeys({"Mine"}));
  g_settingsWriteHook = nullptr;
  CHECK_EQ(g_writes, 6);  // the change seen: a fresh copy, the key once more, the placement
  std::string text = GameIniText();
  CHECK(Has(text, "Other=2") && Has(text, "Mine=saved"));
  CHECK(NoCopyOf(IniPath()));
}

// The game changes a key while the sheet is open; the player changes another
// (and one the game changed too): the game's value of the key the player left
// alone stays, the player's values go in, and every other key is as always.
static void UntouchedKeyKeepsTheGamesChange() {
  PutGameIni("[PERIPHERAL]\r\nPLAYER1 KEYBOARD FIRE1=28\r\n[NETWORK]\r\nChatLines=10\r\nLog=0\r\n");
  RunSheet(nullptr, PAGE_CONTROLS, {SelectPage(PAGE_ONLINE), [](HWND sheet) {
    WriteWholeFile(IniPath().c_str(),
                   "[PERIPHERAL]\r\nPLAYER1 KEYBOARD FIRE1=30\r\n[NETWORK]\r\nChatLines=20\r\nLog=0\r\n");
    SetDlgItemTextA(PageWindow(sheet, PAGE_ONLINE), IDC_ONL_CHATLINES, "12");
  }, PressOk()});
  std::string text = GameIniText();
  CHECK(Has(text, "PLAYER1 KEYBOARD FIRE1=30\r\n") && Has(text, "ChatLines=12\r\n"));
  CHECK(Has(text, "PLAYER1 KEYBOARD FIRE2=44\r\n") && Has(text, "Log=0\r\n"));  // defaults and the rest, as always
}

// The configuration file has a second name, so it is written in place. An OK
// whose Zanto.ini cannot be put in place leaves it untouched; one whose
// in-place write fails after Zanto.ini was put in place undoes both.
static int g_afterPlacement;
static HANDLE g_cfgHeld = INVALID_HANDLE_VALUE;
static void CfgRefusesThirdWrite() {
  if (!Has(GameIniText(), "ChatLines=")) return;  // Zanto.ini not in place yet
  if (g_cfgHeld != INVALID_HANDLE_VALUE) CloseHandle(g_cfgHeld);
  g_cfgHeld = INVALID_HANDLE_VALUE;
  if (++g_afterPlacement == 3)  // held with no sharing, as another program may, for this write only
    g_cfgHeld = CreateFileA(CfgPath().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
}

static void InPlaceFileJoinsTheAllOrNothing() {
  const char* ini = "[NETWORK]\r\nLog=1\r\n";
  const char* cfg = "[m_portal]\r\nKeep=yes\r\n";
  std::string other = CfgPath() + ".second";
  for (int round = 0; round < 2; ++round) {
    PutGameIni(ini);
    PutConfigFile(cfg);
    DeleteFileA(other.c_str());
    CHECK(CreateHardLinkA(other.c_str(), CfgPath().c_str(), nullptr));
    HANDLE child = nullptr;
    if (round == 0) {
      MakeEvents();
      child = StartChild(("hold \"" + IniPath() + "\"").c_str());
      CHECK_EQ(WaitForSingleObject(g_paused, 30000), WAIT_OBJECT_0);
    } else {
      g_afterPlacement = 0;
      g_settingsWriteHook = CfgRefusesThirdWrite;
    }
    g_messageHook = RecordMessage;
    g_messageCount = 0;
    RunSheet(nullptr, PAGE_ONLINE, {PressOk(), [](HWND sheet) { CHECK(IsWindowVisible(sheet)); }, PressCancel()});
    g_messageHook = nullptr;
    g_settingsWriteHook = nullptr;
    if (child != nullptr) {
      SetEvent(g_goOn);
      CHECK_EQ(WaitForChild(child), 0);
    } else {
      CHECK(g_afterPlacement >= 4);  // the failed write, then the undoing
    }
    CHECK_EQ(g_messageCount, 1);
    CHECK_TEXT(GameIniText(), ini);
    std::string cfgNow = ConfigText();
    CHECK(Has(cfgNow, "Keep=yes") && !Has(cfgNow, "Matchup_"));
    CHECK(FileText(other) == cfgNow);
    CHECK(NoCopyOf(IniPath()) && NoCopyOf(CfgPath()));
    DeleteFileA(other.c_str());
  }
}

// ---- turns across programs, elevated or not -------------------------------------------------

// A program whose save lock refuses this one (an elevated run of another
// version made it): an OK and a join each fail and say so, and neither file
// changes. The lock is made before this process's first save opens its own.
static void RefusedLockFailsTheSaveAndSaysSo() {
  const char* ini = "[NETWORK]\r\nLog=1\r\n";
  const char* cfg = "[m_portal]\r\nKeep=yes\r\n";
  PutGameIni(ini);
  PutConfigFile(cfg);
  PSECURITY_DESCRIPTOR refusing = nullptr;
  CHECK(ConvertStringSecurityDescriptorToSecurityDescriptorA("D:P", SDDL_REVISION_1, &refusing, nullptr));
  SECURITY_ATTRIBUTES attributes = {sizeof attributes, refusing, FALSE};
  HANDLE lock = CreateMutexA(&attributes, FALSE, "ZantoSettingsSave");
  CHECK(lock != nullptr && GetLastError() != ERROR_ALREADY_EXISTS);
  CHECK_EQ(WaitForChild(StartChild("refused-lock")), 0);
  CloseHandle(lock);
  LocalFree(refusing);
  CHECK_TEXT(GameIniText(), ini);
  CHECK_TEXT(ConfigText(), cfg);
  CHECK(NoCopyLeft());
}

static void RefusedLockChild() {
  g_messageHook = RecordMessage;
  RunSheet(nullptr, PAGE_ONLINE, {PressOk(), PressCancel()});
  HWND combo = CreateWindowExA(0, "COMBOBOX", "", WS_POPUP | CBS_DROPDOWN, 0, 0, 100, 100, nullptr, nullptr,
                               nullptr, nullptr);
  SaveRecentConnection(combo, "10.0.0.1");
  bool told = g_messageCount == 2 && strcmp(g_messages[0].text, kSettingsSaveBusy) == 0 &&
              strcmp(g_messages[1].text, kSettingsSaveBusy) == 0;
  ExitProcess(told ? 0 : 1);
}

// The copy of a save whose process still runs is no leftover: another
// process's sweep, and its save, leave it; once the writer is gone, the next
// sweep removes it.
static void LiveWritersCopySurvivesASweep() {
  PutGameIni("[NETWORK]\r\nOther=1\r\n");
  char exe[MAX_PATH], copy[MAX_PATH];
  GetModuleFileNameA(nullptr, exe, MAX_PATH);
  STARTUPINFOA si = {};
  si.cb = sizeof si;
  PROCESS_INFORMATION writer;
  CHECK(CreateProcessA(exe, nullptr, nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr, nullptr, &si, &writer));
  CHECK(SettingsCopyPath(IniPath().c_str(), "launcher", writer.dwProcessId, COPY_NEW, copy, sizeof copy));
  WriteWholeFile(copy, "[NETWORK]\r\nHalf=1\r\n");
  ResetFolderCache();  // as a new run: its first use of the file sweeps
  CHECK_EQ(GetGameIniInt("NETWORK", "Other", 0), 1);
  CHECK(SaveKeys({"Mine"}));
  CHECK(GetFileAttributesA(copy) != INVALID_FILE_ATTRIBUTES);
  TerminateProcess(writer.hProcess, 1);
  WaitForSingleObject(writer.hProcess, 30000);
  CloseHandle(writer.hProcess);
  CloseHandle(writer.hThread);
  ResetFolderCache();
  CHECK_EQ(GetGameIniInt("NETWORK", "Other", 0), 1);
  CHECK(NoCopyOf(IniPath()));
}

static DWORD g_otherSaveExit;

// While the duplicate-key message is on screen, another process saves.
static int SaveElsewhereMeanwhile(HWND, const char*, const char*, UINT) {
  ++g_messageCount;
  HANDLE child = StartChild("save-now");
  if (WaitForSingleObject(child, 15000) == WAIT_OBJECT_0) GetExitCodeProcess(child, &g_otherSaveExit);
  else TerminateProcess(child, 98);
  CloseHandle(child);
  return IDOK;
}

// No save waits on another program's message: with page 0's duplicate keys
// shown, a second process's save has its turn at once (far within the
// bounded wait), and the refused OK writes nothing.
static void SaveGoesOnWhileAMessageWaits() {
  const char* ini = "[PERIPHERAL]\r\nPLAYER1 KEYBOARD UP=200\r\nPLAYER1 KEYBOARD DOWN=200\r\n";
  PutGameIni(ini);
  g_messageHook = SaveElsewhereMeanwhile;
  g_messageCount = 0;
  g_otherSaveExit = STILL_ACTIVE;
  RunSheet(nullptr, PAGE_CONTROLS, {PressOk(), PressCancel()});
  g_messageHook = nullptr;
  CHECK_EQ(g_messageCount, 1);
  CHECK_EQ(g_otherSaveExit, 0);
  std::string text = GameIniText();
  CHECK(Has(text, "PLAYER1 KEYBOARD UP=200") && Has(text, "Other=saved"));
  CHECK(NoCopyOf(IniPath()));
}

// ---- files that are not plain files --------------------------------------------------------

// A Zanto.ini with a second name: both names see the save.
static void SecondNameSeesTheSave() {
  PutGameIni("[NETWORK]\r\nOther=1\r\n");
  std::string other = std::string(GetSettingsDir()) + "Zanto backup.ini";
  DeleteFileA(other.c_str());
  CHECK(CreateHardLinkA(other.c_str(), IniPath().c_str(), nullptr));
  CHECK(SaveKeys({"Both"}));
  CHECK(Has(FileText(other), "Both=saved") && Has(GameIniText(), "Other=1"));
  DeleteFileA(other.c_str());
}

// The file's access list as the platform reports it.
static std::string AccessList(const std::string& path) {
  static BYTE got[4096];
  DWORD needed = 0;
  BOOL present = FALSE, defaulted = FALSE;
  ACL* acl = nullptr;
  if (!GetFileSecurityA(path.c_str(), DACL_SECURITY_INFORMATION, got, sizeof got, &needed) ||
      !GetSecurityDescriptorDacl(got, &present, &acl, &defaulted) || !present || acl == nullptr)
    return "(none)";
  return std::string((const char*)acl, acl->AclSize);
}

// A Zanto.ini with an access list of its own (everyone may read and write
// it, where a new file lets only its owner write; Wine keeps that much of a
// list) keeps that list, not the one a new file gets.
static void GiveOwnAccessList(const std::string& path) {
  SID_IDENTIFIER_AUTHORITY world = SECURITY_WORLD_SID_AUTHORITY;
  PSID everyone = nullptr;
  AllocateAndInitializeSid(&world, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0, &everyone);
  static BYTE aclBytes[256];
  ACL* acl = (ACL*)aclBytes;
  InitializeAcl(acl, sizeof aclBytes, ACL_REVISION);
  AddAccessAllowedAce(acl, ACL_REVISION, FILE_GENERIC_READ | FILE_GENERIC_WRITE, everyone);
  SECURITY_DESCRIPTOR sd;
  InitializeSecurityDescriptor(&sd, SECURITY_DESCRIPTOR_REVISION);
  SetSecurityDescriptorDacl(&sd, TRUE, acl, FALSE);
  CHECK(SetFileSecurityA(path.c_str(), DACL_SECURITY_INFORMATION, &sd));
  FreeSid(everyone);
}

static void OwnAccessListIsKept() {
  PutGameIni("[NETWORK]\r\nOther=1\r\n");
  std::string inherited = AccessList(IniPath());
  GiveOwnAccessList(IniPath());
  std::string own = AccessList(IniPath());
  CHECK(own != inherited);
  CHECK(SaveKeys({"Guarded"}));
  CHECK(Has(GameIniText(), "Guarded=saved"));
  CHECK(AccessList(IniPath()) == own);
}

// The burst's copy of a file under this process's name.
static std::string OwnCopy(const std::string& path, CopyRole role) {
  char copy[MAX_PATH];
  SettingsCopyPath(path.c_str(), kSettingsCopyTag, GetCurrentProcessId(), role, copy, sizeof copy);
  return copy;
}

static const char kGameMadeIni[] = "[GAME]\r\nScore=9\r\n";
static bool g_acted;

// The game makes Zanto.ini after the save's copy of the missing file was begun.
static void GameMakesTheFile() {
  if (g_acted || GetFileAttributesA(OwnCopy(IniPath(), COPY_NEW).c_str()) == INVALID_FILE_ATTRIBUTES) return;
  g_acted = true;
  WriteWholeFile(IniPath().c_str(), kGameMadeIni);
}

// Another program opens Zanto.ini once it was put in place, and holds it.
static HANDLE g_iniHolder;
static void HoldPlacedFile() {
  if (g_acted || GameIniText() == "[NETWORK]\r\nLog=1\r\n") return;
  g_acted = true;
  ResetEvent(g_paused);
  g_iniHolder = StartChild(("hold \"" + IniPath() + "\"").c_str());
  WaitForSingleObject(g_paused, 30000);
}

// The .CFG is held, so an OK of the Online page has to give Zanto.ini its old
// content back. A Zanto.ini that the game made during the save gets the game's
// content back, not removed. One that another program holds for longer than
// the retries keeps the new settings: the player is told that, by name, and
// its old copy, with the file's own access list, stays for the next start.
static void UndoneOrToldWhichFileWasSaved() {
  const char* ini = "[NETWORK]\r\nLog=1\r\n";
  const char* cfg = "[m_portal]\r\nKeep=yes\r\n";
  for (SettingsWriteHook hook : {GameMakesTheFile, HoldPlacedFile}) {
    bool held = hook == HoldPlacedFile;
    PutGameIni(held ? ini : nullptr);
    if (held) GiveOwnAccessList(IniPath());
    std::string own = AccessList(IniPath());
    PutConfigFile(cfg);
    MakeEvents();
    HANDLE cfgHolder = StartChild(("hold \"" + CfgPath() + "\"").c_str());
    CHECK_EQ(WaitForSingleObject(g_paused, 30000), WAIT_OBJECT_0);
    g_messageHook = RecordMessage;
    g_messageCount = 0;
    g_acted = false;
    g_iniHolder = nullptr;
    g_settingsWriteHook = hook;
    RunSheet(nullptr, PAGE_ONLINE, {PressOk(), PressCancel()});
    g_settingsWriteHook = nullptr;
    g_messageHook = nullptr;
    CHECK(g_acted);
    CHECK_EQ(g_messageCount, 1);
    std::string told = g_messages[0].text;
    if (!held) {
      CHECK_STR(told.c_str(), kSettingsSaveFailed);
      CHECK_TEXT(GameIniText(), kGameMadeIni);
    } else {
      CHECK(told != kSettingsSaveFailed && Has(told, "Zanto.ini") && Has(told, SettingsFileName(CfgPath().c_str())));
      CHECK(Has(GameIniText(), "Log=1") && Has(GameIniText(), "ChatLines="));
      CHECK_TEXT(FileText(OwnCopy(IniPath(), COPY_OLD)), ini);
      CHECK(AccessList(OwnCopy(IniPath(), COPY_OLD)) == own);
    }
    SetEvent(g_goOn);
    WaitForChild(cfgHolder);
    if (g_iniHolder != nullptr) WaitForChild(g_iniHolder);
    CHECK_TEXT(ConfigText(), cfg);
    CHECK(NoCopyOf(CfgPath()));
    DeleteFileA(OwnCopy(IniPath(), COPY_OLD).c_str());
  }
}

// A settings path that ends right at the path limit: the copy takes a short name.
static void PathAtTheLimitIsSaved() {
  SavedRegValue saved = SaveRegValue(kShellFolders, "AppData");
  // "\Korvel\Zanto\Zanto.ini" is 23 bytes: a 236-byte folder ends the path at 259.
  std::string folder = "C:\\itest";
  while (folder.size() < 236) {
    folder += "\\" + std::string(std::min<size_t>(39, 236 - folder.size() - 1), 'p');
    CreateDirectoryA(folder.c_str(), nullptr);
  }
  SetRegString(kShellFolders, "AppData", folder.c_str());
  ResetFolderCache();
  CHECK_EQ(IniPath().size(), 259);
  PutGameIni("[NETWORK]\r\nOther=1\r\n");
  CHECK(SaveKeys({"Long"}));
  std::string text = GameIniText();
  CHECK(Has(text, "Other=1") && Has(text, "Long=saved"));
  CHECK(NoCopyOf(IniPath()));
  PutGameIni(nullptr);
  SetRegBytes(kShellFolders, "AppData", saved.type, saved.data, saved.size);
  ResetFolderCache();
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
  if (strstr(args, " refused-lock") != nullptr) RefusedLockChild();
  if (strstr(args, " save-now") != nullptr) ExitProcess(SaveKeys({"Other"}) ? 0 : 1);
  if (strstr(args, " paused-save") != nullptr) PausedSaveChild();
  if (const char* at = strstr(args, " hold \"")) {
    std::string path(at + 7);
    HoldingChild(path.substr(0, path.find('"')).c_str());
  }
  RefusedLockFailsTheSaveAndSaysSo();  // first: before this process has a lock of its own
  EndedAtEveryWrite();
  ReaderSeesWholeSavesOnly();
  ReadOnlyFileGivesOneMessage();
  SecondProcessLeavesALiveSaveAlone();
  ChangeMadeMeanwhileIsKept();
  HeldFileLeavesBothAsTheyWere();
  SameSizeChangeAtTheLastMomentIsKept();
  UntouchedKeyKeepsTheGamesChange();
  InPlaceFileJoinsTheAllOrNothing();
  LiveWritersCopySurvivesASweep();
  SaveGoesOnWhileAMessageWaits();
  SecondNameSeesTheSave();
  OwnAccessListIsKept();
  PathAtTheLimitIsSaved();
  UndoneOrToldWhichFileWasSaved();
  PutGameIni(nullptr);
  PutConfigFile(nullptr);
}
