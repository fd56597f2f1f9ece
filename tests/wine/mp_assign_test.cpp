// Dialog 115 of m_portal in process: keyboard mode against the real list,
// controller mode against a stand-in controller (buttons held, none, failure).
#include "itest.h"
#include "dialog_template.h"
#include "assign_fixture.h"

#include "core/edition.h"
#include "core/ui.h"
#include "options/assign.h"
#include "options/bindings.h"
#include "options/controller.h"
#include "res/resource.h"

static const char kKeyText[] = "新たに割り当てるキーを以下から選択してください。";
static const char kPadText[] = "新たに割り当てるゲームコントローラのボタンを押してください。";
static const char kPadError[] =
    "ゲームコントローラの検出時にエラーが発生しました。接続およびドライバを確認してください。";

// ---- stand-in controller ----------------------------------------------------------

static MMRESULT g_joyResult[2];
static DWORD g_joyButtons[2];
static int g_joyCalls[2];
static int g_joyBadRequests;

static MMRESULT WINAPI StandInJoyGetPosEx(UINT id, LPJOYINFOEX info) {
  JOYINFOEX expected;
  memset(&expected, 0, sizeof expected);
  expected.dwSize = 52;
  expected.dwFlags = JOY_RETURNBUTTONS;
  if (memcmp(info, &expected, sizeof expected) != 0) ++g_joyBadRequests;
  if (id > 1) return JOYERR_PARMS;
  ++g_joyCalls[id];
  if (g_joyResult[id] != JOYERR_NOERROR) return g_joyResult[id];
  info->dwButtons = g_joyButtons[id];
  info->dwButtonNumber = 1;
  return JOYERR_NOERROR;
}

static void Controllers(MMRESULT first, DWORD firstButtons, MMRESULT second, DWORD secondButtons) {
  g_joyResult[0] = first;
  g_joyButtons[0] = firstButtons;
  g_joyResult[1] = second;
  g_joyButtons[1] = secondButtons;
  g_joyCalls[0] = g_joyCalls[1] = 0;
  g_joyBadRequests = 0;
}

static char g_seenText[256];
static int g_seenSelection, g_seenCount;
static bool g_seenListVisible, g_seenOkEnabled;

static void Observe(HWND dlg) {
  GetDlgItemTextA(dlg, IDC_ASSIGN_TEXT, g_seenText, sizeof g_seenText);
  g_seenSelection = (int)SendDlgItemMessageA(dlg, IDC_ASSIGN_LIST, CB_GETCURSEL, 0, 0);
  g_seenCount = (int)SendDlgItemMessageA(dlg, IDC_ASSIGN_LIST, CB_GETCOUNT, 0, 0);
  g_seenListVisible = IsWindowVisible(GetDlgItem(dlg, IDC_ASSIGN_LIST)) != 0;
  g_seenOkEnabled = IsWindowEnabled(GetDlgItem(dlg, IDOK)) != 0;
}

// ---- keyboard mode --------------------------------------------------------------

static bool ObserveAndCancel(HWND dlg, DWORD) {
  Observe(dlg);
  Press(dlg, IDCANCEL);
  return true;
}

static bool ObserveAndOk(HWND dlg, DWORD) {
  Observe(dlg);
  Press(dlg, IDOK);
  return true;
}

static bool ChooseZ(HWND dlg, DWORD) {
  SendDlgItemMessageA(dlg, IDC_ASSIGN_LIST, CB_SETCURSEL, 59, 0);
  Press(dlg, IDOK);
  return true;
}

static bool CloseBox(HWND dlg, DWORD) {
  PostMessageA(dlg, WM_CLOSE, 0, 0);
  return true;
}

static bool OkWithNoSelection(HWND dlg, DWORD) {
  SendDlgItemMessageA(dlg, IDC_ASSIGN_LIST, CB_SETCURSEL, (WPARAM)-1, 0);
  Press(dlg, IDOK);
  return true;
}

static char g_items[KEY_COUNT][32];
static bool ReadItems(HWND dlg, DWORD) {
  for (int i = 0; i < KEY_COUNT; ++i) {
    g_items[i][0] = 0;
    if (SendDlgItemMessageA(dlg, IDC_ASSIGN_LIST, CB_GETLBTEXTLEN, i, 0) < 31)
      SendDlgItemMessageA(dlg, IDC_ASSIGN_LIST, CB_GETLBTEXT, i, (LPARAM)g_items[i]);
  }
  Observe(dlg);
  Press(dlg, IDCANCEL);
  return true;
}

static void KeyboardModeOffersTheKeyTable() {
  FillMissingKeyDefaults(&g_keyBindings);
  CHECK_EQ(RunAssign(0, 0, false, ReadItems), 0);
  CHECK_EQ(g_seenCount, 70);
  for (int i = 0; i < KEY_COUNT; ++i) CHECK_STR(g_items[i], kKeyNameTable[i]);
  CHECK_STR(g_items[2], "\\");
  CHECK_STR(g_items[33], "NUM ENTER");
  CHECK_STR(g_seenText, kKeyText);
  CHECK(g_seenListVisible);
  CHECK(g_seenOkEnabled);
  CHECK_EQ(g_seenSelection, 12);  // Player 1 UP on Up
}

static void KeyboardModeChoosesAndCancels() {
  FillMissingKeyDefaults(&g_keyBindings);
  CHECK_EQ(RunAssign(1, 5, false, ObserveAndCancel), 0);  // Cancel: unchanged
  CHECK_EQ(g_seenSelection, 48);                          // "O"
  CHECK_EQ(GetBinding(1, 5, false), 0x18);

  CHECK_EQ(RunAssign(1, 5, false, ChooseZ), 1);
  CHECK_EQ(GetBinding(1, 5, false), 0x2C);
  CHECK_EQ(GetBinding(0, 5, false), 0x2C);  // only the asked slot changed
  CHECK_EQ(GetBinding(1, 5, true), 0);

  CHECK_EQ(RunAssign(1, 5, false, CloseBox), 0);  // closing: unchanged
  CHECK_EQ(GetBinding(1, 5, false), 0x2C);
}

static void KeyboardModeWithoutAMatchingCode() {
  FillMissingKeyDefaults(&g_keyBindings);
  SetBinding(0, 2, false, 59);  // F1: no entry
  CHECK_EQ(RunAssign(0, 2, false, ObserveAndOk), 1);
  CHECK_EQ(g_seenSelection, 0);  // opens on "-"
  CHECK_EQ(GetBinding(0, 2, false), 0x0C);  // OK at once stores "-"

  g_keyBindings.keyboard[0][3] = -1;  // read as -1 from the file
  CHECK_EQ(RunAssign(0, 3, false, ObserveAndOk), 1);
  CHECK_EQ(g_seenSelection, 0);
  CHECK_EQ(GetBinding(0, 3, false), 0x0C);
}

static void OkWithoutSelectionChoosesNothing() {
  FillMissingKeyDefaults(&g_keyBindings);
  CHECK_EQ(RunAssign(0, 6, false, OkWithNoSelection), 0);
  CHECK_EQ(GetBinding(0, 6, false), 0x37);
}

// ---- controller mode -------------------------------------------------------------

static bool ObserveOnly(HWND dlg, DWORD) {
  Observe(dlg);
  return true;
}

static DWORD g_pressAfter;
static bool PressLater(HWND dlg, DWORD elapsed) {
  if (elapsed == 0 || g_seenText[0] == 0) Observe(dlg);
  if (elapsed < g_pressAfter) return false;
  // Still waiting with nothing pressed for several ticks.
  CHECK(IsWindow(dlg));
  g_joyButtons[0] = g_joyButtons[1] = 0x40;
  return true;
}

static bool WaitThenCancel(HWND dlg, DWORD elapsed) {
  if (elapsed < 1000) return false;
  Observe(dlg);
  Press(dlg, IDCANCEL);
  return true;
}

static void PadModeTakesTheLowestButtonHeld() {
  FillMissingKeyDefaults(&g_keyBindings);
  Controllers(JOYERR_NOERROR, 0x128, JOYERR_UNPLUGGED, 0);  // buttons 3, 5 and 8 held at once
  g_seenText[0] = 0;
  CHECK_EQ(RunAssign(0, 5, true, ObserveOnly), 1);
  CHECK_EQ(GetBinding(0, 5, true), 3);
  CHECK_EQ(GetBinding(0, 5, false), 0x2C);  // the keyboard slot is another
  CHECK(g_joyCalls[0] >= 1);
  CHECK_EQ(g_joyCalls[1], 0);  // Player 1 reads the first controller only
  CHECK_EQ(g_joyBadRequests, 0);
  CHECK_STR(g_seenText, kPadText);
  CHECK(!g_seenListVisible);
  CHECK(!g_seenOkEnabled);

  Controllers(JOYERR_NOERROR, 0xFFFFFFFF, JOYERR_NOERROR, 0);  // every button: the first, number 0
  CHECK_EQ(RunAssign(0, 6, true, ObserveOnly), 1);
  CHECK_EQ(GetBinding(0, 6, true), 0);
}

static void PadModeWaitsForAPress() {
  FillMissingKeyDefaults(&g_keyBindings);
  Controllers(JOYERR_UNPLUGGED, 0, JOYERR_NOERROR, 0);
  g_seenText[0] = 0;
  g_pressAfter = 800;
  CHECK_EQ(RunAssign(1, 6, true, PressLater), 1);
  CHECK_EQ(GetBinding(1, 6, true), 6);
  CHECK(g_joyCalls[1] >= 2);  // polled repeatedly while nothing was pressed
  CHECK_EQ(g_joyCalls[0], 0);  // Player 2 reads the second controller
  CHECK_EQ(g_joyBadRequests, 0);

  Controllers(JOYERR_NOERROR, 0, JOYERR_NOERROR, 0);
  CHECK_EQ(RunAssign(0, 4, true, WaitThenCancel), 0);  // nothing pressed, then Cancel
  CHECK_EQ(GetBinding(0, 4, true), 8);
  CHECK(g_joyCalls[0] >= 2);
}

static void PadModeReportsAControllerError() {
  FillMissingKeyDefaults(&g_keyBindings);
  Controllers(JOYERR_NOERROR, 1, JOYERR_UNPLUGGED, 1);  // Player 2 has no second controller
  g_messageHook = RecordMessage;
  g_messageCount = 0;
  CHECK_EQ(RunAssign(1, 4, true, ObserveOnly), 0);
  CHECK_EQ(GetBinding(1, 4, true), 8);
  CHECK_EQ(g_messageCount, 1);
  CHECK_STR(g_messages[0].text, kPadError);
  CHECK_STR(g_messages[0].caption, kTitle);
  CHECK_EQ(g_messages[0].flags, MB_ICONHAND);
  CHECK(g_messages[0].owner == g_dialog);
  CHECK_EQ(g_joyCalls[1], 1);  // the timer stopped at the error
  g_messageHook = nullptr;
}

// ---- the template ------------------------------------------------------------------

static RECT g_list, g_text, g_ok, g_cancel;
static bool MeasureTemplate(HWND dlg, DWORD) {
  GetWindowRect(GetDlgItem(dlg, IDC_ASSIGN_LIST), &g_list);
  GetWindowRect(GetDlgItem(dlg, IDC_ASSIGN_TEXT), &g_text);
  GetWindowRect(GetDlgItem(dlg, IDOK), &g_ok);
  GetWindowRect(GetDlgItem(dlg, IDCANCEL), &g_cancel);
  Press(dlg, IDCANCEL);
  return true;
}

static void TemplateSizeAndLayout() {
  DialogTemplate t;
  CHECK(LoadDialogTemplate(IDD_ASSIGN, &t));
  CHECK_EQ(t.cx, 221);
  CHECK_EQ(t.cy, 95);
  CHECK_STR(t.caption, kCaption);
  CHECK_EQ(t.count, 4);
  const TemplateItem* list = FindTemplateItem(&t, IDC_ASSIGN_LIST);
  CHECK(list != nullptr && list->cy == 66);
  CHECK(list != nullptr && (list->style & 3) == CBS_DROPDOWNLIST);
  CHECK(list != nullptr && (list->style & CBS_SORT) == 0);  // the key table's own order
  const TemplateItem* ok = FindTemplateItem(&t, IDOK);
  CHECK(ok != nullptr && (ok->style & 0xF) == BS_DEFPUSHBUTTON);
  CHECK(ok != nullptr && strcmp(ok->title, "OK") == 0);
  const TemplateItem* cancel = FindTemplateItem(&t, IDCANCEL);
  CHECK(cancel != nullptr && strcmp(cancel->title, "キャンセル") == 0);
  const TemplateItem* text = FindTemplateItem(&t, IDC_ASSIGN_TEXT);
  CHECK(text != nullptr && strcmp(text->title, kKeyText) == 0);

  FillMissingKeyDefaults(&g_keyBindings);
  CHECK_EQ(RunAssign(0, 0, false, MeasureTemplate), 0);
  CHECK(g_text.bottom <= g_list.top);  // the text above the list
  CHECK(g_list.bottom <= g_ok.top);    // the buttons below it, side by side at the right
  CHECK_EQ(g_ok.top, g_cancel.top);
  CHECK(g_ok.right <= g_cancel.left);
}

void RunTests() {
  g_joyGetPosEx = StandInJoyGetPosEx;
  g_owner = CreateWindowExA(0, "STATIC", "owner", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr, nullptr, nullptr);
  KeyboardModeOffersTheKeyTable();
  KeyboardModeChoosesAndCancels();
  KeyboardModeWithoutAMatchingCode();
  OkWithoutSelectionChoosesNothing();
  PadModeTakesTheLowestButtonHeld();
  PadModeWaitsForAPress();
  PadModeReportsAControllerError();
  TemplateSizeAndLayout();
  DestroyWindow(g_owner);
}
