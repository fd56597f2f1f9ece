// m_portal's Controls page in process: the template, load with and without
// game controllers, the refresh after radios, the binding buttons opening the
// assignment dialog, Default, and the OK that writes or refuses.
#include "itest.h"
#include "dialog_template.h"
#include "controls_fixture.h"

#include <prsht.h>

#include "core/settings.h"
#include "core/ui.h"
#include "options/bindings.h"
#include "options/controller.h"
#include "options/pages.h"
#include "options/sheet.h"
#include "res/resource.h"

static const int kButtons[2][7] = {{1015, 1018, 1022, 1017, 1020, 1019, 1021},
                                   {1016, 1024, 1028, 1023, 1026, 1025, 1027}};
static const int kCaptions[2][7] = {{1052, 1053, 1054, 1055, 1058, 1056, 1057},
                                    {1059, 1065, 1064, 1063, 1060, 1062, 1061}};

// ---- stand-in controllers --------------------------------------------------------

static bool g_present[2];
static DWORD g_buttons[2];
static int g_badRequests;

static MMRESULT WINAPI StandInJoyGetPosEx(UINT id, LPJOYINFOEX info) {
  if (info->dwSize != 52 || info->dwFlags != JOY_RETURNBUTTONS) ++g_badRequests;
  if (id > 1 || !g_present[id]) return JOYERR_UNPLUGGED;
  info->dwButtons = g_buttons[id];
  return JOYERR_NOERROR;
}

// ---- the page and the settings file ------------------------------------------------

static HWND g_host;
static char g_ini[MAX_PATH];

static INT_PTR CALLBACK PageProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  return OptionsPageProc(w, m, wp, lp, PAGE_CONTROLS);
}

static HWND OpenPage(bool first, bool second) {
  g_present[0] = first;
  g_present[1] = second;
  g_buttons[0] = g_buttons[1] = 0;
  return CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_PAGE_CONTROLS), g_host, PageProc, 0);
}

// The settings file as the game left it (UTF-8 source lines, CRLF).
static void PutIni(const char* lines) {
  WriteGameIniInt("X", "Y", 0);  // makes the folder
  DeleteFileA(g_ini);
  if (lines != nullptr) WriteWholeFile(g_ini, lines);
}

static int Stored(const char* key) { return (int)GetGameIniInt("PERIPHERAL", key, -12345); }

// PSN_APPLY as the sheet sends it; true when the page accepted.
static bool Apply(HWND page) {
  NMHDR h;
  h.hwndFrom = g_host;
  h.idFrom = 0;
  h.code = PSN_APPLY;
  // A dialog answers WM_NOTIFY with its DWLP_MSGRESULT.
  LRESULT result = SendMessageA(page, WM_NOTIFY, 0, (LPARAM)&h);
  CHECK_EQ(result, GetWindowLongPtrA(page, DWLP_MSGRESULT));
  return result == PSNRET_NOERROR;
}

static const char* Text(HWND page, int id) {
  static char buf[64];
  GetDlgItemTextA(page, id, buf, sizeof buf);
  return buf;
}
static bool Enabled(HWND page, int id) { return IsWindowEnabled(GetDlgItem(page, id)) != 0; }
static bool Checked(HWND page, int id) { return IsDlgButtonChecked(page, id) == BST_CHECKED; }
static void Click(HWND page, int id) { SendDlgItemMessageA(page, id, BM_CLICK, 0, 0); }

static void CheckTexts(HWND page, int player, const char* const texts[7]) {
  for (int a = 0; a < 7; ++a) {
    CHECK_STR(Text(page, kButtons[player][a]), texts[a]);
  }
}

// Buttons and captions of a player: which ones can be used.
static void CheckEnabled(HWND page, int player, bool directions, bool actions) {
  for (int a = 0; a < 7; ++a) {
    bool expected = a < 4 ? directions : actions;
    CHECK_EQ(Enabled(page, kButtons[player][a]), expected);
    CHECK_EQ(Enabled(page, kCaptions[player][a]), expected);
  }
}

static const char* const kP1Missing[7] = {"Up", "Down", "Left", "Right", "Enter", "Z", "NUM *"};
static const char* const kP2Missing[7] = {"U", "J", "H", "K", "Space", "O", "P"};
static const char* const kPadDefaults[7] = {"***", "***", "***", "***", "KEY 8", "KEY 0", "KEY 1"};

// ---- template -----------------------------------------------------------------------

static void TemplateControlsAndLayout() {
  DialogTemplate t;
  const ControlText texts[] = {
      {1009, "キーボード"}, {1010, "ゲームコントローラ"}, {1011, "無効"}, {1012, "キーボード"},
      {1013, "ゲームコントローラ"}, {1014, "無効"}, {1052, "上"}, {1053, "下"}, {1054, "左"}, {1055, "右"},
      {1058, "ポーズ"}, {1056, "左回"}, {1057, "右回"}, {1059, "上"}, {1065, "下"}, {1064, "左"},
      {1063, "右"}, {1060, "ポーズ"}, {1062, "左回"}, {1061, "右回"}, {1029, "デフォルト"},
      {1015, "Def."}, {1020, "Enter"}, {1019, "Z"}, {1021, "X"}, {1026, "O"}, {1025, "Def."},
  };
  CheckControlsTemplate(&t, "キーアサイン", texts, sizeof texts / sizeof texts[0]);
  for (int id = 1009; id <= 1014; ++id) {
    const TemplateItem* r = FindTemplateItem(&t, id);
    CHECK(r != nullptr && (r->style & 0xF) == BS_RADIOBUTTON);
    CHECK(r != nullptr && ((r->style & WS_DISABLED) != 0) == (id == 1011));
  }
  // Two rows of three radios, each row level, above the captions and within
  // the page (the columns' order: BindingColumnsInPlayOrder); Default bottom
  // left, below both groups.
  for (int p = 0; p < 2; ++p) {
    const TemplateItem* r0 = FindTemplateItem(&t, p == 0 ? 1009 : 1012);
    for (int k = 1; k < 3; ++k) {
      const TemplateItem* r = FindTemplateItem(&t, (p == 0 ? 1009 : 1012) + k);
      CHECK(r != nullptr && r0 != nullptr && r->y == r0->y && r->x > r0->x);
    }
    for (int a = 0; a < 7; ++a) {
      const TemplateItem* b = FindTemplateItem(&t, kButtons[p][a]);
      const TemplateItem* c = FindTemplateItem(&t, kCaptions[p][a]);
      CHECK(b != nullptr && c != nullptr);
      if (b == nullptr || c == nullptr) continue;
      CHECK(r0 != nullptr && r0->y + r0->cy <= c->y);
      CHECK(b->x + b->cx <= t.cx);
    }
  }
  const TemplateItem* p1 = FindTemplateItem(&t, 1015);
  const TemplateItem* p2 = FindTemplateItem(&t, 1016);
  const TemplateItem* def = FindTemplateItem(&t, 1029);
  CHECK(p1 != nullptr && p2 != nullptr && p1->y + p1->cy < p2->y);
  CHECK(def != nullptr && p2 != nullptr && def->y > p2->y + p2->cy && def->x < p2->x);
  CHECK(def != nullptr && def->y + def->cy <= t.cy);
}

static void BindingColumnsInPlayOrder() {
  PutIni(nullptr);
  HWND page = OpenPage(false, false);  // both players on the keyboard: every button enabled
  CheckBindingColumns(page);
  DestroyWindow(page);
}

// ---- load -----------------------------------------------------------------------

static void MissingSectionAndNoControllers() {
  PutIni(nullptr);
  g_badRequests = 0;
  HWND page = OpenPage(false, false);
  CHECK(page != nullptr);
  CHECK_EQ(g_badRequests, 0);
  CHECK(!Enabled(page, 1010));
  CHECK(!Enabled(page, 1013));
  CHECK(!Enabled(page, 1011));
  CHECK(Enabled(page, 1014));
  CHECK(Checked(page, 1009));
  CHECK(!Checked(page, 1010));
  CHECK(Checked(page, 1012));
  CheckTexts(page, 0, kP1Missing);
  CheckTexts(page, 1, kP2Missing);
  CheckEnabled(page, 0, true, true);
  CheckEnabled(page, 1, true, true);

  // OK at once: exactly the PERIPHERAL keys, with the defaults the load used, in order.
  CHECK(Apply(page));
  char file[4096];
  ReadWholeFile(g_ini, file, sizeof file);
  CHECK_STR(strstr(file, "[PERIPHERAL]"),
            "[PERIPHERAL]\r\nPLAYER1 DEVICE=0\r\nPLAYER2 DEVICE=0\r\n"
            "PLAYER1 KEYBOARD UP=200\r\nPLAYER1 KEYBOARD DOWN=208\r\nPLAYER1 KEYBOARD LEFT=203\r\n"
            "PLAYER1 KEYBOARD RIGHT=205\r\nPLAYER1 KEYBOARD FIRE1=28\r\nPLAYER1 KEYBOARD FIRE2=44\r\n"
            "PLAYER1 KEYBOARD FIRE3=55\r\nPLAYER1 PAD FIRE1=8\r\nPLAYER1 PAD FIRE2=0\r\nPLAYER1 PAD FIRE3=1\r\n"
            "PLAYER2 KEYBOARD UP=22\r\nPLAYER2 KEYBOARD DOWN=36\r\nPLAYER2 KEYBOARD LEFT=35\r\n"
            "PLAYER2 KEYBOARD RIGHT=37\r\nPLAYER2 KEYBOARD FIRE1=57\r\nPLAYER2 KEYBOARD FIRE2=24\r\n"
            "PLAYER2 KEYBOARD FIRE3=25\r\nPLAYER2 PAD FIRE1=8\r\nPLAYER2 PAD FIRE2=0\r\nPLAYER2 PAD FIRE3=1\r\n");
  DestroyWindow(page);
}

static void StoredPadChoiceWithoutController() {
  PutIni("[PERIPHERAL]\r\nPLAYER1 DEVICE=1\r\nPLAYER2 DEVICE=1\r\n");
  HWND page = OpenPage(false, false);
  // Disabled and checked at once: the choice stays until the player moves away.
  CHECK(!Enabled(page, 1010));
  CHECK(Checked(page, 1010));
  CHECK(!Checked(page, 1009));
  CHECK(!Enabled(page, 1013));
  CHECK(Checked(page, 1013));
  CheckTexts(page, 0, kPadDefaults);
  CheckTexts(page, 1, kPadDefaults);
  CheckEnabled(page, 0, false, true);
  CheckEnabled(page, 1, false, true);
  CHECK(Apply(page));
  CHECK_EQ(Stored("PLAYER1 DEVICE"), 1);
  CHECK_EQ(Stored("PLAYER2 DEVICE"), 1);

  Click(page, 1009);  // away from the controller: the keyboard's names come back
  CHECK(Checked(page, 1009));
  CHECK(!Checked(page, 1010));
  CheckTexts(page, 0, kP1Missing);
  CheckEnabled(page, 0, true, true);
  CHECK(!Enabled(page, 1010));  // and no way back to the missing controller
  SendMessageA(page, WM_COMMAND, MAKEWPARAM(1010, BN_CLICKED), 0);
  CHECK(!Checked(page, 1010));
  CHECK(Checked(page, 1009));
  SendMessageA(page, WM_COMMAND, MAKEWPARAM(1011, BN_CLICKED), 0);  // never switched off
  CHECK(!Checked(page, 1011));
  CHECK(Checked(page, 1009));
  CHECK(Apply(page));
  CHECK_EQ(Stored("PLAYER1 DEVICE"), 0);
  DestroyWindow(page);
}

static void ControllersPresentAndStoredDevices() {
  PutIni("[PERIPHERAL]\r\nPLAYER1 DEVICE=1\r\nPLAYER2 DEVICE=2\r\nPLAYER1 PAD FIRE1=5\r\n"
         "PLAYER2 PAD FIRE3=31\r\nPLAYER1 KEYBOARD UP=59\r\nPLAYER2 KEYBOARD LEFT=-1\r\n");
  HWND page = OpenPage(true, true);
  CHECK(Enabled(page, 1010));
  CHECK(Enabled(page, 1013));
  CHECK(!Enabled(page, 1011));
  CHECK(Checked(page, 1010));
  CHECK(Checked(page, 1014));
  CHECK(!Checked(page, 1012));
  const char* const p1[7] = {"***", "***", "***", "***", "KEY 5", "KEY 0", "KEY 1"};
  CheckTexts(page, 0, p1);
  const char* const p2[7] = {"U", "J", "failed", "K", "Space", "O", "P"};  // disabled: keyboard names
  CheckTexts(page, 1, p2);
  CheckEnabled(page, 0, false, true);
  CheckEnabled(page, 1, false, false);

  Click(page, 1013);  // Player 2 onto the second controller
  CHECK(Checked(page, 1013));
  CHECK(!Checked(page, 1014));
  const char* const p2pad[7] = {"***", "***", "***", "***", "KEY 8", "KEY 0", "KEY 31"};
  CheckTexts(page, 1, p2pad);
  CheckEnabled(page, 1, false, true);
  Click(page, 1012);  // and onto the keyboard
  CheckEnabled(page, 1, true, true);
  Click(page, 1009);
  const char* const p1keys[7] = {"undef.", "Down", "Left", "Right", "Enter", "Z", "NUM *"};
  CheckTexts(page, 0, p1keys);

  // Codes outside the key table go back unchanged.
  CHECK(Apply(page));
  CHECK_EQ(Stored("PLAYER1 KEYBOARD UP"), 59);
  CHECK_EQ(Stored("PLAYER2 KEYBOARD LEFT"), -1);
  CHECK_EQ(Stored("PLAYER1 PAD FIRE1"), 5);
  CHECK_EQ(Stored("PLAYER2 PAD FIRE3"), 31);
  CHECK_EQ(Stored("PLAYER1 DEVICE"), 0);
  CHECK_EQ(Stored("PLAYER2 DEVICE"), 0);
  DestroyWindow(page);
}

static void EachLoadRereadsTheFile() {
  PutIni(nullptr);
  HWND page = OpenPage(false, false);
  SetBinding(0, 0, false, 0x1E);  // an assignment, then Cancel: never written
  DestroyWindow(page);
  page = OpenPage(false, false);
  CHECK_STR(Text(page, 1015), "Up");
  DestroyWindow(page);
}

// ---- Default --------------------------------------------------------------------

static void DefaultPutsTheDefaultSet() {
  PutIni("[PERIPHERAL]\r\nPLAYER1 DEVICE=1\r\nPLAYER2 DEVICE=1\r\nPLAYER1 KEYBOARD FIRE3=20\r\n"
         "PLAYER1 PAD FIRE2=7\r\nPLAYER2 PAD FIRE1=9\r\nPLAYER2 KEYBOARD UP=2\r\n");
  HWND page = OpenPage(true, true);
  Click(page, 1029);
  CHECK(Checked(page, 1009));
  CHECK(!Checked(page, 1010));
  CHECK(!Checked(page, 1011));
  CHECK(!Checked(page, 1012));
  CHECK(!Checked(page, 1013));
  CHECK(Checked(page, 1014));
  const char* const p1[7] = {"Up", "Down", "Left", "Right", "Enter", "Z", "X"};
  CheckTexts(page, 0, p1);
  CheckTexts(page, 1, kP2Missing);
  CheckEnabled(page, 0, true, true);
  CheckEnabled(page, 1, false, false);
  CHECK(Apply(page));
  CHECK_EQ(Stored("PLAYER1 DEVICE"), 0);
  CHECK_EQ(Stored("PLAYER2 DEVICE"), 2);
  CHECK_EQ(Stored("PLAYER1 KEYBOARD FIRE3"), 0x2D);
  CHECK_EQ(Stored("PLAYER2 KEYBOARD UP"), 0x16);
  CHECK_EQ(Stored("PLAYER1 PAD FIRE2"), 7);  // pad buttons keep their values
  CHECK_EQ(Stored("PLAYER2 PAD FIRE1"), 9);
  DestroyWindow(page);
}

// ---- binding buttons and the assignment dialog -----------------------------------------

static bool g_dialogSeen, g_listVisible, g_dialogDone;
static void (*g_dialogAction)(HWND dlg);

static VOID CALLBACK DriveDialog(HWND, UINT, UINT_PTR, DWORD) {
  HWND dlg = FindWindowA("#32770", "キーの割り当て");
  if (dlg == nullptr || g_dialogDone || !IsWindowVisible(dlg)) return;
  g_dialogSeen = true;
  g_listVisible = IsWindowVisible(GetDlgItem(dlg, IDC_ASSIGN_LIST)) != 0;
  g_dialogDone = true;
  g_dialogAction(dlg);
}

static void ChooseA(HWND dlg) {
  SendDlgItemMessageA(dlg, IDC_ASSIGN_LIST, CB_SETCURSEL, 34, 0);
  PostMessageA(dlg, WM_COMMAND, IDOK, 0);
}
static void CancelIt(HWND dlg) { PostMessageA(dlg, WM_COMMAND, IDCANCEL, 0); }
static void PressButtonTwo(HWND) { g_buttons[0] = g_buttons[1] = 0x4; }

static void ClickBinding(HWND page, int id, void (*action)(HWND)) {
  g_dialogSeen = g_listVisible = g_dialogDone = false;
  g_dialogAction = action;
  UINT_PTR timer = SetTimer(nullptr, 0, 20, DriveDialog);
  Click(page, id);
  KillTimer(nullptr, timer);
  CHECK(g_dialogSeen);
}

static void BindingButtonsOpenTheDialogInTheirPlayersMode() {
  PutIni("[PERIPHERAL]\r\nPLAYER1 DEVICE=0\r\nPLAYER2 DEVICE=1\r\n");
  HWND page = OpenPage(true, true);
  ClickBinding(page, 1022, ChooseA);  // Player 1 LEFT, on the keyboard
  CHECK(g_listVisible);
  CHECK_STR(Text(page, 1022), "A");
  CHECK_EQ(GetBinding(0, 2, false), 0x1E);

  ClickBinding(page, 1025, PressButtonTwo);  // Player 2 Rot. L, on the controller
  CHECK(!g_listVisible);
  CHECK_STR(Text(page, 1025), "KEY 2");
  CHECK_EQ(GetBinding(1, 5, true), 2);
  CHECK_EQ(GetBinding(1, 5, false), 0x18);

  // Cancel changes nothing and does not refresh the texts.
  SetDlgItemTextA(page, 1019, "mark");
  ClickBinding(page, 1019, CancelIt);
  CHECK(g_listVisible);
  CHECK_STR(Text(page, 1019), "mark");
  CHECK_EQ(GetBinding(0, 5, false), 0x2C);

  CHECK(Apply(page));
  CHECK_EQ(Stored("PLAYER1 KEYBOARD LEFT"), 0x1E);
  CHECK_EQ(Stored("PLAYER2 PAD FIRE2"), 2);
  DestroyWindow(page);
}

// ---- refused OKs -------------------------------------------------------------------

static void CheckRefusal(HWND page, const char* expectedText) {
  char before[4096], after[4096];
  ReadWholeFile(g_ini, before, sizeof before);
  g_messageHook = RecordMessage;
  g_messageCount = 0;
  CHECK(!Apply(page));
  CHECK_EQ(GetWindowLongPtrA(page, DWLP_MSGRESULT), PSNRET_INVALID_NOCHANGEPAGE);
  CHECK_EQ(g_messageCount, 1);
  CHECK_STR(g_messages[0].text, expectedText);
  CHECK_STR(g_messages[0].caption, "ZantoWin 偽ランチャー 2.08");
  CHECK_EQ(g_messages[0].flags, MB_ICONEXCLAMATION);
  CHECK(g_messages[0].owner == page);
  g_messageHook = nullptr;
  ReadWholeFile(g_ini, after, sizeof after);
  CHECK_STR(after, before);  // nothing written
}

static void KeyboardClashRefusesAndWritesNothing() {
  PutIni("[PERIPHERAL]\r\nPLAYER1 KEYBOARD DOWN=200\r\nPLAYER2 DEVICE=2\r\nPLAYER2 KEYBOARD FIRE1=203\r\n");
  HWND page = OpenPage(false, false);
  CheckRefusal(page, "以下のキー設定が重複しています。\n\nP1 DOWN - P1 UP (Up)\nP1 LEFT - P2 PAUSE (Left)\n");
  // The page keeps its state; after the clash is mended the OK goes through.
  SetBinding(0, 1, false, 0xD0);
  SetBinding(1, 4, false, 0x39);
  CHECK(Apply(page));
  CHECK_EQ(Stored("PLAYER1 KEYBOARD DOWN"), 0xD0);
  CHECK_EQ(Stored("PLAYER2 DEVICE"), 2);
  DestroyWindow(page);
}

static void PadClashOnlyOnTheController() {
  PutIni("[PERIPHERAL]\r\nPLAYER1 DEVICE=1\r\nPLAYER1 PAD FIRE2=8\r\n");
  HWND page = OpenPage(true, false);
  CheckRefusal(page, "以下のキー設定が重複しています。\n\nP1 PAUSE - P1 Rot. L (PAD 8)");
  Click(page, 1009);  // on the keyboard the same buttons are not examined
  CHECK(Apply(page));
  CHECK_EQ(Stored("PLAYER1 PAD FIRE2"), 8);
  CHECK_EQ(Stored("PLAYER1 DEVICE"), 0);
  DestroyWindow(page);
}

void RunTests() {
  g_joyGetPosEx = StandInJoyGetPosEx;
  GetGameIniPath(g_ini);
  g_host = CreateWindowExA(0, "STATIC", "host", WS_POPUP, 0, 0, 800, 600, nullptr, nullptr, nullptr, nullptr);
  TemplateControlsAndLayout();
  BindingColumnsInPlayOrder();
  MissingSectionAndNoControllers();
  StoredPadChoiceWithoutController();
  ControllersPresentAndStoredDevices();
  EachLoadRereadsTheFile();
  DefaultPutsTheDefaultSet();
  BindingButtonsOpenTheDialogInTheirPlayersMode();
  KeyboardClashRefusesAndWritesNothing();
  PadClashOnlyOnTheController();
  DestroyWindow(g_host);
}
