#include "core/ui.h"

#include "core/edition.h"
#include "core/text.h"

MessageHook g_messageHook = nullptr;

int ShowMessage(HWND owner, const char* text, UINT flags) {
  if (g_messageHook != nullptr) return g_messageHook(owner, text, kTitle, flags);
  return MessageBoxA(owner, text, kTitle, flags);
}

void SetItemText(HWND dlg, int id, const char* text) { SetDlgItemTextA(dlg, id, text); }

void GetItemText(HWND dlg, int id, char* buf, int size) {
  if (size <= 0) return;
  buf[0] = '\0';
  GetDlgItemTextA(dlg, id, buf, size);
  buf[size - 1] = '\0';
  CutAtCharBoundary(buf, (size_t)size - 1);
}

void SetChecked(HWND dlg, int id, bool on) {
  SendDlgItemMessageA(dlg, id, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool IsChecked(HWND dlg, int id) {
  return SendDlgItemMessageA(dlg, id, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void EnableItem(HWND dlg, int id, bool on) { EnableWindow(GetDlgItem(dlg, id), on); }

void ShowItem(HWND dlg, int id, bool on) { ShowWindow(GetDlgItem(dlg, id), on ? SW_SHOW : SW_HIDE); }

int GetComboSelection(HWND dlg, int id) {
  LRESULT r = SendDlgItemMessageA(dlg, id, CB_GETCURSEL, 0, 0);
  return r == CB_ERR ? -1 : (int)r;
}

void SetComboSelection(HWND dlg, int id, int index) {
  SendDlgItemMessageA(dlg, id, CB_SETCURSEL, (WPARAM)index, 0);
}

void AddComboItem(HWND dlg, int id, const char* text) {
  SendDlgItemMessageA(dlg, id, CB_ADDSTRING, 0, (LPARAM)text);
}
