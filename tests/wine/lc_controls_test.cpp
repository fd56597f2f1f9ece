// launcher's Controls page: the same page as m_portal's with English texts,
// and the duplicate message under launcher's own title.
#include "itest.h"
#include "dialog_template.h"
#include "controls_fixture.h"

#include <prsht.h>

#include "core/settings.h"
#include "core/ui.h"
#include "options/bindings.h"
#include "options/controller.h"
#include "options/sheet.h"
#include "res/resource.h"

static MMRESULT WINAPI NoController(UINT, LPJOYINFOEX) { return JOYERR_UNPLUGGED; }

static INT_PTR CALLBACK PageProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  return OptionsPageProc(w, m, wp, lp, PAGE_CONTROLS);
}

static bool Apply(HWND page) {
  NMHDR h;
  h.hwndFrom = GetParent(page);
  h.idFrom = 0;
  h.code = PSN_APPLY;
  return SendMessageA(page, WM_NOTIFY, 0, (LPARAM)&h) == PSNRET_NOERROR;
}

static void EnglishTemplate() {
  DialogTemplate t;
  const ControlText texts[] = {
      {IDC_CTL_P1_KEYBOARD, "Keyboard"},
      {IDC_CTL_P1_PAD, "Game Pad"},
      {IDC_CTL_P1_DISABLE, "Disable"},
      {IDC_CTL_P2_KEYBOARD, "Keyboard"},
      {IDC_CTL_P2_PAD, "Game Pad"},
      {IDC_CTL_P2_DISABLE, "Disable"},
      {IDC_CTL_P1_UP_CAPTION, "Up"},
      {IDC_CTL_P1_DOWN_CAPTION, "Down"},
      {IDC_CTL_P1_LEFT_CAPTION, "Left"},
      {IDC_CTL_P1_RIGHT_CAPTION, "Right"},
      {IDC_CTL_P1_PAUSE_CAPTION, "Pause"},
      {IDC_CTL_P1_ROTL_CAPTION, "Rotate Left"},
      {IDC_CTL_P1_ROTR_CAPTION, "Rotate Right"},
      {IDC_CTL_P2_UP_CAPTION, "Up"},
      {IDC_CTL_P2_DOWN_CAPTION, "Down"},
      {IDC_CTL_P2_LEFT_CAPTION, "Left"},
      {IDC_CTL_P2_RIGHT_CAPTION, "Right"},
      {IDC_CTL_P2_PAUSE_CAPTION, "Pause"},
      {IDC_CTL_P2_ROTL_CAPTION, "Rotate Left"},
      {IDC_CTL_P2_ROTR_CAPTION, "Rotate Right"},
      {IDC_CTL_DEFAULT, "Default"},
      {IDC_CTL_P2_UP, "Def."},
      {IDC_CTL_P2_PAUSE, "O"},
      {IDC_CTL_P2_ROTR, "Def."},
  };
  CheckControlsTemplate(&t, "Controls", texts, sizeof texts / sizeof texts[0]);
  const TemplateItem* disable = FindTemplateItem(&t, IDC_CTL_P1_DISABLE);
  CHECK(disable != nullptr && (disable->style & WS_DISABLED) != 0);
}

static void LoadRefuseAndWrite() {
  char ini[MAX_PATH];
  GetGameIniPath(ini);
  WriteGameIniInt("X", "Y", 0);
  WriteWholeFile(ini, "[PERIPHERAL]\r\nPLAYER2 KEYBOARD RIGHT=22\r\n");
  HWND host = CreateWindowExA(0, "STATIC", "host", WS_POPUP, 0, 0, 800, 600, nullptr, nullptr, nullptr, nullptr);
  HWND page = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_PAGE_CONTROLS), host, PageProc, 0);
  CheckBindingColumns(page);  // both players on the keyboard: every button enabled
  char text[64];
  GetDlgItemTextA(page, IDC_CTL_P2_RIGHT, text, sizeof text);
  CHECK_STR(text, "U");
  CHECK(!IsWindowEnabled(GetDlgItem(page, IDC_CTL_P1_PAD)));
  CHECK(!IsWindowEnabled(GetDlgItem(page, IDC_CTL_P2_PAD)));

  char before[2048], after[2048];
  ReadWholeFile(ini, before, sizeof before);
  g_messageHook = RecordMessage;
  g_messageCount = 0;
  CHECK(!Apply(page));
  CHECK_EQ(g_messageCount, 1);
  CHECK_STR(g_messages[0].text, "以下のキー設定が重複しています。\n\nP2 RIGHT - P2 UP (U)\n");
  CHECK_STR(g_messages[0].caption, kTitle);
  CHECK_EQ(g_messages[0].flags, MB_ICONEXCLAMATION);
  CHECK(g_messages[0].owner == page);
  g_messageHook = nullptr;
  ReadWholeFile(ini, after, sizeof after);
  CHECK_STR(after, before);

  SendMessageA(page, WM_COMMAND, MAKEWPARAM(IDC_CTL_DEFAULT, BN_CLICKED), 0);  // Default
  CHECK(Apply(page));
  CHECK_EQ((int)GetGameIniInt("PERIPHERAL", "PLAYER2 KEYBOARD RIGHT", 0), 0x25);
  CHECK_EQ((int)GetGameIniInt("PERIPHERAL", "PLAYER1 KEYBOARD FIRE3", 0), 0x2D);
  CHECK_EQ((int)GetGameIniInt("PERIPHERAL", "PLAYER2 DEVICE", 0), 2);
  DestroyWindow(page);
  DestroyWindow(host);
}

void RunTests() {
  g_joyGetPosEx = NoController;
  EnglishTemplate();
  LoadRefuseAndWrite();
}
