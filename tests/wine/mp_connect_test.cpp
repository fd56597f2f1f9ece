// m_portal's connect dialog: its frame and texts, the list filled from the
// configuration file, and what OK, cancel and close leave behind.
#include "connect_fixture.h"

static HWND g_owner;

static int ComboCount(HWND dlg) { return (int)SendDlgItemMessageA(dlg, IDC_CONNECT_ADDRESS, CB_GETCOUNT, 0, 0); }

static void ComboItem(HWND dlg, int i, char* out) {
  out[0] = 0;
  LRESULT len = SendDlgItemMessageA(dlg, IDC_CONNECT_ADDRESS, CB_GETLBTEXTLEN, (WPARAM)i, 0);
  if (len >= 0 && len < 300) SendDlgItemMessageA(dlg, IDC_CONNECT_ADDRESS, CB_GETLBTEXT, (WPARAM)i, (LPARAM)out);
}

static void InspectThenTypeAndOk(HWND dlg) {
  char title[64];
  GetWindowTextA(dlg, title, sizeof title);
  CHECK_STR(title, "サーバへ接続");
  CheckDialogFrame(dlg, g_owner);
  StaticTexts s = {};
  EnumChildWindows(dlg, CollectStatic, (LPARAM)&s);
  CHECK_EQ(s.count, 3);
  CHECK_STR(s.text[0], "以下のテキストボックスに接続先を入力してください。\nIPアドレスの直接入力もできます。");
  CHECK_STR(s.text[1], "何も入力しない場合は、自ネットワーク内から\n対戦相手を探します。");
  CHECK_STR(s.text[2], "接続先 : ");
  CHECK_EQ(ComboCount(dlg), 0);
  TypeAndOk(dlg);
}

static void NoFileThenOk() {
  PutConfig(nullptr);
  g_typed = "host1 extra";
  CHECK_EQ(RunConnectDialog(g_owner, InspectThenTypeAndOk), 1);
  CHECK_STR(g_connectAddress, "host1");
  CHECK_STR(RecentValue(1), "host1");
  CHECK_STR(RecentValue(2), "(none)");
}

// The list as shown, recorded by the action that then types and confirms.
static int g_shownCount;
static char g_shown[17][300];
static void RecordListThenOk(HWND dlg) {
  g_shownCount = ComboCount(dlg);
  for (int i = 0; i < g_shownCount && i < 17; ++i) ComboItem(dlg, i, g_shown[i]);
  TypeAndOk(dlg);
}

static void SixteenEntriesAndOneBeyond() {
  char file[4096] = "[Recent Connection]\r\n";
  for (int n = 1; n <= 16; ++n) {
    char line[64];
    wsprintfA(line, "Addr%02d=h%02d\r\n", n, n);
    lstrcatA(file, line);
  }
  lstrcatA(file, "Addr17=beyond\r\n[m_portal]\r\nMatchup_Mode=2\r\n");
  PutConfig(file);
  g_typed = "new";
  CHECK_EQ(RunConnectDialog(g_owner, RecordListThenOk), 1);
  CHECK_EQ(g_shownCount, 16);
  CHECK_STR(g_shown[0], "h01");
  CHECK_STR(g_shown[15], "h16");
  CHECK_STR(RecentValue(1), "new");
  CHECK_STR(RecentValue(2), "h01");
  CHECK_STR(RecentValue(16), "h15");
  CHECK_STR(RecentValue(17), "beyond");
  CHECK_STR(GetConfigString("m_portal", "Matchup_Mode", ""), "2");  // other sections untouched
}

static void GapEndsTheListAndIsFilledOnSave() {
  PutConfig("[Recent Connection]\r\nAddr01=a\r\nAddr02=b\r\nAddr04=d\r\n");
  g_typed = "c";
  CHECK_EQ(RunConnectDialog(g_owner, RecordListThenOk), 1);
  CHECK_EQ(g_shownCount, 2);
  CHECK_STR(RecentValue(1), "c");
  CHECK_STR(RecentValue(2), "a");
  CHECK_STR(RecentValue(3), "b");
  CHECK_STR(RecentValue(4), "d");
  g_typed = "";
  CHECK_EQ(RunConnectDialog(g_owner, RecordListThenOk), 1);
  CHECK_EQ(g_shownCount, 4);  // the entry behind the former gap is listed again
  CHECK_STR(g_shown[3], "d");
}

static void LongEntriesAreKeptWhole() {
  char full[256], dbcs[256], over[400];
  memset(full, 'x', 255);
  full[255] = 0;
  memset(dbcs, 'z', 253);
  lstrcpyA(dbcs + 253, "漢");
  memset(over, 'q', 300);
  over[300] = 0;
  char file[2048];
  wsprintfA(file, "[Recent Connection]\r\nAddr01=%s\r\nAddr02=%s\r\nAddr03=%s\r\n", full, dbcs, over);
  PutConfig(file);
  g_typed = "new";
  CHECK_EQ(RunConnectDialog(g_owner, RecordListThenOk), 1);
  CHECK_EQ(g_shownCount, 3);
  CHECK_STR(g_shown[0], full);
  CHECK_STR(g_shown[1], dbcs);
  CHECK_EQ(lstrlenA(g_shown[2]), 255);
  CHECK_STR(RecentValue(1), "new");
  CHECK_STR(RecentValue(2), full);
  CHECK_STR(RecentValue(3), dbcs);
  CHECK_EQ(lstrlenA(RecentValue(4)), 255);
}

static void TypedFormReplacesOtherCase() {
  PutConfig("[Recent Connection]\r\nAddr01=a\r\nAddr02=HOST\r\nAddr03=b\r\n");
  CHECK_EQ(TypeAndConfirm(g_owner, "host"), 1);
  CHECK_STR(RecentValue(1), "host");
  CHECK_STR(RecentValue(2), "a");
  CHECK_STR(RecentValue(3), "b");
  CHECK_STR(RecentValue(4), "(none)");
  // Only letter case is folded: a hyphen makes another address.
  PutConfig("[Recent Connection]\r\nAddr01=host1\r\n");
  CHECK_EQ(TypeAndConfirm(g_owner, "HOST-1"), 1);
  CHECK_STR(RecentValue(1), "HOST-1");
  CHECK_STR(RecentValue(2), "host1");
}

static void ChooseSecondItem(HWND dlg) {
  SendDlgItemMessageA(dlg, IDC_CONNECT_ADDRESS, CB_SETCURSEL, 1, 0);
  SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(IDC_CONNECT_ADDRESS, CBN_SELCHANGE),
               (LPARAM)GetDlgItem(dlg, IDC_CONNECT_ADDRESS));
  SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), (LPARAM)GetDlgItem(dlg, IDOK));
}

static void ChosenEntryMovesToTheTop() {
  PutConfig("[Recent Connection]\r\nAddr01=a\r\nAddr02=b\r\nAddr03=c\r\n");
  CHECK_EQ(RunConnectDialog(g_owner, ChooseSecondItem), 1);
  CHECK_STR(g_connectAddress, "b");
  CHECK_STR(RecentValue(1), "b");
  CHECK_STR(RecentValue(2), "a");
  CHECK_STR(RecentValue(3), "c");
}

static void WholeFile(char* buf, int size) {
  char path[MAX_PATH];
  ConfigPath(path);
  ReadWholeFile(path, buf, size);
}

static void EmptyOrLeadingSpaceWritesNothing() {
  const char kFile[] = "[Recent Connection]\r\nAddr01=a\r\n";
  PutConfig(kFile);
  CHECK_EQ(TypeAndConfirm(g_owner, ""), 1);
  CHECK_STR(g_connectAddress, "");
  CHECK_EQ(TypeAndConfirm(g_owner, " host"), 1);
  CHECK_STR(g_connectAddress, "");
  char now[256];
  WholeFile(now, sizeof now);
  CHECK_STR(now, kFile);
}

static void OnlyTheSingleByteSpaceCuts() {
  PutConfig(nullptr);
  CHECK_EQ(TypeAndConfirm(g_owner, "host\x81\x40x y"), 1);  // full-width space inside
  CHECK_STR(g_connectAddress, "host\x81\x40x");
  CHECK_STR(RecentValue(1), "host\x81\x40x");
  CHECK_EQ(TypeAndConfirm(g_owner, "a\tb c"), 1);
  CHECK_STR(g_connectAddress, "a\tb");
  CHECK_EQ(TypeAndConfirm(g_owner, "サーバ１ 2"), 1);
  CHECK_STR(g_connectAddress, "サーバ１");
}

static void LongInputIsBounded() {
  PutConfig(nullptr);
  char text[400];
  memset(text, 'L', 300);
  text[300] = 0;
  CHECK_EQ(TypeAndConfirm(g_owner, text), 1);
  CHECK_EQ(lstrlenA(g_connectAddress), 127);
  CHECK_EQ(lstrlenA(RecentValue(1)), 127);
  // A double-byte character across the 127th byte is left out whole.
  memset(text, 'M', 126);
  lstrcpyA(text + 126, "漢字");
  CHECK_EQ(TypeAndConfirm(g_owner, text), 1);
  CHECK_EQ(lstrlenA(g_connectAddress), 126);
  CHECK_STR(RecentValue(1), g_connectAddress);
  memset(text, 'N', 127);
  text[127] = 0;
  CHECK_EQ(TypeAndConfirm(g_owner, text), 1);
  CHECK_EQ(lstrlenA(g_connectAddress), 127);
  // A lead byte with nothing behind it: nothing past the buffer, no half character kept.
  CHECK_EQ(TypeAndConfirm(g_owner, "ab\x82"), 1);
  CHECK(g_connectAddress[0] == 'a' && g_connectAddress[1] == 'b');
  int n = lstrlenA(g_connectAddress);
  CHECK(n < 128);
  CHECK(n == 0 || !IsLeadByte932((unsigned char)g_connectAddress[n - 1]));
}

static void PressCancel(HWND dlg) {
  SetDlgItemTextA(dlg, IDC_CONNECT_ADDRESS, "other");
  SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), (LPARAM)GetDlgItem(dlg, IDCANCEL));
}

static void SendClose(HWND dlg) {
  SetDlgItemTextA(dlg, IDC_CONNECT_ADDRESS, "other");
  SendMessageA(dlg, WM_CLOSE, 0, 0);
}

static bool g_stillOpen;
static void OtherCommandsDoNothing(HWND dlg) {
  SetDlgItemTextA(dlg, IDC_CONNECT_ADDRESS, "other");
  SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(IDC_CONNECT_ADDRESS, CBN_EDITCHANGE),
               (LPARAM)GetDlgItem(dlg, IDC_CONNECT_ADDRESS));
  SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(1003, BN_CLICKED), 0);
  g_stillOpen = IsWindow(dlg) && IsWindowVisible(dlg);
  SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
}

static void CancelAndCloseWriteNothing() {
  const char kFile[] = "[Recent Connection]\r\nAddr01=a\r\nAddr02=b\r\n";
  PutConfig(kFile);
  CHECK_EQ(TypeAndConfirm(g_owner, "kept"), 1);
  PutConfig(kFile);
  CHECK_EQ(RunConnectDialog(g_owner, PressCancel), 0);
  CHECK_EQ(RunConnectDialog(g_owner, SendClose), 0);
  CHECK_EQ(RunConnectDialog(g_owner, OtherCommandsDoNothing), 0);
  CHECK(g_stillOpen);
  CHECK_STR(g_connectAddress, "kept");  // stays until the next OK
  char now[256];
  WholeFile(now, sizeof now);
  CHECK_STR(now, kFile);
}

// With the owner near the screen's bottom-right corner the dialog still lies
// wholly on the screen.
static RECT g_placed;
static void RecordPlaceAndCancel(HWND dlg) {
  GetWindowRect(dlg, &g_placed);
  PressCancel(dlg);
}

static void OnScreenWhenTheOwnerSitsInTheCorner() {
  int cx = GetSystemMetrics(SM_CXSCREEN), cy = GetSystemMetrics(SM_CYSCREEN);
  SetWindowPos(g_owner, nullptr, cx - 120, cy - 90, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  CHECK_EQ(RunConnectDialog(g_owner, RecordPlaceAndCancel), 0);
  CHECK(g_placed.left >= 0 && g_placed.top >= 0);
  CHECK(g_placed.right <= cx && g_placed.bottom <= cy);
}

void RunTests() {
  CheckConnectTemplate();
  g_owner = MakeOwner();
  NoFileThenOk();
  SixteenEntriesAndOneBeyond();
  GapEndsTheListAndIsFilledOnSave();
  LongEntriesAreKeptWhole();
  TypedFormReplacesOtherCase();
  ChosenEntryMovesToTheTop();
  EmptyOrLeadingSpaceWritesNothing();
  OnlyTheSingleByteSpaceCuts();
  LongInputIsBounded();
  CancelAndCloseWriteNothing();
  OnScreenWhenTheOwnerSitsInTheCorner();
  DestroyWindow(g_owner);
}
