// launcher's Online page: everything in [NETWORK] of Zanto.ini, nothing of it
// in the configuration file; its own check boxes and default button.
#include "sheet_fixture.h"

#include "core/ui.h"
#include "options/name_color.h"
#include "res/ids_online.h"

static HWND Online(HWND sheet) { return PageWindow(sheet, PAGE_ONLINE); }

static void Fresh(const char* ini, const char* cfg) {
  PutGameIni(ini);
  PutConfigFile(cfg);
  g_messageCount = 0;
  SetNameColor(0x00123123);
}

static void TheEnglishForm() {
  Fresh(nullptr, nullptr);
  BOOL r = RunSheet(nullptr, PAGE_ONLINE, {
      Check([](HWND sheet) {
        HWND page = Online(sheet);
        CHECK(page != nullptr);
        CHECK_TEXT(ItemText(page, IDC_ONL_LOGINID), "");
        for (int id : {IDC_ONL_HANDLESAVE, IDC_ONL_REPLAYSAVE, IDC_ONL_LOG, IDC_ONL_NETERRORDISP, IDC_ONL_SPECTATOR})
          CHECK(!Checked(page, id));
        CHECK_TEXT(ItemText(page, IDC_ONL_CHATLINES), "4");
        CHECK_EQ(NameColor(), 0x00404040);
        CHECK_TEXT(ItemText(page, IDC_ONL_HANDLESAVE), "Remember ID(&D)");
        CHECK_TEXT(ItemText(page, IDC_ONL_SPECTATOR), "Spectator mode(&P)");
        CHECK_TEXT(ItemText(page, IDC_ONL_COLOR), "Choose");
        CHECK_TEXT(ItemText(page, IDC_ONL_DEFAULT), "Default");
        // No password, lists or value edits in this form.
        for (int id : {IDC_ONL_PASSWORD, IDC_ONL_MATCHUPMODE, IDC_ONL_MATCHUPRULE, IDC_ONL_SPECMODE,
                       IDC_ONL_SPECRULE, IDC_ONL_RATE, IDC_ONL_PING, IDC_ONL_RATEMIN, IDC_ONL_RATEMAX})
          CHECK(GetDlgItem(page, id) == nullptr);
        // Its edits are sunken rather than bordered.
        HWND edit = GetDlgItem(page, IDC_ONL_LOGINID);
        CHECK((GetWindowLongPtrA(edit, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) != 0);
      }),
      PressCancel(),
  });
  CHECK_EQ(r, TRUE);
  CHECK_TEXT(GameIniText(), "(missing)");
}

static void SavesItsNetworkKeysInOrder() {
  Fresh(nullptr, nullptr);
  RunSheet(nullptr, PAGE_ONLINE, {
      Check([](HWND sheet) {
        HWND page = Online(sheet);
        SetDlgItemTextA(page, IDC_ONL_LOGINID, "ハンドル");
        SendDlgItemMessageA(page, IDC_ONL_HANDLESAVE, BM_CLICK, 0, 0);
        SendDlgItemMessageA(page, IDC_ONL_SPECTATOR, BM_CLICK, 0, 0);
        SetDlgItemTextA(page, IDC_ONL_CHATLINES, "30");
      }),
      PressOk(),
  });
  CHECK_TEXT(GameIniText(),
             "[NETWORK]\r\nMatchup_HandleName=ハンドル\r\nMatchup_Color=0x00404040\r\nReplayAutoSave=0\r\nLog=0\r\n"
             "Spectator=1\r\nHandleSave=1\r\nNetErrorDisp=0\r\nChatLines=30\r\n");
  CHECK_TEXT(ConfigText(), "(missing)");  // nothing of the page goes there
}

static void LoadsAndTheDefaultButton() {
  const char* ini =
      "[NETWORK]\r\nMatchup_HandleName=name\r\nHandleSave=1\r\nSpectator=5\r\nNetErrorDisp=1\r\nReplayAutoSave=1\r\n"
      "Log=1\r\nChatLines=1\r\nMatchup_Color=0x00FF0000\r\n";
  Fresh(ini, nullptr);
  RunSheet(nullptr, PAGE_ONLINE, {
      Check([ini](HWND sheet) {
        HWND page = Online(sheet);
        CHECK_TEXT(ItemText(page, IDC_ONL_LOGINID), "name");
        for (int id : {IDC_ONL_HANDLESAVE, IDC_ONL_REPLAYSAVE, IDC_ONL_LOG, IDC_ONL_NETERRORDISP, IDC_ONL_SPECTATOR})
          CHECK(Checked(page, id));
        CHECK_TEXT(ItemText(page, IDC_ONL_CHATLINES), "1");
        CHECK_EQ(NameColor(), 0x00FF0000);
        SendCommand(page, IDC_ONL_DEFAULT, BN_CLICKED);
        // Every check box is cleared, "Remember ID" and "Spectator mode" too; the name stays.
        for (int id : {IDC_ONL_HANDLESAVE, IDC_ONL_REPLAYSAVE, IDC_ONL_LOG, IDC_ONL_NETERRORDISP, IDC_ONL_SPECTATOR})
          CHECK(!Checked(page, id));
        CHECK_TEXT(ItemText(page, IDC_ONL_CHATLINES), "3");
        CHECK_TEXT(ItemText(page, IDC_ONL_LOGINID), "name");
        CHECK_EQ(NameColor(), 0x00404040);
        CHECK_TEXT(GameIniText(), ini);
      }),
      PressOk(),
  });
  CHECK_TEXT(GameIniText(),
             "[NETWORK]\r\nMatchup_HandleName=name\r\nHandleSave=0\r\nSpectator=0\r\nNetErrorDisp=0\r\nReplayAutoSave=0\r\n"
             "Log=0\r\nChatLines=3\r\nMatchup_Color=0x00404040\r\n");
}

static BOOL WINAPI FakeChooseFails(LPCHOOSECOLORW) { return FALSE; }
static DWORD WINAPI FakeErrorCode() { return CDERR_INITIALIZATION; }
static BOOL WINAPI FakeChooseBlue(LPCHOOSECOLORW cc) {
  cc->rgbResult = 0x00FF0000;
  return TRUE;
}
static DWORD WINAPI FakeNoError() { return 0; }

static void ColourChooser() {
  Fresh(nullptr, nullptr);
  g_messageHook = RecordMessage;
  g_chooseColor = FakeChooseFails;
  g_commDlgExtendedError = FakeErrorCode;
  RunSheet(nullptr, PAGE_ONLINE, {
      Check([](HWND sheet) {
        HWND page = Online(sheet);
        SendCommand(page, IDC_ONL_COLOR, BN_CLICKED);
        CHECK_EQ(g_messageCount, 1);
        CHECK_STR(g_messages[0].text, "色選択ダイアログボックスの作成にエラーが発生しました。");
        CHECK_STR(g_messages[0].caption, kTitle);
        CHECK_EQ(g_messages[0].flags, MB_ICONERROR);
        g_chooseColor = FakeChooseBlue;
        g_commDlgExtendedError = FakeNoError;
        SendCommand(page, IDC_ONL_COLOR, BN_CLICKED);
        CHECK_EQ(g_messageCount, 1);
        CHECK_EQ(NameColor(), 0x00FF0000);
      }),
      PressOk(),
  });
  g_messageHook = nullptr;
  CHECK_TEXT(GetGameIniString("NETWORK", "Matchup_Color", "?"), "0x00FF0000");
  // The custom colours are the one thing in the configuration file.
  CHECK_TEXT(GetConfigString("User-defined name color", "Color01", "?"), "0xFFFFFF");
  CHECK_TEXT(GetConfigString("User-defined name color", "Color16", "?"), "0xFFFFFF");
  CHECK(ConfigText().find("[m_portal]") == std::string::npos);
}

void RunTests() {
  CHECK(g_pageHandlers == kPageHandlers);
  TheEnglishForm();
  SavesItsNetworkKeysInOrder();
  LoadsAndTheDefaultButton();
  ColourChooser();
}
