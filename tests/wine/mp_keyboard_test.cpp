// m_portal with the keyboard alone and a screen reader: the Tab walk over
// every page and dialog, the names of its inputs, a refused or failed OK
// leading the player back, and the tray icon answering keys.
#include "keyboard_fixture.h"

#include "apps/m_portal/main_window.h"
#include "core/edition.h"

static const char kSpectatorBox[] = "観戦モード（Rate値は100倍にして下さい。）";
static const InputName kNamed[] = {
    {IDC_ONL_MATCHUPMODE, "マッチアップモード"}, {IDC_ONL_SPECMODE, kSpectatorBox},
    {IDC_ONL_RATEMIN, kSpectatorBox},           {IDC_ONL_RATEMAX, kSpectatorBox},
    {IDC_ONL_MATCHUPRULE, "マッチアップルール"}, {IDC_ONL_SPECRULE, "観戦ルール"},
    {IDC_VID_RESOLUTION, "解像度"},             {IDC_VID_POS_Y, "表示位置 :\n(Pixel)"},
};

static void FailedSaveGoesBackToOk() {
  PutKeyboardIni("[NETWORK]\r\nLog=1\r\n");
  char path[MAX_PATH];
  GetGameIniPath(path);
  SetFileAttributesA(path, FILE_ATTRIBUTE_READONLY);
  g_messageHook = RecordMessage;
  g_messageCount = 0;
  RunSheet(nullptr, PAGE_CONTROLS, {SelectPage(PAGE_ONLINE), PressOk(), Check([](HWND sheet) {
                                      CHECK_EQ(g_messageCount, 1);
                                      CHECK_STR(g_messages[0].text, kSettingsSaveFailed);
                                      CHECK(GetFocus() == GetDlgItem(sheet, IDOK));
                                    }),
                                    PressCancel()});
  g_messageHook = nullptr;
  SetFileAttributesA(path, FILE_ATTRIBUTE_NORMAL);
}

// ---- the tray icon, its callback posted as the shell sends it ---------------------

static RECT g_menuRect;

// Runs inside the menu's own loop: notes where the menu is and closes it.
static void CALLBACK CloseMenu(HWND, UINT, UINT_PTR, DWORD) {
  HWND menu = FindWindowA("#32768", nullptr);
  if (menu == nullptr || !IsWindowVisible(menu)) return;
  GetWindowRect(menu, &g_menuRect);
  EndMenu();
}

// Posts the callback and lets it run; true when a menu was seen.
static bool PostTray(HWND wnd, WPARAM wParam, LPARAM lParam) {
  SetRectEmpty(&g_menuRect);
  UINT_PTR timer = SetTimer(nullptr, 0, 100, CloseMenu);
  PostMessageA(wnd, WM_USER, wParam, lParam);
  PumpMessages(600);
  KillTimer(nullptr, timer);
  return !IsRectEmpty(&g_menuRect);
}

static void TrayAnswersKeysAndClicks() {
  HWND wnd = OpenDialog(IDD_MAIN, MainDlgProc, 0);
  HideToTray(wnd);
  CHECK(!IsWindowVisible(wnd));
  printf("note: the shell took tray icon version %d\n", TrayIconVersion());
  if (TrayIconVersion() == 4) {
    const LPARAM icon = (LPARAM)121 << 16;
    CHECK(!PostTray(wnd, 0, icon | WM_RBUTTONDOWN));  // the context menu event opens it
    CHECK(PostTray(wnd, MAKEWPARAM(300, 400), icon | WM_CONTEXTMENU));
    CHECK_EQ(g_menuRect.left, 300);
    CHECK_EQ(g_menuRect.bottom, 400);
    CHECK(!IsWindowVisible(wnd));
    PostTray(wnd, MAKEWPARAM(300, 400), icon | 0x401);  // NIN_KEYSELECT: Enter on the icon
    CHECK(IsWindowVisible(wnd));
    CHECK(GetForegroundWindow() == wnd);
    HideToTray(wnd);
    PostTray(wnd, MAKEWPARAM(300, 400), icon | 0x400);  // NIN_SELECT
    CHECK(IsWindowVisible(wnd));
    HideToTray(wnd);
    PostTray(wnd, 121, WM_LBUTTONDOWN);  // the first form is no longer the icon's
    CHECK(!IsWindowVisible(wnd));
  } else {
    SetCursorPos(200, 300);
    CHECK(PostTray(wnd, 121, WM_RBUTTONDOWN));
    CHECK_EQ(g_menuRect.left, 200);
    CHECK_EQ(g_menuRect.bottom, 300);
  }
  PostTray(wnd, TrayIconVersion() == 4 ? 0 : 121, TrayIconVersion() == 4 ? (121 << 16) | WM_LBUTTONDOWN : WM_LBUTTONDOWN);
  CHECK(IsWindowVisible(wnd));
  DestroyWindow(wnd);
}

void RunTests() {
  WalkEveryPageAndDialog(kNamed, sizeof kNamed / sizeof kNamed[0]);
  BindingButtonNames("上", "ポーズ");
  RefusedOkLeadsToTheClash();
  FailedSaveGoesBackToOk();
  TrayAnswersKeysAndClicks();
}
