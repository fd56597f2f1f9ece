// m_portal's Online page in its sheet: what it shows from the two files, the
// value fields after each list choice, the default button, what it saves (keys,
// values and order in both files) and the name colour chooser.
#include "sheet_fixture.h"

#include "core/ui.h"
#include "options/name_color.h"
#include "res/ids_online.h"

// ---- colour chooser stand-ins -------------------------------------------------

static CHOOSECOLORW g_ccSeen;
static COLORREF g_customSeen[16];
static int g_ccCalls;
static COLORREF g_ccPick;
static DWORD g_ccError;

static BOOL WINAPI FakeChooseOk(LPCHOOSECOLORW cc) {
  ++g_ccCalls;
  g_ccSeen = *cc;
  memcpy(g_customSeen, cc->lpCustColors, sizeof g_customSeen);
  cc->lpCustColors[2] = 0x00ABCDEF;  // the player adds a custom colour
  cc->rgbResult = g_ccPick;
  return TRUE;
}
static BOOL WINAPI FakeChooseNone(LPCHOOSECOLORW cc) {
  ++g_ccCalls;
  g_ccSeen = *cc;
  cc->lpCustColors[0] = 0x00010203;  // changed in the chooser, then abandoned
  return FALSE;
}
static DWORD WINAPI FakeError() { return g_ccError; }

static void UseFakeChooser(ChooseColorFn fn, DWORD error) {
  g_chooseColor = fn;
  g_commDlgExtendedError = FakeError;
  g_ccError = error;
  g_ccCalls = 0;
  memset(&g_ccSeen, 0, sizeof g_ccSeen);
}

// ---- helpers -------------------------------------------------------------------

static HWND Online(HWND sheet) { return PageWindow(sheet, PAGE_ONLINE); }

static void Fresh(const char* ini, const char* cfg) {
  PutGameIni(ini);
  PutConfigFile(cfg);
  g_messageCount = 0;
  SetNameColor(0x00123123);  // anything but what a load gives
}

static void CheckValueFields(HWND page, bool rate, bool ping, bool range) {
  CHECK_EQ(Visible(page, IDC_ONL_RATE), rate);
  CHECK_EQ(Visible(page, IDC_ONL_RATELABEL), rate);
  CHECK_EQ(Visible(page, IDC_ONL_PING), ping);
  CHECK_EQ(Visible(page, IDC_ONL_PINGLABEL), ping);
  CHECK_EQ(Visible(page, IDC_ONL_RATEMIN), range);
  CHECK_EQ(Visible(page, IDC_ONL_RANGELABEL), range);
  CHECK_EQ(Visible(page, IDC_ONL_RATEMAX), range);
}

// ---- tests ---------------------------------------------------------------------

static void DefaultsWithoutFiles() {
  Fresh(nullptr, nullptr);
  BOOL r = RunSheet(nullptr, PAGE_ONLINE, {
      Check([](HWND sheet) {
        HWND page = Online(sheet);
        CHECK(page != nullptr);
        CHECK_TEXT(ItemText(page, IDC_ONL_LOGINID), "");
        CHECK_TEXT(ItemText(page, IDC_ONL_PASSWORD), "");
        CHECK(!Checked(page, IDC_ONL_REPLAYSAVE));
        CHECK(!Checked(page, IDC_ONL_LOG));
        CHECK(!Checked(page, IDC_ONL_NETERRORDISP));
        CHECK_TEXT(ItemText(page, IDC_ONL_CHATLINES), "4");
        CHECK_EQ(ListSel(page, IDC_ONL_MATCHUPMODE), 1);
        CHECK_EQ(ListSel(page, IDC_ONL_MATCHUPRULE), 0);
        CHECK_EQ(ListSel(page, IDC_ONL_SPECMODE), 0);
        CHECK_EQ(ListSel(page, IDC_ONL_SPECRULE), 0);
        CheckValueFields(page, true, false, false);
        CHECK_TEXT(ItemText(page, IDC_ONL_RATE), "3000");
        CHECK_TEXT(ItemText(page, IDC_ONL_PING), "5000");
        CHECK_TEXT(ItemText(page, IDC_ONL_RATEMIN), "2000");
        CHECK_TEXT(ItemText(page, IDC_ONL_RATEMAX), "4000");
        CHECK_EQ(NameColor(), 0x00404040);
        // The lists, in table order, unsorted, as drop-down lists.
        CHECK_EQ(ListCount(page, IDC_ONL_MATCHUPMODE), 3);
        CHECK_TEXT(ListItem(page, IDC_ONL_MATCHUPMODE, 0), "ランダム接続");
        CHECK_TEXT(ListItem(page, IDC_ONL_MATCHUPMODE, 1), "Rate 優先");
        CHECK_TEXT(ListItem(page, IDC_ONL_MATCHUPMODE, 2), "接続速度 優先");
        CHECK_EQ(ListCount(page, IDC_ONL_SPECMODE), 4);
        CHECK_TEXT(ListItem(page, IDC_ONL_SPECMODE, 0), "初級");
        CHECK_TEXT(ListItem(page, IDC_ONL_SPECMODE, 1), "中級");
        CHECK_TEXT(ListItem(page, IDC_ONL_SPECMODE, 2), "上級");
        CHECK_TEXT(ListItem(page, IDC_ONL_SPECMODE, 3), "Rate範囲");
        for (int id : {IDC_ONL_MATCHUPRULE, IDC_ONL_SPECRULE}) {
          CHECK_EQ(ListCount(page, id), 2);
          CHECK_TEXT(ListItem(page, id, 0), "(B)lazeルール");
          CHECK_TEXT(ListItem(page, id, 1), "(C)lassicルール");
        }
        for (int id : {IDC_ONL_MATCHUPMODE, IDC_ONL_MATCHUPRULE, IDC_ONL_SPECMODE, IDC_ONL_SPECRULE}) {
          LONG_PTR style = GetWindowLongPtrA(GetDlgItem(page, id), GWL_STYLE);
          CHECK_EQ(style & 3, CBS_DROPDOWNLIST);
          CHECK((style & CBS_SORT) == 0);
        }
        // The password is shown as typed.
        CHECK_EQ(SendDlgItemMessageA(page, IDC_ONL_PASSWORD, EM_GETPASSWORDCHAR, 0, 0), 0);
      }),
      PressCancel(),
  });
  CHECK_EQ(r, TRUE);
  CHECK_TEXT(GameIniText(), "(missing)");
  CHECK_TEXT(ConfigText(), "(missing)");
  CHECK_EQ(g_messageCount, 0);
}

static void LoadFromFilesAndSaveBack() {
  Fresh("[NETWORK]\r\nNetErrorDisp=1\r\nReplayAutoSave=2\r\nLog=0\r\nChatLines=31\r\n"
        "Matchup_Color=0x000000FF\r\n",
        "[m_portal]\r\nMatchup_LoginID=ログイン名\r\nMatchup_Password=pass word\r\nMatchup_Mode=2\r\n"
        "Matchup_Rule=1\r\nSpectator_Mode=3\r\nSpectator_Rule=1\r\nMatchup_Rate=3300\r\nMatchup_Ping=120\r\n"
        "Spectator_Rate_Min=1500\r\nSpectator_Rate_Max=4500\r\n");
  BOOL r = RunSheet(nullptr, PAGE_ONLINE, {
      Check([](HWND sheet) {
        HWND page = Online(sheet);
        CHECK_TEXT(ItemText(page, IDC_ONL_LOGINID), "ログイン名");
        CHECK_TEXT(ItemText(page, IDC_ONL_PASSWORD), "pass word");
        CHECK(Checked(page, IDC_ONL_NETERRORDISP));
        CHECK(Checked(page, IDC_ONL_REPLAYSAVE));  // any non-zero number is yes
        CHECK(!Checked(page, IDC_ONL_LOG));
        CHECK_TEXT(ItemText(page, IDC_ONL_CHATLINES), "31");  // the range applies on saving only
        CHECK_EQ(ListSel(page, IDC_ONL_MATCHUPMODE), 2);
        CHECK_EQ(ListSel(page, IDC_ONL_MATCHUPRULE), 1);
        CHECK_EQ(ListSel(page, IDC_ONL_SPECMODE), 3);
        CHECK_EQ(ListSel(page, IDC_ONL_SPECRULE), 1);
        CheckValueFields(page, false, true, true);
        CHECK_TEXT(ItemText(page, IDC_ONL_RATE), "3300");
        CHECK_TEXT(ItemText(page, IDC_ONL_PING), "120");
        CHECK_TEXT(ItemText(page, IDC_ONL_RATEMIN), "1500");
        CHECK_TEXT(ItemText(page, IDC_ONL_RATEMAX), "4500");
        CHECK_EQ(NameColor(), 0x000000FF);
      }),
      PressOk(),
  });
  CHECK_EQ(r, TRUE);
  // Every value is written back; a check box stored as 2 becomes 1, 31 lines become 4.
  CHECK_TEXT(GameIniText(),
             "[NETWORK]\r\nNetErrorDisp=1\r\nReplayAutoSave=1\r\nLog=0\r\nChatLines=4\r\n"
             "Matchup_Color=0x000000FF\r\n");
  CHECK_TEXT(ConfigText(),
             "[m_portal]\r\nMatchup_LoginID=ログイン名\r\nMatchup_Password=pass word\r\nMatchup_Mode=2\r\n"
             "Matchup_Rule=1\r\nSpectator_Mode=3\r\nSpectator_Rule=1\r\nMatchup_Rate=3300\r\nMatchup_Ping=120\r\n"
             "Spectator_Rate_Min=1500\r\nSpectator_Rate_Max=4500\r\n");
}

static void SaveKeysInOrderFromNothing() {
  Fresh(nullptr, nullptr);
  BOOL r = RunSheet(nullptr, PAGE_ONLINE, {
      Check([](HWND sheet) {
        HWND page = Online(sheet);
        SetDlgItemTextA(page, IDC_ONL_LOGINID, "player");
        SetDlgItemTextA(page, IDC_ONL_PASSWORD, "pw");
        SendDlgItemMessageA(page, IDC_ONL_LOG, BM_CLICK, 0, 0);
        SetDlgItemTextA(page, IDC_ONL_CHATLINES, "2");
        ChooseListItem(page, IDC_ONL_MATCHUPMODE, 0);
        ChooseListItem(page, IDC_ONL_MATCHUPRULE, 1);
        ChooseListItem(page, IDC_ONL_SPECRULE, 1);
      }),
      PressOk(),
  });
  CHECK_EQ(r, TRUE);
  CHECK_TEXT(GameIniText(),
             "[NETWORK]\r\nMatchup_Color=0x00404040\r\nReplayAutoSave=0\r\nLog=1\r\nNetErrorDisp=0\r\n"
             "ChatLines=2\r\n");
  CHECK_TEXT(ConfigText(),
             "[m_portal]\r\nMatchup_LoginID=player\r\nMatchup_Password=pw\r\nMatchup_Mode=0\r\nMatchup_Rule=1\r\n"
             "Spectator_Mode=0\r\nSpectator_Rule=1\r\nMatchup_Rate=3000\r\nMatchup_Ping=5000\r\n"
             "Spectator_Rate_Min=2000\r\nSpectator_Rate_Max=4000\r\n");
}

static void ValueFieldsFollowTheLists() {
  Fresh(nullptr, nullptr);
  BOOL r = RunSheet(nullptr, PAGE_ONLINE, {
      Check([](HWND sheet) {
        HWND page = Online(sheet);
        ChooseListItem(page, IDC_ONL_MATCHUPMODE, 2);  // connection speed first
        CheckValueFields(page, false, true, false);
        CHECK_TEXT(ItemText(page, IDC_ONL_PING), "5000");
        // Both edits share one place: the ping edit is the one seen there.
        RECT a, b;
        GetWindowRect(GetDlgItem(page, IDC_ONL_PING), &a);
        GetWindowRect(GetDlgItem(page, IDC_ONL_RATE), &b);
        CHECK(EqualRect(&a, &b));
        ChooseListItem(page, IDC_ONL_MATCHUPMODE, 0);  // random
        CheckValueFields(page, false, false, false);
        ChooseListItem(page, IDC_ONL_MATCHUPMODE, 1);  // rate first
        CheckValueFields(page, true, false, false);
        ChooseListItem(page, IDC_ONL_SPECMODE, 3);     // rate range
        CheckValueFields(page, true, false, true);
        CHECK_TEXT(ItemText(page, IDC_ONL_RATEMIN), "2000");
        CHECK_TEXT(ItemText(page, IDC_ONL_RATEMAX), "4000");
        ChooseListItem(page, IDC_ONL_SPECMODE, 2);
        CheckValueFields(page, true, false, false);
        // Any notification of the list runs the rule, not only a selection change.
        SendDlgItemMessageA(page, IDC_ONL_SPECMODE, CB_SETCURSEL, 3, 0);
        SendCommand(page, IDC_ONL_SPECMODE, CBN_CLOSEUP);
        CheckValueFields(page, true, false, true);
        // The other lists do not touch the fields.
        ChooseListItem(page, IDC_ONL_MATCHUPRULE, 1);
        ChooseListItem(page, IDC_ONL_SPECRULE, 1);
        CheckValueFields(page, true, false, true);
        // Typed into fields that are hidden afterwards: still saved.
        SetDlgItemTextA(page, IDC_ONL_PING, "90");
        SetDlgItemTextA(page, IDC_ONL_RATEMIN, "1800");
        ChooseListItem(page, IDC_ONL_SPECMODE, 0);
        CheckValueFields(page, true, false, false);
      }),
      PressOk(),
  });
  CHECK_EQ(r, TRUE);
  CHECK_TEXT(GetConfigString("m_portal", "Matchup_Ping", "?"), "90");
  CHECK_TEXT(GetConfigString("m_portal", "Spectator_Rate_Min", "?"), "1800");
  CHECK_EQ((int)GetConfigInt("m_portal", "Matchup_Mode", 9), 1);
  CHECK_EQ((int)GetConfigInt("m_portal", "Spectator_Mode", 9), 0);
}

static void UnusualStoredValues() {
  // Matchup_Mode 7 and a saved -1: no selection, no value field, saved as -1.
  char longColor[64];
  wsprintfA(longColor, "%s", "                              0x000000000000FF00");
  char ini[256];
  wsprintfA(ini, "[NETWORK]\r\nMatchup_Color=%s\r\nChatLines=-1\r\nLog=-1\r\n", longColor);
  Fresh(ini, "[m_portal]\r\nMatchup_Mode=7\r\nSpectator_Mode=-1\r\nMatchup_Rule=2\r\n");
  BOOL r = RunSheet(nullptr, PAGE_ONLINE, {
      Check([](HWND sheet) {
        HWND page = Online(sheet);
        CHECK_EQ(ListSel(page, IDC_ONL_MATCHUPMODE), -1);
        CHECK_EQ(ListSel(page, IDC_ONL_SPECMODE), -1);
        CHECK_EQ(ListSel(page, IDC_ONL_MATCHUPRULE), -1);
        CHECK_EQ(ListSel(page, IDC_ONL_SPECRULE), 0);
        CheckValueFields(page, false, false, false);
        CHECK_EQ(NameColor(), 0x0000FF00);  // a long stored text still gives its colour
        CHECK_TEXT(ItemText(page, IDC_ONL_CHATLINES), "4294967295");
        CHECK(Checked(page, IDC_ONL_LOG));
        // A login longer than 255 bytes is cut before its last whole character.
        std::string login(254, 'a');
        login += "漢字";
        SetDlgItemTextA(page, IDC_ONL_LOGINID, login.c_str());
        std::string pw(300, 'p');
        SetDlgItemTextA(page, IDC_ONL_PASSWORD, pw.c_str());
      }),
      PressOk(),
  });
  CHECK_EQ(r, TRUE);
  CHECK_EQ((int)GetConfigInt("m_portal", "Matchup_Mode", 9), -1);
  CHECK_EQ((int)GetConfigInt("m_portal", "Matchup_Rule", 9), -1);
  CHECK_EQ((int)GetConfigInt("m_portal", "Spectator_Mode", 9), -1);
  CHECK_TEXT(GetGameIniString("NETWORK", "Matchup_Color", "?"), "0x0000FF00");
  CHECK_EQ((int)GetGameIniInt("NETWORK", "ChatLines", 9), 4);
  CHECK_EQ((int)GetGameIniInt("NETWORK", "Log", 9), 1);
  std::string cfg = ConfigText();
  CHECK(cfg.find("Matchup_LoginID=" + std::string(254, 'a') + "\r\n") != std::string::npos);
  CHECK(cfg.find("Matchup_Password=" + std::string(255, 'p') + "\r\n") != std::string::npos);

  // The top byte of a stored colour is dropped, all ones is the default, no digits is black.
  const char* stored[] = {"0xAB123456", "0xFFFFFFFF", "none", "-1"};
  const char* saved[] = {"0x00123456", "0x00404040", "0x00000000", "0x00404040"};
  for (int i = 0; i < 4; ++i) {
    wsprintfA(ini, "[NETWORK]\r\nMatchup_Color=%s\r\n", stored[i]);
    Fresh(ini, nullptr);
    RunSheet(nullptr, PAGE_ONLINE, {PressOk()});
    CHECK_TEXT(GetGameIniString("NETWORK", "Matchup_Color", "?"), saved[i]);
  }
}

static void DefaultButton() {
  const char* ini =
      "[NETWORK]\r\nReplayAutoSave=1\r\nLog=1\r\nNetErrorDisp=1\r\nChatLines=12\r\nMatchup_Color=0x000000FF\r\n";
  Fresh(ini, "[m_portal]\r\nMatchup_LoginID=keep\r\nMatchup_Password=me\r\nMatchup_Mode=2\r\n"
             "Spectator_Mode=3\r\nMatchup_Ping=77\r\n");
  BOOL r = RunSheet(nullptr, PAGE_ONLINE, {
      Check([ini](HWND sheet) {
        HWND page = Online(sheet);
        CHECK_EQ(NameColor(), 0x000000FF);
        SendCommand(page, IDC_ONL_DEFAULT, BN_CLICKED);
        CHECK_TEXT(ItemText(page, IDC_ONL_CHATLINES), "3");
        CHECK(!Checked(page, IDC_ONL_REPLAYSAVE));
        CHECK(!Checked(page, IDC_ONL_LOG));
        CHECK(!Checked(page, IDC_ONL_NETERRORDISP));
        CHECK_EQ(NameColor(), 0x00404040);
        // The login data, the lists and the value fields stay as they are.
        CHECK_TEXT(ItemText(page, IDC_ONL_LOGINID), "keep");
        CHECK_TEXT(ItemText(page, IDC_ONL_PASSWORD), "me");
        CHECK_EQ(ListSel(page, IDC_ONL_MATCHUPMODE), 2);
        CHECK_EQ(ListSel(page, IDC_ONL_SPECMODE), 3);
        CHECK_TEXT(ItemText(page, IDC_ONL_PING), "77");
        CheckValueFields(page, false, true, true);
        CHECK_TEXT(GameIniText(), ini);  // nothing written before OK
      }),
      PressOk(),
  });
  CHECK_EQ(r, TRUE);
  CHECK_TEXT(GameIniText(),
             "[NETWORK]\r\nReplayAutoSave=0\r\nLog=0\r\nNetErrorDisp=0\r\nChatLines=3\r\n"
             "Matchup_Color=0x00404040\r\n");
  CHECK_TEXT(GetConfigString("m_portal", "Matchup_LoginID", "?"), "keep");
  CHECK_TEXT(GetConfigString("m_portal", "Matchup_Password", "?"), "me");
}

static void ChooserPicksRed() {
  Fresh("[NETWORK]\r\nMatchup_Color=0x00302010\r\n",
        "[User-defined name color]\r\nColor05=0x123456\r\nColor16=0x000000\r\n");
  UseFakeChooser(FakeChooseOk, 0);
  g_ccPick = 0x000000FF;
  HWND pageSeen = nullptr;
  BOOL r = RunSheet(nullptr, PAGE_ONLINE, {
      Check([&pageSeen](HWND sheet) {
        pageSeen = Online(sheet);
        SendCommand(pageSeen, IDC_ONL_COLOR, BN_CLICKED);
        CHECK_EQ(g_ccCalls, 1);
        CHECK_EQ(NameColor(), 0x000000FF);
        CHECK_TEXT(GetGameIniString("NETWORK", "Matchup_Color", "?"), "0x00302010");  // not before OK
      }),
      PressOk(),
  });
  CHECK_EQ(r, TRUE);
  CHECK_EQ(g_ccSeen.lStructSize, sizeof(CHOOSECOLORW));
  CHECK(g_ccSeen.hwndOwner == pageSeen);
  CHECK_EQ(g_ccSeen.rgbResult, 0x00302010);  // starts from the loaded colour
  CHECK_EQ(g_ccSeen.Flags, 0x103);
  CHECK(g_ccSeen.lpfnHook == nullptr);
  CHECK(g_ccSeen.lpTemplateName == nullptr);
  CHECK(g_ccSeen.hInstance == nullptr);
  for (int i = 0; i < 16; ++i) {
    COLORREF expected = i == 4 ? 0x123456 : i == 15 ? 0 : 0xFFFFFF;
    CHECK_EQ(g_customSeen[i], expected);
  }
  CHECK_EQ(g_messageCount, 0);
  CHECK_TEXT(GetGameIniString("NETWORK", "Matchup_Color", "?"), "0x000000FF");
  // All sixteen custom colours are written back, as the chooser left them.
  CHECK_TEXT(ConfigText(),
             "[User-defined name color]\r\nColor05=0x123456\r\nColor16=0x000000\r\nColor01=0xFFFFFF\r\n"
             "Color02=0xFFFFFF\r\nColor03=0xABCDEF\r\nColor04=0xFFFFFF\r\nColor06=0xFFFFFF\r\n"
             "Color07=0xFFFFFF\r\nColor08=0xFFFFFF\r\nColor09=0xFFFFFF\r\nColor10=0xFFFFFF\r\n"
             "Color11=0xFFFFFF\r\nColor12=0xFFFFFF\r\nColor13=0xFFFFFF\r\nColor14=0xFFFFFF\r\n"
             "Color15=0xFFFFFF\r\n[m_portal]\r\nMatchup_LoginID=\r\nMatchup_Password=\r\nMatchup_Mode=1\r\n"
             "Matchup_Rule=0\r\nSpectator_Mode=0\r\nSpectator_Rule=0\r\nMatchup_Rate=3000\r\n"
             "Matchup_Ping=5000\r\nSpectator_Rate_Min=2000\r\nSpectator_Rate_Max=4000\r\n");

  // The next load gives red again.
  SetNameColor(0x00111111);
  RunSheet(nullptr, PAGE_ONLINE, {Check([](HWND) { CHECK_EQ(NameColor(), 0x000000FF); }), PressCancel()});
}

static void ChooserConfirmedThenSheetCancelled() {
  Fresh("[NETWORK]\r\nMatchup_Color=0x00302010\r\n", nullptr);
  UseFakeChooser(FakeChooseOk, 0);
  g_ccPick = 0x0000FF00;
  RunSheet(nullptr, PAGE_ONLINE, {
      Check([](HWND sheet) { SendCommand(Online(sheet), IDC_ONL_COLOR, BN_CLICKED); }),
      PressCancel(),
  });
  CHECK_TEXT(GameIniText(), "[NETWORK]\r\nMatchup_Color=0x00302010\r\n");
  CHECK_TEXT(GetConfigString("User-defined name color", "Color03", "?"), "0xABCDEF");  // stays written
  CHECK_EQ(NameColor(), 0x0000FF00);  // until the page is loaded again
}

static void ChooserCancelledOrFailing() {
  const char* cfg = "[User-defined name color]\r\nColor01=0x0000FF\r\n";
  Fresh("[NETWORK]\r\nMatchup_Color=0x00302010\r\n", cfg);
  UseFakeChooser(FakeChooseNone, 0);
  g_messageHook = RecordMessage;
  HWND pageSeen = nullptr;
  RunSheet(nullptr, PAGE_ONLINE, {
      Check([&pageSeen](HWND sheet) {
        pageSeen = Online(sheet);
        SendCommand(pageSeen, IDC_ONL_COLOR, BN_CLICKED);  // cancelled: nothing at all
        CHECK_EQ(g_ccCalls, 1);
        CHECK_EQ(g_messageCount, 0);
        CHECK_EQ(NameColor(), 0x00302010);
        g_ccError = CDERR_DIALOGFAILURE;  // the chooser cannot be made
        SendCommand(pageSeen, IDC_ONL_COLOR, BN_CLICKED);
        CHECK_EQ(g_ccCalls, 2);
        CHECK_EQ(g_messageCount, 1);
        CHECK_STR(g_messages[0].text, "色選択ダイアログボックスの作成にエラーが発生しました。");
        CHECK_STR(g_messages[0].caption, kTitle);
        CHECK_EQ(g_messages[0].flags, MB_ICONERROR);
        CHECK(g_messages[0].owner == pageSeen);
        CHECK_EQ(NameColor(), 0x00302010);
      }),
      PressCancel(),
  });
  g_messageHook = nullptr;
  CHECK_TEXT(ConfigText(), cfg);
}

// The real chooser from comdlg32, loaded on first use, cancelled by the player.
static HWND g_chooserSeen;
static BOOL CALLBACK FindChooser(HWND wnd, LPARAM sheet) {
  char cls[64];
  GetClassNameA(wnd, cls, sizeof cls);
  if (wnd != (HWND)sheet && IsWindowVisible(wnd) && strcmp(cls, "#32770") == 0) {
    g_chooserSeen = wnd;
    return FALSE;
  }
  return TRUE;
}

static void RealChooserLoadedOnFirstUse() {
  Fresh(nullptr, nullptr);
  g_chooseColor = nullptr;
  g_commDlgExtendedError = nullptr;
  g_chooserSeen = nullptr;
  g_messageHook = RecordMessage;
  RunSheet(nullptr, PAGE_ONLINE, {
      [](HWND sheet) {
        HWND page = Online(sheet);
        PostMessageA(page, WM_COMMAND, MAKEWPARAM(IDC_ONL_COLOR, BN_CLICKED), (LPARAM)GetDlgItem(page, IDC_ONL_COLOR));
      },
      [](HWND sheet) {
        EnumThreadWindows(GetCurrentThreadId(), FindChooser, (LPARAM)sheet);
        if (g_chooserSeen == nullptr) return RepeatStep();
        CHECK(!IsWindowEnabled(sheet));  // modal over the sheet
        if (g_chooserSeen != nullptr) PostMessageA(g_chooserSeen, WM_COMMAND, IDCANCEL, 0);
      },
      [](HWND sheet) {
        if (!IsWindowEnabled(sheet)) return RepeatStep();
        CHECK(g_chooseColor != nullptr);
        CHECK(g_commDlgExtendedError != nullptr);
        CHECK_EQ(g_messageCount, 0);  // a cancel is no failure
      },
      PressCancel(),
  });
  g_messageHook = nullptr;
  CHECK_EQ(NameColor(), 0x00404040);
  CHECK_TEXT(ConfigText(), "(missing)");  // no custom colour written
}

void RunTests() {
  CHECK(g_pageHandlers == kPageHandlers);
  DefaultsWithoutFiles();
  LoadFromFilesAndSaveBack();
  SaveKeysInOrderFromNothing();
  ValueFieldsFollowTheLists();
  UnusualStoredValues();
  DefaultButton();
  ChooserPicksRed();
  ChooserConfirmedThenSheetCancelled();
  ChooserCancelledOrFailing();
  RealChooserLoadedOnFirstUse();
}
