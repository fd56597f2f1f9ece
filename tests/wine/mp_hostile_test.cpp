// m_portal against hostile settings files, registry values and typed text,
// in process: every read stays within its 256 bytes and ends on a whole
// character, an OK of all seven pages writes only the pages' own keys and
// each in the form the game reads, a pasted line break never reaches a file,
// a folder value of any type or length gives one failure message per start,
// and a failing colour chooser or settings folder changes nothing.
#include "sheet_fixture.h"

#include "connect_fixture.h"
#include "apps/shared/start.h"
#include "core/edition.h"
#include "core/ui.h"
#include "hostile_fixture.h"
#include "options/name_color.h"
#include "res/ids_about.h"
#include "res/ids_online.h"
#include "res/ids_quickmsg.h"

static const char kKey[] = "Software\\Korvel\\Zanto2.0";
static const char kLegacyKey[] = "Software\\Korvel\\Zanto";
static const char kStartFailure[] = "起動に失敗しました";

static void PutIniBytes(const std::string& data) {
  PutGameIni("");  // makes the settings folder
  PutBytes(IniFile().c_str(), data);
}

static void PutCfgBytes(const std::string& data) { PutBytes(CfgFile().c_str(), data); }

static std::string WholeFile(const std::string& path) {
  static char buf[131072];
  int n = ReadWholeFile(path.c_str(), buf, sizeof buf);
  return n < 0 ? "(missing)" : std::string(buf, n);
}

// ---- reads ---------------------------------------------------------------------

struct HostileValue {
  const char* what;
  std::string value;
  const char* expected;  // nullptr: only the bounds are checked
};

static void ValuesReadWithinTheirBuffers() {
  std::string kanji = Repeat("漢", 5000);
  std::string x255(255, 'x'), kanji127 = Repeat("漢", 127), odd = "a" + kanji127;
  const HostileValue values[] = {
      {"10,000 bytes", std::string(10000, 'x'), x255.c_str()},
      {"10,000 bytes of double-byte characters", kanji, kanji127.c_str()},
      {"double-byte characters from an odd start", "a" + kanji, odd.c_str()},
      {"a NUL inside", std::string("ab\0cd", 5), "ab"},
      {"a broken double-byte pair", "ab\x81\xff" "cd", nullptr},
      {"only a lead byte", "\x81", nullptr},  // the platform reads it as a whole character
      {"control bytes", "\x01\x02\x1b\x7f", "\x01\x02\x1b\x7f"},
  };
  for (const HostileValue& v : values) {
    std::string file = "[S]\r\nK=" + v.value + "\r\nAfter=ok\r\n";
    PutIniBytes(file);
    PutCfgBytes(file);
    const char* got[2];
    char gameCopy[256];
    lstrcpynA(gameCopy, GetGameIniString("S", "K", "def"), sizeof gameCopy);
    got[0] = gameCopy;
    got[1] = GetConfigString("S", "K", "def");
    for (const char* g : got) {
      bool ok = strlen(g) <= 255 && WholeCharacters(g) && (v.expected == nullptr || strcmp(g, v.expected) == 0);
      CHECK(ok);
      if (!ok) ItestPrintText(v.what, g);
    }
    CHECK_STR(GetGameIniString("S", "After", ""), "ok");  // the rest of the file is still read
    CHECK_STR(GetConfigString("S", "After", ""), "ok");
  }

  // Line ends of one kind, lines without "=", duplicates, enormous names.
  const char* const shapes[][2] = {
      {"[S]\rK=cr\rAfter=ok\r", "cr"},
      {"[S]\nK=lf\nAfter=ok\n", "lf"},
      {"[S]\r\nno equals sign here\r\nK=v\r\nAfter=ok\r\n", "v"},
  };
  for (const auto& shape : shapes) {
    PutIniBytes(shape[0]);
    CHECK_STR(GetGameIniString("S", "K", "def"), shape[1]);
    CHECK_STR(GetGameIniString("S", "After", "def"), "ok");
  }
  PutIniBytes("[S]\r\nK=first\r\nK=second\r\n[S]\r\nK=third\r\nAfter=ok\r\n");
  std::string dup = GetGameIniString("S", "K", "def");
  CHECK(dup == "first" || dup == "second" || dup == "third");
  PutIniBytes("[" + std::string(10000, 's') + "]\r\n" + std::string(10000, 'k') + "=v\r\n[S]\r\nK=v\r\n");
  CHECK_STR(GetGameIniString("S", "K", "def"), "v");
  CHECK_STR(GetGameIniString(std::string(300, 's').c_str(), "K", "def"), "def");

  // Numbers that are none, or too long for any integer: no crash, some number.
  const std::string numbers[] = {"-", "0x", "   ", "+-3", "1e9", "\x81\x40", std::string(10000, '9')};
  for (const std::string& v : numbers) {
    PutIniBytes("[S]\r\nN=" + v + "\r\n");
    PutCfgBytes("[S]\r\nN=" + v + "\r\n");
    GetGameIniInt("S", "N", 7);
    GetConfigInt("S", "N", 7);
  }
  CHECK(true);  // reached without a fault
}

// ---- the sheet's writes ----------------------------------------------------------


static void AllPagesOkWritesOnlyTheirOwnKeys() {
  std::string kanji = Repeat("漢", 5000);
  std::string ini =
      "[PERIPHERAL]\r\nPLAYER1 KEYBOARD UP=99999999999\r\nPLAYER1 DEVICE=\x81\r\nExtra=keep\r\n"
      "[NETWORK]\r\nShortCutMessage_F01=" + kanji + "\r\nShortCutMessage_F02=" + std::string("ab\0cd", 5) +
      "\r\nMatchup_Color=" + std::string(1000, 'F') + "\r\nChatLines=-7\r\nGameOwned=\x81\xff\x01 value\r\n"
      "[SYSTEM]\r\nResolution=4294967295\r\nWindowPosX=99999999999999\r\nWindowPosY=-\r\nSoundMode=garbage\r\n"
      "GameOwned2=" + std::string(10000, 'g') + "\r\n"
      "[OTHER]\rcr=only\r\nBinary=zz" + std::string(1, '\0') + "yy\r\n[LF]\nA=1\n";
  std::string cfg =
      "[m_portal]\r\nMatchup_LoginID=" + std::string(10000, 'L') + "\r\nMatchup_Password=\x81\r\n"
      "Matchup_Mode=garbage\r\nSpectator_Mode=99999999999\r\nMatchup_Rate=" + kanji + "\r\nOwnKey=keep\r\n"
      "[Recent Connection]\r\nAddr01=h\r\n[User-defined name color]\r\nColor01=" + std::string(10000, '9') + "\r\n";
  PutIniBytes(ini);
  PutCfgBytes(cfg);
  IniSnapshot iniBefore = Snapshot(IniFile().c_str()), cfgBefore = Snapshot(CfgFile().c_str());
  CHECK(iniBefore.count("OTHER") == 1 && iniBefore.count("LF") == 1 && SnapValue(cfgBefore, "m_portal", "OwnKey") == "keep");
  OkOnEveryPage();
  IniSnapshot iniAfter = Snapshot(IniFile().c_str()), cfgAfter = Snapshot(CfgFile().c_str());
  CHECK(SameExcept(iniBefore, iniAfter, SharedPageKeysOfTheIni()));
  CHECK(SameExcept(cfgBefore, cfgAfter,
                   Keys("m_portal", {"Matchup_LoginID", "Matchup_Password", "Matchup_Mode", "Matchup_Rule",
                                     "Spectator_Mode", "Spectator_Rule", "Matchup_Rate", "Matchup_Ping",
                                     "Spectator_Rate_Min", "Spectator_Rate_Max"})));

  CheckReadableByTheGame(iniAfter, SharedPageKeysOfTheIni());
  CHECK_TEXT(SnapValue(iniAfter, "NETWORK", "ShortCutMessage_F01"), Repeat("漢", 127));
  CHECK_TEXT(SnapValue(iniAfter, "NETWORK", "ShortCutMessage_F02"), "ab");
  CHECK_TEXT(SnapValue(iniAfter, "NETWORK", "ChatLines"), "4");
  CHECK_TEXT(SnapValue(cfgAfter, "m_portal", "Matchup_LoginID"), std::string(255, 'L'));
  // A lone lead byte reads as a whole character on this platform; it is written back as read.
  CHECK_TEXT(SnapValue(cfgAfter, "m_portal", "Matchup_Password"), SnapValue(cfgBefore, "m_portal", "Matchup_Password"));
  CHECK_TEXT(SnapValue(cfgAfter, "m_portal", "Matchup_Rate"), Repeat("漢", 127));
  CHECK_TEXT(SnapValue(cfgAfter, "m_portal", "Matchup_Mode"), "0");
  CHECK_TEXT(SnapValue(cfgAfter, "m_portal", "Spectator_Mode"), "-1");
}

// ---- typed text ------------------------------------------------------------------

// Text with line breaks pasted from elsewhere: a single-line field keeps the
// first line only, so no break (and no injected key) reaches a file.
static const char kPasted[] = "pasted\r\nPLAYER1 DEVICE=1\r\n[PERIPHERAL]\r\nInjected=1";

static bool HasLineBreak(const std::string& s) { return s.find_first_of("\r\n") != std::string::npos; }

static void PastedLineBreaksNeverReachAFile() {
  PutGameIni(nullptr);
  PutConfigFile(nullptr);
  if (!PutClipboardText(kPasted)) {
    printf("  (no clipboard: paste not tried)\n");
    return;
  }
  BOOL r = RunSheet(nullptr, PAGE_ONLINE, {
      Check([](HWND sheet) {
        HWND online = PageWindow(sheet, PAGE_ONLINE);
        PasteInto(GetDlgItem(online, IDC_ONL_LOGINID));
        PasteInto(GetDlgItem(online, IDC_ONL_RATE));
        CHECK(!HasLineBreak(ItemText(online, IDC_ONL_LOGINID)));
      }),
      SelectPage(PAGE_QUICKMSG),
      Check([](HWND sheet) { PasteInto(GetDlgItem(PageWindow(sheet, PAGE_QUICKMSG), IDC_QMSG_F1)); }),
      PressOk(),
  });
  CHECK_EQ(r, TRUE);
  IniSnapshot ini = Snapshot(IniFile().c_str()), cfg = Snapshot(CfgFile().c_str());
  std::string login = SnapValue(cfg, "m_portal", "Matchup_LoginID");
  CHECK_TEXT(login, "pasted");
  CHECK(!HasLineBreak(SnapValue(ini, "NETWORK", "ShortCutMessage_F01")));
  CHECK(ini.count("PERIPHERAL") == 0);  // the Controls page was never shown: nothing of it written
  CHECK_TEXT(SnapValue(cfg, "m_portal", "PLAYER1 DEVICE"), "(none)");
  CHECK_TEXT(SnapValue(ini, "NETWORK", "PLAYER1 DEVICE"), "(none)");
  CHECK(WholeFile(IniFile()).find("Injected") == std::string::npos);
  CHECK(WholeFile(CfgFile()).find("Injected") == std::string::npos);

  // The connect dialog's field, then the recent list.
  PutClipboardText("host1\r\nAddr02=evil");
  HWND owner = MakeOwner();
  INT_PTR result = RunConnectDialog(owner, [](HWND dlg) {
    HWND combo = GetDlgItem(dlg, IDC_CONNECT_ADDRESS);
    HWND edit = GetWindow(combo, GW_CHILD);
    PasteInto(edit != nullptr ? edit : combo);
    SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), (LPARAM)GetDlgItem(dlg, IDOK));
  });
  DestroyWindow(owner);
  CHECK_EQ(result, 1);
  CHECK(!HasLineBreak(g_connectAddress));
  CHECK_STR(RecentValue(1), "host1");
  CHECK_STR(RecentValue(2), "(none)");
}

// ---- registry values and starts ------------------------------------------------------

struct RegistryValue {
  const char* what;
  DWORD type;
  std::string data;
};

static void FolderValuesOfAnyTypeAndLength() {
  DWORD number = 12345;
  std::string longPath = "C:\\" + std::string(250, 'x');
  const RegistryValue values[] = {
      {"binary, 300 bytes", REG_BINARY, std::string(300, 'C')},
      {"binary, 260 bytes, no terminator", REG_BINARY, std::string(260, 'C')},
      {"binary, 259 bytes, no terminator", REG_BINARY, std::string(259, 'C')},
      {"text, 300 bytes", REG_SZ, std::string(299, 'C') + std::string(1, '\0')},
      {"a number", REG_DWORD, std::string((const char*)&number, sizeof number)},
      {"empty text", REG_SZ, std::string(1, '\0')},
      {"no data at all", REG_SZ, ""},
      {"a broken double-byte pair", REG_BINARY, "C:\\\xff\x81"},
      {"a folder too long for a program path", REG_SZ, longPath + std::string(1, '\0')},
  };
  g_messageHook = RecordMessage;
  for (const RegistryValue& v : values) {
    SetRegBytes(kKey, "Install", v.type, v.data.data(), (DWORD)v.data.size());
    SetRegBytes(kLegacyKey, "Install Path", v.type, v.data.data(), (DWORD)v.data.size());
    ResetFolderCache();
    CHECK(strlen(GetInstallDir()) < MAX_PATH);
    CHECK(strlen(GetLegacyInstallDir()) < MAX_PATH);
    CHECK(GetSettingsDir()[0] != '\0');  // the per-user folder does not depend on them
    g_messageCount = 0;
    StartGame("SINGLE");
    StartGame("S_MULTI1");
    StartDirectGame("D_HOST");
    StartLobby();
    StartUpdater();
    bool each = g_messageCount == 5;
    CHECK(each);  // one failure message per start, none more
    if (!each) printf("  %s: %d messages\n", v.what, g_messageCount);
    for (int i = 0; i < g_messageCount && i < 16; ++i) CHECK_STR(g_messages[i].text, kStartFailure);
  }
  g_messageHook = nullptr;
  DeleteRegValue(kKey, "Install");
  DeleteRegValue(kLegacyKey, "Install Path");
  ResetFolderCache();
}

// ---- the game's Launcher.ini ----------------------------------------------------------

// The About page over a window title of any length or content: the version
// shown is a piece of what a read gives (at most 307 bytes) or the failure text.
static void AboutPageOverHostileLauncherIni() {
  const char* game = "C:\\itest\\hostile game";
  CreateDirectoryA(game, nullptr);
  SetRegString(kKey, "Install", game);
  ResetFolderCache();
  std::string ini = std::string(game) + "\\Launcher.ini";
  const std::string titles[] = {
      std::string(10000, 'x') + " Ver1.05",          // the mark beyond what a read gives
      "ZantoWin Ver" + Repeat("漢", 5000),            // a version far longer than the field
      "ZantoWin Ver" + std::string("1\0.05", 5),     // a NUL inside
      "\x81\xff\x01Ver\x81",                          // broken double-byte bytes
  };
  for (const std::string& t : titles) {
    PutBytes(ini.c_str(), "[LauncherDlg]\r\nWINDOWTITLE=" + t + "\r\n");
    std::string shown;
    RunSheet(nullptr, PAGE_ABOUT, {
        Check([&shown](HWND sheet) { shown = ItemText(PageWindow(sheet, PAGE_ABOUT), IDC_ABOUT_VERSION); }),
        PressCancel(),
    });
    CHECK(shown.size() < 308);
    CHECK(shown == "取得に失敗しました" || shown.compare(0, 3, "Ver") == 0);
  }
  PutBytes(ini.c_str(), nullptr, 0);
  CreateDirectoryA(ini.c_str(), nullptr);  // a folder in its place
  std::string shown;
  RunSheet(nullptr, PAGE_ABOUT, {
      Check([&shown](HWND sheet) { shown = ItemText(PageWindow(sheet, PAGE_ABOUT), IDC_ABOUT_VERSION); }),
      PressCancel(),
  });
  CHECK_TEXT(shown, "取得に失敗しました");
  RemoveDirectoryA(ini.c_str());
  RemoveDirectoryA(game);
  DeleteRegValue(kKey, "Install");
  ResetFolderCache();
}

// ---- failures ------------------------------------------------------------------------

static BOOL WINAPI ChooserThatFails(LPCHOOSECOLORW cc) {
  cc->lpCustColors[0] = 0x00010203;  // changed, then the chooser gives up
  return FALSE;
}
static DWORD WINAPI InitialisationError() { return CDERR_INITIALIZATION; }
static COLORREF g_customSeen[16];
static BOOL WINAPI ChooserThatConfirms(LPCHOOSECOLORW cc) {
  memcpy(g_customSeen, cc->lpCustColors, sizeof g_customSeen);
  cc->rgbResult = 0x00102030;
  return TRUE;
}

static void FailingChooserOverHostileCustomColours() {
  std::string cfg = "[User-defined name color]\r\nColor01=" + std::string(10000, '9') +
                    "\r\nColor02=garbage\r\nColor03=0x123456789\r\nColor04=-1\r\nColor05=\x81\r\n"
                    "[m_portal]\r\nMatchup_LoginID=keep\r\n";
  PutCfgBytes(cfg);
  PutGameIni("[NETWORK]\r\nMatchup_Color=0x00302010\r\n");
  g_chooseColor = ChooserThatFails;
  g_commDlgExtendedError = InitialisationError;
  g_messageHook = RecordMessage;
  g_messageCount = 0;
  RunSheet(nullptr, PAGE_ONLINE, {
      Check([](HWND sheet) {
        HWND page = PageWindow(sheet, PAGE_ONLINE);
        SendCommand(page, IDC_ONL_COLOR, BN_CLICKED);
        CHECK_EQ(g_messageCount, 1);
        CHECK_STR(g_messages[0].text, "色選択ダイアログボックスの作成にエラーが発生しました。");
        CHECK_EQ(g_messages[0].flags & MB_ICONMASK, MB_ICONERROR);
        CHECK(g_messages[0].owner == page);
        CHECK_EQ(NameColor(), 0x00302010);
      }),
      PressCancel(),
  });
  CHECK_EQ(g_messageCount, 1);
  CHECK(WholeFile(CfgFile()) == cfg);  // no custom colour written

  // Confirmed: the sixteen colours come back in a form that reads as the same numbers.
  g_chooseColor = ChooserThatConfirms;
  RunSheet(nullptr, PAGE_ONLINE, {
      Check([](HWND sheet) { SendCommand(PageWindow(sheet, PAGE_ONLINE), IDC_ONL_COLOR, BN_CLICKED); }),
      PressCancel(),
  });
  for (int i = 1; i <= 16; ++i) {
    char key[16];
    wsprintfA(key, "Color%02d", i);
    CHECK_EQ(GetConfigInt("User-defined name color", key, 0), g_customSeen[i - 1]);
  }
  CHECK_STR(GetConfigString("m_portal", "Matchup_LoginID", ""), "keep");
  CHECK_EQ(g_messageCount, 1);
  g_messageHook = nullptr;
  g_chooseColor = nullptr;
  g_commDlgExtendedError = nullptr;
}

// A file where the settings folder's parent should be: writes report failure,
// reads give the defaults, and the sheet's OK cannot save: one message, and
// the sheet stays open.
static void SettingsFolderThatCannotBeMade() {
  PutGameIni(nullptr);
  std::string folder = GetSettingsDir();             // ...\Korvel\Zanto\ .
  std::string zanto = folder.substr(0, folder.size() - 1);
  std::string korvel = zanto.substr(0, zanto.rfind('\\'));
  RemoveDirectoryA(zanto.c_str());
  RemoveDirectoryA(korvel.c_str());
  WriteWholeFile(korvel.c_str(), "in the way");
  CHECK_EQ(WriteGameIniString("NETWORK", "Log", "1"), FALSE);
  CHECK_EQ(WriteGameIniInt("NETWORK", "Log", 1), FALSE);
  CHECK_STR(GetGameIniString("NETWORK", "Log", "def"), "def");
  g_messageHook = RecordMessage;
  g_messageCount = 0;
  BOOL r = RunSheet(nullptr, PAGE_CONTROLS, {
      SelectPage(1),
      SelectPage(2),
      PressOk(),
      Check([](HWND sheet) { CHECK(IsWindowVisible(sheet)); }),
      PressCancel(),
  });
  g_messageHook = nullptr;
  CHECK_EQ(r, TRUE);
  CHECK_EQ(g_messageCount, 1);
  char buf[64];
  CHECK_EQ(ReadWholeFile(korvel.c_str(), buf, sizeof buf), 10);
  DeleteFileA(korvel.c_str());
}

void RunTests() {
  ValuesReadWithinTheirBuffers();
  AllPagesOkWritesOnlyTheirOwnKeys();
  PastedLineBreaksNeverReachAFile();
  FolderValuesOfAnyTypeAndLength();
  AboutPageOverHostileLauncherIni();
  FailingChooserOverHostileCustomColours();
  SettingsFolderThatCannotBeMade();
  PutGameIni(nullptr);
  PutConfigFile(nullptr);
}
