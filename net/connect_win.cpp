// Connect dialog: added with the connect dialog.
#include "net/connect.h"

char g_connectAddress[128];

INT_PTR CALLBACK ConnectDlgProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM) {
  if (msg == WM_COMMAND) EndDialog(dlg, 0);
  return msg == WM_INITDIALOG;
}
