// launcher's connect dialog: English texts on the same frame, and the same
// recent list in its own configuration file.
#include "connect_fixture.h"

static HWND g_owner;

static void InspectThenTypeAndOk(HWND dlg) {
  const char* const texts[3] = {"Insert IP address below.",
                                "When no address is inserted, an opponent will be searched in our network.",
                                "Address: "};
  CheckConnectTexts(dlg, "Connect to server", texts);
  CheckDialogFrame(dlg, g_owner);
  CHECK_EQ(SendDlgItemMessageA(dlg, IDC_CONNECT_ADDRESS, CB_GETCOUNT, 0, 0), 2);
  TypeAndOk(dlg);
}

static void PressCancel(HWND dlg) {
  SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), (LPARAM)GetDlgItem(dlg, IDCANCEL));
}

void RunTests() {
  CheckConnectTemplate();
  g_owner = MakeOwner();
  char path[MAX_PATH];
  ConfigPath(path);
  CHECK(strstr(path, "LC_CONNECT_TEST.CFG") != nullptr);
  PutConfig("[Recent Connection]\r\nAddr01=first\r\nAddr02=second\r\n");
  g_typed = "host1 extra";
  CHECK_EQ(RunConnectDialog(g_owner, InspectThenTypeAndOk), 1);
  CHECK_STR(g_connectAddress, "host1");
  CHECK_STR(RecentValue(1), "host1");
  CHECK_STR(RecentValue(2), "first");
  CHECK_STR(RecentValue(3), "second");
  CHECK_EQ(RunConnectDialog(g_owner, PressCancel), 0);
  CHECK_STR(RecentValue(1), "host1");
  DestroyWindow(g_owner);
}
