// Drives the connect dialog (102) in process: the dialog runs modally as in
// the programs, and a timer hands it to a test action once it is up.
#pragma once
#include "itest.h"
#include "dialog_template.h"

#include "core/settings.h"
#include "net/connect.h"
#include "net/recent.h"
#include "res/ids_connect.h"

typedef void (*ConnectAction)(HWND dlg);
static ConnectAction g_connectAction;
static UINT_PTR g_connectTimer;
static int g_connectTicks;

static inline BOOL CALLBACK FindConnectDialog(HWND wnd, LPARAM found) {
  if (IsWindowVisible(wnd) && GetDlgItem(wnd, IDC_CONNECT_ADDRESS) != nullptr) {
    *(HWND*)found = wnd;
    return FALSE;
  }
  return TRUE;
}

static inline void CALLBACK ConnectTimer(HWND, UINT, UINT_PTR, DWORD) {
  HWND dlg = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), FindConnectDialog, (LPARAM)&dlg);
  if (dlg == nullptr) {
    if (++g_connectTicks > 300) PostQuitMessage(0);  // never came up: do not hang the run
    return;
  }
  KillTimer(nullptr, g_connectTimer);
  g_connectAction(dlg);
}

// What the dialog leaves at OK, kept across runs as the main window's buffer would be.
static char g_connectAddress[CONNECT_ADDRESS_SIZE];

// Shows the dialog over owner, runs action inside it; returns the dialog's result.
static inline INT_PTR RunConnectDialog(HWND owner, ConnectAction action) {
  g_connectAction = action;
  g_connectTicks = 0;
  g_connectTimer = SetTimer(nullptr, 0, 20, ConnectTimer);
  INT_PTR result =
      DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_CONNECT), owner, ConnectDlgProc,
                      (LPARAM)g_connectAddress);
  KillTimer(nullptr, g_connectTimer);
  return result;
}

static inline HWND MakeOwner() {
  HWND owner = CreateWindowExA(0, "STATIC", "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 120, 90, 500, 400,
                               nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  PumpMessages(100);
  return owner;
}

// The whole configuration file of this test program, as it is on disk.
static inline void ConfigPath(char* path) { GetConfigFilePath(path); }

static inline void PutConfig(const char* text) {
  char path[MAX_PATH];
  ConfigPath(path);
  DeleteFileA(path);
  if (text != nullptr) WriteWholeFile(path, text);
}

static inline const char* RecentValue(int n) {
  char key[16];
  FormatRecentKey(n, key, sizeof key);
  return GetConfigString(kRecentSection, key, "(none)");
}

// Typing text into the field and pressing a button (OK or cancel).
static const char* g_typed;
static inline void TypeAndOk(HWND dlg) {
  SetDlgItemTextA(dlg, IDC_CONNECT_ADDRESS, g_typed);
  SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), (LPARAM)GetDlgItem(dlg, IDOK));
}

static inline INT_PTR TypeAndConfirm(HWND owner, const char* text) {
  g_typed = text;
  return RunConnectDialog(owner, TypeAndOk);
}

// The dialog's static texts in order (statics carry no id of their own).
struct StaticTexts {
  int count;
  char text[8][256];
};
static inline BOOL CALLBACK CollectStatic(HWND child, LPARAM lp) {
  StaticTexts* s = (StaticTexts*)lp;
  char cls[32];
  GetClassNameA(child, cls, sizeof cls);
  if (lstrcmpiA(cls, "Static") == 0 && s->count < 8) GetWindowTextA(child, s->text[s->count++], 256);
  return TRUE;
}

// ---- dialog 102 as the resource declares it ----------------------------------
static inline void CheckConnectTemplate() {
  DialogTemplate t;
  CHECK(LoadDialogTemplate(IDD_CONNECT, &t));
  CHECK_EQ(t.x, 0);
  CHECK_EQ(t.y, 0);
  CHECK_EQ(t.cx, 186);
  CHECK_EQ(t.cy, 119);
  CHECK_EQ(t.pointSize, 9);
  CHECK_STR(t.typeface, "ＭＳ Ｐゴシック");
  CHECK((t.style & DS_CENTER) == 0);
  CHECK((t.style & DS_MODALFRAME) != 0);
  CHECK((t.style & WS_SYSMENU) != 0);
  CHECK_EQ(t.count, 6);
  DWORD combo = TemplateItemStyle(IDD_CONNECT, IDC_CONNECT_ADDRESS);
  CHECK_EQ(combo & 3, CBS_DROPDOWN);
  CHECK((combo & (CBS_AUTOHSCROLL | CBS_SORT)) == 0);
  CHECK((combo & WS_VSCROLL) != 0);
  CHECK_EQ(TemplateItemStyle(IDD_CONNECT, IDOK) & 0x0F, BS_DEFPUSHBUTTON);
  CHECK_EQ(TemplateItemStyle(IDD_CONNECT, IDCANCEL) & 0x0F, BS_PUSHBUTTON);
}

// Geometry and style that both programs share.
static inline void CheckDialogFrame(HWND dlg, HWND owner) {
  POINT origin = {0, 0}, at = {0, 0};  // the template's 0,0 in the owner's client area
  ClientToScreen(owner, &origin);
  ClientToScreen(dlg, &at);
  CHECK_EQ(at.x, origin.x);
  CHECK_EQ(at.y, origin.y);
  RECT client = {0, 0, 186, 119};
  MapDialogRect(dlg, &client);
  RECT have;
  GetClientRect(dlg, &have);
  CHECK_EQ(have.right, client.right);
  CHECK_EQ(have.bottom, client.bottom);
  LONG style = GetWindowLongA(dlg, GWL_STYLE);
  CHECK((style & WS_SYSMENU) != 0);
  CHECK(GetWindow(dlg, GW_OWNER) == owner);

  HWND combo = GetDlgItem(dlg, IDC_CONNECT_ADDRESS);
  LONG cstyle = GetWindowLongA(combo, GWL_STYLE);
  CHECK_EQ(cstyle & 3, CBS_DROPDOWN);
  CHECK((cstyle & CBS_AUTOHSCROLL) == 0);
  CHECK((cstyle & CBS_SORT) == 0);
  // The combo box passes its scroll bar on to its list, which shows it only
  // when needed: the template is what says the list may scroll.
  CHECK((TemplateItemStyle(IDD_CONNECT, IDC_CONNECT_ADDRESS) & WS_VSCROLL) != 0);
  char text[64] = "x";
  GetDlgItemTextA(dlg, IDC_CONNECT_ADDRESS, text, sizeof text);
  CHECK_STR(text, "");
  HWND focus = GetFocus();
  CHECK(focus == combo || IsChild(combo, focus));
  CHECK((GetWindowLongA(GetDlgItem(dlg, IDOK), GWL_STYLE) & 0x0F) == BS_DEFPUSHBUTTON);
  GetDlgItemTextA(dlg, IDOK, text, sizeof text);
  CHECK_STR(text, "OK");
  GetDlgItemTextA(dlg, IDCANCEL, text, sizeof text);
  CHECK_STR(text, "キャンセル");
}

// The dialog's title and its three texts, in the program's language.
static inline void CheckConnectTexts(HWND dlg, const char* title, const char* const (&texts)[3]) {
  char got[64];
  GetWindowTextA(dlg, got, sizeof got);
  CHECK_STR(got, title);
  StaticTexts s = {};
  EnumChildWindows(dlg, CollectStatic, (LPARAM)&s);
  CHECK_EQ(s.count, 3);
  for (int i = 0; i < 3; ++i) CHECK_STR(s.text[i], texts[i]);
}
