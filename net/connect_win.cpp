// Connect dialog: the host of a direct match, with the addresses used before.
#include "net/connect.h"

#include "core/edition.h"
#include "core/settings.h"
#include "core/ui.h"
#include "net/recent.h"
#include "res/ids_connect.h"


static const char* ReadRecentKey(const char* key, void*) { return GetConfigString(kRecentSection, key, ""); }

void FillRecentConnections(HWND combo) {
  RecentList list;
  LoadRecentList(ReadRecentKey, nullptr, &list);
  for (int i = 0; i < list.count; ++i) AddComboItem(combo, list.items[i]);
}

// The combo box's list as filled at creation (16 entries at most).
static void ReadShownList(HWND combo, RecentList* shown) {
  shown->count = 0;
  int items = (int)SendMessageA(combo, CB_GETCOUNT, 0, 0);
  // Every entry came from a value read into 256 bytes; one that would not fit
  // the buffer is not one of ours and is passed over rather than overrun it.
  for (int i = 0; i < items && shown->count < RECENT_MAX; ++i)
    if (GetComboItem(combo, i, shown->items[shown->count], RECENT_TEXT_SIZE)) ++shown->count;
}

void SaveRecentConnection(HWND combo, const char* address) {
  if (address[0] == '\0') return;
  RecentList shown;
  RecentList rewrite;
  ReadShownList(combo, &shown);
  int count = BuildRecentRewrite(&shown, address, CompareTextNoCase, &rewrite);
  // The list is saved whole or not at all. The join goes on whatever
  // happens, as the list is only a convenience; only a save that could not
  // have its turn is told (the player may have waited for it).
  BeginSettingsBurst();
  for (int n = 1; n <= count; ++n) {
    char key[16];
    FormatRecentKey(n, key, sizeof key);
    WriteConfigString(kRecentSection, key, rewrite.items[n - 1]);
  }
  if (!CommitSettingsBurst() && SettingsSaveLackedTurn())
    ShowMessage(GetParent(combo), kSettingsSaveBusy, MB_ICONERROR);
}

INT_PTR CALLBACK ConnectDlgProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_INITDIALOG: {
      SetWindowLongPtrA(dlg, DWLP_USER, lParam);
      // The template's 0,0 places the dialog at the top left of its owner's
      // client area; the platform moves it back onto the screen when the owner
      // sits near an edge, so the dialog is not moved here.
      HWND combo = GetDlgItem(dlg, IDC_CONNECT_ADDRESS);
      FillRecentConnections(combo);
      SetFocus(combo);
      return TRUE;
    }
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case IDOK: {
          char* address = (char*)GetWindowLongPtrA(dlg, DWLP_USER);
          GetItemText(dlg, IDC_CONNECT_ADDRESS, address, CONNECT_ADDRESS_SIZE);
          CutAtFirstSpace(address);
          SaveRecentConnection(GetDlgItem(dlg, IDC_CONNECT_ADDRESS), address);
          EndDialog(dlg, 1);
          break;
        }
        case IDCANCEL:
          EndDialog(dlg, 0);
          break;
      }
      return TRUE;
    case WM_CLOSE:
      EndDialog(dlg, 0);
      return TRUE;
  }
  return FALSE;
}
