// m_portal's Controls page in process: the template, load with and without
// game controllers, the refresh after radios, the binding buttons opening the
// assignment dialog, Default, and the OK that writes or refuses.
#include "itest.h"
#include "dialog_template.h"
#include "controls_fixture.h"

#include <prsht.h>

#include "core/edition.h"
#include "core/settings.h"
#include "core/ui.h"
#include "options/bindings.h"
#include "options/controller.h"
#include "options/pages.h"
#include "options/sheet.h"
#include "res/resource.h"

static const int kButtons[2][7] = {{IDC_CTL_P1_UP, IDC_CTL_P1_DOWN, IDC_CTL_P1_LEFT, IDC_CTL_P1_RIGHT, IDC_CTL_P1_PAUSE, IDC_CTL_P1_ROTL, IDC_CTL_P1_ROTR},
                                   {IDC_CTL_P2_UP, IDC_CTL_P2_DOWN, IDC_CTL_P2_LEFT, IDC_CTL_P2_RIGHT, IDC_CTL_P2_PAUSE, IDC_CTL_P2_ROTL, IDC_CTL_P2_ROTR}};
static const int kCaptions[2][7] = {{IDC_CTL_P1_UP_CAPTION, IDC_CTL_P1_DOWN_CAPTION, IDC_CTL_P1_LEFT_CAPTION, IDC_CTL_P1_RIGHT_CAPTION, IDC_CTL_P1_PAUSE_CAPTION, IDC_CTL_P1_ROTL_CAPTION, IDC_CTL_P1_ROTR_CAPTION},
                                    {IDC_CTL_P2_UP_CAPTION, IDC_CTL_P2_DOWN_CAPTION, IDC_CTL_P2_LEFT_CAPTION, IDC_CTL_P2_RIGHT_CAPTION, IDC_CTL_P2_PAUSE_CAPTION, IDC_CTL_P2_ROTL_CAPTION, IDC_CTL_P2_ROTR_CAPTION}};

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

static char g_ini[MAX_PATH];

static HWND OpenPage(bool first, bool second) {
  g_present[0] = first;
  g_present[1] = second;
  g_buttons[0] = g_buttons[1] = 0;
  return CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_PAGE_CONTROLS), Host(),
                            TestPageProc<PAGE_CONTROLS>, 0);
}

// The settings file as the game left it (UTF-8 source lines, CRLF).
static void PutIni(const char* lines) {
  WriteGameIniInt("X", "Y", 0);  // makes the folder
  DeleteFileA(g_ini);
  if (lines != nullptr) WriteWholeFile(g_ini, lines);
}

static int Stored(const char* key) { return (int)GetGameIniInt("PERIPHERAL", key, -12345); }

// PSN_APPLY as the sheet sends it; true when the page accepted.
static bool Apply(HWND page) { return ApplyPage(page) == PSNRET_NOERROR; }

static void CheckTexts(HWND page, int player, const char* const texts[7]) {
  for (int a = 0; a < 7; ++a) {
    CHECK_TEXT(ItemText(page, kButtons[player][a]), texts[a]);
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
      {IDC_CTL_P1_KEYBOARD, "キーボード"}, {IDC_CTL_P1_PAD, "ゲームコントローラ"}, {IDC_CTL_P1_DISABLE, "無効"}, {IDC_CTL_P2_KEYBOARD, "キーボード"},
      {IDC_CTL_P2_PAD, "ゲームコントローラ"}, {IDC_CTL_P2_DISABLE, "無効"}, {IDC_CTL_P1_UP_CAPTION, "上"}, {IDC_CTL_P1_DOWN_CAPTION, "下"}, {IDC_CTL_P1_LEFT_CAPTION, "左"}, {IDC_CTL_P1_RIGHT_CAPTION, "右"},
      {IDC_CTL_P1_PAUSE_CAPTION, "ポーズ"}, {IDC_CTL_P1_ROTL_CAPTION, "左回"}, {IDC_CTL_P1_ROTR_CAPTION, "右回"}, {IDC_CTL_P2_UP_CAPTION, "上"}, {IDC_CTL_P2_DOWN_CAPTION, "下"}, {IDC_CTL_P2_LEFT_CAPTION, "左"},
      {IDC_CTL_P2_RIGHT_CAPTION, "右"}, {IDC_CTL_P2_PAUSE_CAPTION, "ポーズ"}, {IDC_CTL_P2_ROTL_CAPTION, "左回"}, {IDC_CTL_P2_ROTR_CAPTION, "右回"}, {IDC_CTL_DEFAULT, "デフォルト"},
      {IDC_CTL_P1_UP, "Def."}, {IDC_CTL_P1_PAUSE, "Enter"}, {IDC_CTL_P1_ROTL, "Z"}, {IDC_CTL_P1_ROTR, "X"}, {IDC_CTL_P2_PAUSE, "O"}, {IDC_CTL_P2_ROTL, "Def."},
  };
  CheckControlsTemplate(&t, "キーアサイン", texts, sizeof texts / sizeof texts[0]);
  for (int id = IDC_CTL_P1_KEYBOARD; id <= IDC_CTL_P2_DISABLE; ++id) {
    const TemplateItem* r = FindTemplateItem(&t, id);
    CHECK(r != nullptr && (r->style & 0xF) == BS_RADIOBUTTON);
    CHECK(r != nullptr && ((r->style & WS_DISABLED) != 0) == (id == IDC_CTL_P1_DISABLE));
  }
  // Two rows of three radios, each row level, above the captions and within
  // the page (the columns' order: BindingColumnsInPlayOrder); Default bottom
  // left, below both groups.
  for (int p = 0; p < 2; ++p) {
    const TemplateItem* r0 = FindTemplateItem(&t, p == 0 ? IDC_CTL_P1_KEYBOARD : IDC_CTL_P2_KEYBOARD);
    for (int k = 1; k < 3; ++k) {
      const TemplateItem* r = FindTemplateItem(&t, (p == 0 ? IDC_CTL_P1_KEYBOARD : IDC_CTL_P2_KEYBOARD) + k);
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
  const TemplateItem* p1 = FindTemplateItem(&t, IDC_CTL_P1_UP);
  const TemplateItem* p2 = FindTemplateItem(&t, IDC_CTL_P2_UP);
  const TemplateItem* def = FindTemplateItem(&t, IDC_CTL_DEFAULT);
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
  CHECK(!Enabled(page, IDC_CTL_P1_PAD));
  CHECK(!Enabled(page, IDC_CTL_P2_PAD));
  CHECK(!Enabled(page, IDC_CTL_P1_DISABLE));
  CHECK(Enabled(page, IDC_CTL_P2_DISABLE));
  CHECK(Checked(page, IDC_CTL_P1_KEYBOARD));
  CHECK(!Checked(page, IDC_CTL_P1_PAD));
  CHECK(Checked(page, IDC_CTL_P2_KEYBOARD));
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
  CHECK(!Enabled(page, IDC_CTL_P1_PAD));
  CHECK(Checked(page, IDC_CTL_P1_PAD));
  CHECK(!Checked(page, IDC_CTL_P1_KEYBOARD));
  CHECK(!Enabled(page, IDC_CTL_P2_PAD));
  CHECK(Checked(page, IDC_CTL_P2_PAD));
  CheckTexts(page, 0, kPadDefaults);
  CheckTexts(page, 1, kPadDefaults);
  CheckEnabled(page, 0, false, true);
  CheckEnabled(page, 1, false, true);
  CHECK(Apply(page));
  CHECK_EQ(Stored("PLAYER1 DEVICE"), 1);
  CHECK_EQ(Stored("PLAYER2 DEVICE"), 1);

  Click(page, IDC_CTL_P1_KEYBOARD);  // away from the controller: the keyboard's names come back
  CHECK(Checked(page, IDC_CTL_P1_KEYBOARD));
  CHECK(!Checked(page, IDC_CTL_P1_PAD));
  CheckTexts(page, 0, kP1Missing);
  CheckEnabled(page, 0, true, true);
  CHECK(!Enabled(page, IDC_CTL_P1_PAD));  // and no way back to the missing controller
  SendMessageA(page, WM_COMMAND, MAKEWPARAM(IDC_CTL_P1_PAD, BN_CLICKED), 0);
  CHECK(!Checked(page, IDC_CTL_P1_PAD));
  CHECK(Checked(page, IDC_CTL_P1_KEYBOARD));
  SendMessageA(page, WM_COMMAND, MAKEWPARAM(IDC_CTL_P1_DISABLE, BN_CLICKED), 0);  // never switched off
  CHECK(!Checked(page, IDC_CTL_P1_DISABLE));
  CHECK(Checked(page, IDC_CTL_P1_KEYBOARD));
  CHECK(Apply(page));
  CHECK_EQ(Stored("PLAYER1 DEVICE"), 0);
  DestroyWindow(page);
}

static void ControllersPresentAndStoredDevices() {
  PutIni("[PERIPHERAL]\r\nPLAYER1 DEVICE=1\r\nPLAYER2 DEVICE=2\r\nPLAYER1 PAD FIRE1=5\r\n"
         "PLAYER2 PAD FIRE3=31\r\nPLAYER1 KEYBOARD UP=59\r\nPLAYER2 KEYBOARD LEFT=-1\r\n");
  HWND page = OpenPage(true, true);
  CHECK(Enabled(page, IDC_CTL_P1_PAD));
  CHECK(Enabled(page, IDC_CTL_P2_PAD));
  CHECK(!Enabled(page, IDC_CTL_P1_DISABLE));
  CHECK(Checked(page, IDC_CTL_P1_PAD));
  CHECK(Checked(page, IDC_CTL_P2_DISABLE));
  CHECK(!Checked(page, IDC_CTL_P2_KEYBOARD));
  const char* const p1[7] = {"***", "***", "***", "***", "KEY 5", "KEY 0", "KEY 1"};
  CheckTexts(page, 0, p1);
  const char* const p2[7] = {"U", "J", "failed", "K", "Space", "O", "P"};  // disabled: keyboard names
  CheckTexts(page, 1, p2);
  CheckEnabled(page, 0, false, true);
  CheckEnabled(page, 1, false, false);

  Click(page, IDC_CTL_P2_PAD);  // Player 2 onto the second controller
  CHECK(Checked(page, IDC_CTL_P2_PAD));
  CHECK(!Checked(page, IDC_CTL_P2_DISABLE));
  const char* const p2pad[7] = {"***", "***", "***", "***", "KEY 8", "KEY 0", "KEY 31"};
  CheckTexts(page, 1, p2pad);
  CheckEnabled(page, 1, false, true);
  Click(page, IDC_CTL_P2_KEYBOARD);  // and onto the keyboard
  CheckEnabled(page, 1, true, true);
  Click(page, IDC_CTL_P1_KEYBOARD);
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
  CHECK_TEXT(ItemText(page, IDC_CTL_P1_UP), "Up");
  DestroyWindow(page);
}

// ---- Default --------------------------------------------------------------------

static void DefaultPutsTheDefaultSet() {
  PutIni("[PERIPHERAL]\r\nPLAYER1 DEVICE=1\r\nPLAYER2 DEVICE=1\r\nPLAYER1 KEYBOARD FIRE3=20\r\n"
         "PLAYER1 PAD FIRE2=7\r\nPLAYER2 PAD FIRE1=9\r\nPLAYER2 KEYBOARD UP=2\r\n");
  HWND page = OpenPage(true, true);
  Click(page, IDC_CTL_DEFAULT);
  CHECK(Checked(page, IDC_CTL_P1_KEYBOARD));
  CHECK(!Checked(page, IDC_CTL_P1_PAD));
  CHECK(!Checked(page, IDC_CTL_P1_DISABLE));
  CHECK(!Checked(page, IDC_CTL_P2_KEYBOARD));
  CHECK(!Checked(page, IDC_CTL_P2_PAD));
  CHECK(Checked(page, IDC_CTL_P2_DISABLE));
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
  ClickBinding(page, IDC_CTL_P1_LEFT, ChooseA);  // Player 1 LEFT, on the keyboard
  CHECK(g_listVisible);
  CHECK_TEXT(ItemText(page, IDC_CTL_P1_LEFT), "A");
  CHECK_EQ(GetBinding(0, 2, false), 0x1E);

  ClickBinding(page, IDC_CTL_P2_ROTL, PressButtonTwo);  // Player 2 Rot. L, on the controller
  CHECK(!g_listVisible);
  CHECK_TEXT(ItemText(page, IDC_CTL_P2_ROTL), "KEY 2");
  CHECK_EQ(GetBinding(1, 5, true), 2);
  CHECK_EQ(GetBinding(1, 5, false), 0x18);

  // Cancel changes nothing and does not refresh the texts.
  SetDlgItemTextA(page, IDC_CTL_P1_ROTL, "mark");
  ClickBinding(page, IDC_CTL_P1_ROTL, CancelIt);
  CHECK(g_listVisible);
  CHECK_TEXT(ItemText(page, IDC_CTL_P1_ROTL), "mark");
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
  CHECK_STR(g_messages[0].caption, kTitle);
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
  Click(page, IDC_CTL_P1_KEYBOARD);  // on the keyboard the same buttons are not examined
  CHECK(Apply(page));
  CHECK_EQ(Stored("PLAYER1 PAD FIRE2"), 8);
  CHECK_EQ(Stored("PLAYER1 DEVICE"), 0);
  DestroyWindow(page);
}

void RunTests() {
  g_joyGetPosEx = StandInJoyGetPosEx;
  GetGameIniPath(g_ini);
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
}
