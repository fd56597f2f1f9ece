// Dialog 115 of launcher: the same dialog and texts (still Japanese) as
// m_portal's, a one-line list, and its own caption on the controller error.
#include "itest.h"
#include "dialog_template.h"
#include "assign_fixture.h"

#include "core/ui.h"
#include "options/assign.h"
#include "options/bindings.h"
#include "options/controller.h"
#include "res/resource.h"

static MMRESULT g_joyResult;
static DWORD g_joyButtons;
static UINT g_joyLastId;

static MMRESULT WINAPI StandInJoyGetPosEx(UINT id, LPJOYINFOEX info) {
  g_joyLastId = id;
  if (g_joyResult != JOYERR_NOERROR) return g_joyResult;
  info->dwButtons = g_joyButtons;
  return JOYERR_NOERROR;
}

static int g_selection;
static bool ChooseNumEnter(HWND dlg, DWORD) {
  g_selection = (int)SendDlgItemMessageA(dlg, IDC_ASSIGN_LIST, CB_GETCURSEL, 0, 0);
  SendDlgItemMessageA(dlg, IDC_ASSIGN_LIST, CB_SETCURSEL, 33, 0);
  PostMessageA(dlg, WM_COMMAND, IDOK, 0);
  return true;
}

static bool Watch(HWND, DWORD) { return true; }

static void TemplateIsJapaneseWithAOneLineList() {
  DialogTemplate t;
  CHECK(LoadDialogTemplate(IDD_ASSIGN, &t));
  CHECK_EQ(t.cx, 221);
  CHECK_EQ(t.cy, 95);
  CHECK_STR(t.caption, kCaption);
  const TemplateItem* list = FindTemplateItem(&t, IDC_ASSIGN_LIST);
  CHECK(list != nullptr && list->cy == 13);
  const TemplateItem* text = FindTemplateItem(&t, IDC_ASSIGN_TEXT);
  CHECK(text != nullptr && strcmp(text->title, "新たに割り当てるキーを以下から選択してください。") == 0);
  const TemplateItem* cancel = FindTemplateItem(&t, IDCANCEL);
  CHECK(cancel != nullptr && strcmp(cancel->title, "キャンセル") == 0);
}

static void KeyboardAndPadModes() {
  FillMissingKeyDefaults(&g_keyBindings);
  CHECK_EQ(RunAssign(1, 0, false, ChooseNumEnter), 1);
  CHECK_EQ(g_selection, 54);  // "U"
  CHECK_EQ(GetBinding(1, 0, false), 0x9C);

  g_joyResult = JOYERR_NOERROR;
  g_joyButtons = 0x80000000;
  CHECK_EQ(RunAssign(1, 5, true, Watch), 1);
  CHECK_EQ(GetBinding(1, 5, true), 31);
  CHECK_EQ(g_joyLastId, 1);
}

static void ControllerErrorHasLaunchersCaption() {
  FillMissingKeyDefaults(&g_keyBindings);
  g_joyResult = JOYERR_UNPLUGGED;
  g_messageHook = RecordMessage;
  g_messageCount = 0;
  CHECK_EQ(RunAssign(0, 6, true, Watch), 0);
  CHECK_EQ(GetBinding(0, 6, true), 1);
  CHECK_EQ(g_joyLastId, 0);
  CHECK_EQ(g_messageCount, 1);
  CHECK_STR(g_messages[0].text,
            "ゲームコントローラの検出時にエラーが発生しました。接続およびドライバを確認してください。");
  CHECK_STR(g_messages[0].caption, kTitle);
  CHECK_EQ(g_messages[0].flags, MB_ICONHAND);
  CHECK(g_messages[0].owner == g_dialog);
  g_messageHook = nullptr;
}

void RunTests() {
  g_joyGetPosEx = StandInJoyGetPosEx;
  g_owner = CreateWindowExA(0, "STATIC", "owner", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr, nullptr, nullptr);
  TemplateIsJapaneseWithAOneLineList();
  KeyboardAndPadModes();
  ControllerErrorHasLaunchersCaption();
  DestroyWindow(g_owner);
}
