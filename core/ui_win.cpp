#include "core/ui.h"

#include "core/edition.h"
#include "core/platform.h"
#include "core/radio_group.h"
#include "core/text.h"
#include "core/text932_win.h"

MessageHook g_messageHook = nullptr;

bool UseWideCalls() {
  static const bool wide = !IsWin9xPlatform();
  return wide;
}

int ShowMessage(HWND owner, const char* text, UINT flags) {
  if (g_messageHook != nullptr) return g_messageHook(owner, text, kTitle, flags);
  if (!UseWideCalls()) return MessageBoxA(owner, text, kTitle, flags);
  wchar_t wideText[WIDE_TEXT_SIZE];
  wchar_t caption[256];
  WideFrom932(text, wideText, WIDE_TEXT_SIZE);
  WideFrom932(kTitle, caption, 256);
  return MessageBoxW(owner, wideText, caption, flags);
}

INT_PTR ShowDialog(HWND owner, int templateId, DLGPROC proc, LPARAM param) {
  if (!UseWideCalls())
    return DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId), owner, proc, param);
  return DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId), owner, proc, param);
}

void SetWindowTitle(HWND wnd, const char* text) {
  if (!UseWideCalls()) {
    SetWindowTextA(wnd, text);
    return;
  }
  wchar_t wide[WIDE_TEXT_SIZE];
  WideFrom932(text, wide, WIDE_TEXT_SIZE);
  SetWindowTextW(wnd, wide);
}

void SetItemText(HWND dlg, int id, const char* text) {
  if (!UseWideCalls()) {
    SetDlgItemTextA(dlg, id, text);
    return;
  }
  wchar_t wide[WIDE_TEXT_SIZE];
  WideFrom932(text, wide, WIDE_TEXT_SIZE);
  SetDlgItemTextW(dlg, id, wide);
}

// Each wide unit gives at least one byte, so size units hold whatever can fit
// in size bytes.
static void ReadItemWide(HWND dlg, int id, wchar_t* wide, int size) {
  wide[0] = L'\0';
  GetDlgItemTextW(dlg, id, wide, size);
  wide[size - 1] = L'\0';
}

static void ReadItemNarrow(HWND dlg, int id, char* buf, int size) {
  buf[0] = '\0';
  GetDlgItemTextA(dlg, id, buf, size);
  buf[size - 1] = '\0';
  CutAtCharBoundary(buf, (size_t)size - 1);
}

void GetItemText(HWND dlg, int id, char* buf, int size) {
  if (size <= 0) return;
  if (!UseWideCalls()) {
    ReadItemNarrow(dlg, id, buf, size);
    return;
  }
  wchar_t wide[WIDE_TEXT_SIZE];
  int units = size < WIDE_TEXT_SIZE ? size : WIDE_TEXT_SIZE;
  ReadItemWide(dlg, id, wide, units);
  TextFromWide(wide, buf, size);
}

void GetControlText(HWND control, char* buf, int size) {
  if (size <= 0) return;
  buf[0] = '\0';
  if (!UseWideCalls()) {
    GetWindowTextA(control, buf, size);
    buf[size - 1] = '\0';
    CutAtCharBoundary(buf, (size_t)size - 1);
    return;
  }
  wchar_t wide[WIDE_TEXT_SIZE];
  int units = size < WIDE_TEXT_SIZE ? size : WIDE_TEXT_SIZE;
  wide[0] = L'\0';
  GetWindowTextW(control, wide, units);
  wide[units - 1] = L'\0';
  TextFromWide(wide, buf, size);
}

void GetStoredItemText(HWND dlg, int id, const char* stored, char* buf, int size) {
  if (size <= 0) return;
  // The narrow controls give back the bytes they were given.
  if (!UseWideCalls()) {
    ReadItemNarrow(dlg, id, buf, size);
    return;
  }
  wchar_t shown[WIDE_TEXT_SIZE];
  wchar_t storedWide[WIDE_TEXT_SIZE];
  ReadItemWide(dlg, id, shown, WIDE_TEXT_SIZE);
  WideFrom932(stored, storedWide, WIDE_TEXT_SIZE);
  if (lstrcmpW(shown, storedWide) == 0 && TextCopy(stored, buf, (size_t)size)) return;
  TextFromWide(shown, buf, size);
}

// Messages without text go narrow everywhere: 9x lacks the wide sending.
void SetChecked(HWND dlg, int id, bool on) {
  SendDlgItemMessageA(dlg, id, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool IsChecked(HWND dlg, int id) {
  return SendDlgItemMessageA(dlg, id, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void EnableItem(HWND dlg, int id, bool on) { EnableWindow(GetDlgItem(dlg, id), on); }

void KeepRadioTabStop(HWND dlg, const int* ids, int count) {
  enum { MOST = 8 };
  bool checked[MOST], enabled[MOST];
  if (count > MOST) count = MOST;
  for (int i = 0; i < count; ++i) {
    checked[i] = IsChecked(dlg, ids[i]);
    enabled[i] = IsWindowEnabled(GetDlgItem(dlg, ids[i])) != FALSE;
  }
  int stop = RadioTabStop(checked, enabled, count);
  for (int i = 0; i < count; ++i) {
    HWND radio = GetDlgItem(dlg, ids[i]);
    if (radio == nullptr) continue;
    LONG_PTR style = GetWindowLongPtrA(radio, GWL_STYLE);
    LONG_PTR wanted = i == stop ? (style | WS_TABSTOP) : (style & ~(LONG_PTR)WS_TABSTOP);
    if (wanted != style) SetWindowLongPtrA(radio, GWL_STYLE, wanted);
  }
}

void ShowItem(HWND dlg, int id, bool on) { ShowWindow(GetDlgItem(dlg, id), on ? SW_SHOW : SW_HIDE); }

int GetComboSelection(HWND dlg, int id) {
  LRESULT r = SendDlgItemMessageA(dlg, id, CB_GETCURSEL, 0, 0);
  return r == CB_ERR ? -1 : (int)r;
}

void SetComboSelection(HWND dlg, int id, int index) {
  SendDlgItemMessageA(dlg, id, CB_SETCURSEL, (WPARAM)index, 0);
}

void AddComboItem(HWND dlg, int id, const char* text) { AddComboItem(GetDlgItem(dlg, id), text); }

void AddComboItem(HWND combo, const char* text) {
  if (!UseWideCalls()) {
    SendMessageA(combo, CB_ADDSTRING, 0, (LPARAM)text);
    return;
  }
  wchar_t wide[WIDE_TEXT_SIZE];
  WideFrom932(text, wide, WIDE_TEXT_SIZE);
  SendMessageW(combo, CB_ADDSTRING, 0, (LPARAM)wide);
}

bool GetComboItem(HWND combo, int index, char* buf, int size) {
  if (size <= 0) return false;
  buf[0] = '\0';
  if (!UseWideCalls()) {
    LRESULT len = SendMessageA(combo, CB_GETLBTEXTLEN, (WPARAM)index, 0);
    if (len == CB_ERR || len < 0 || len >= size) return false;
    if (SendMessageA(combo, CB_GETLBTEXT, (WPARAM)index, (LPARAM)buf) != CB_ERR) return true;
    buf[0] = '\0';
    return false;
  }
  LRESULT len = SendMessageW(combo, CB_GETLBTEXTLEN, (WPARAM)index, 0);
  if (len == CB_ERR || len < 0 || len >= WIDE_TEXT_SIZE) return false;
  wchar_t wide[WIDE_TEXT_SIZE];
  wide[0] = L'\0';
  if (SendMessageW(combo, CB_GETLBTEXT, (WPARAM)index, (LPARAM)wide) == CB_ERR) return false;
  wide[WIDE_TEXT_SIZE - 1] = L'\0';
  char whole[2 * WIDE_TEXT_SIZE];
  TextFromWide(wide, whole, sizeof whole);
  return TextCopy(whole, buf, (size_t)size);
}

int CompareTextNoCase(const char* a, const char* b) {
  if (!UseWideCalls()) return lstrcmpiA(a, b);
  wchar_t wideA[WIDE_TEXT_SIZE];
  wchar_t wideB[WIDE_TEXT_SIZE];
  WideFrom932(a, wideA, WIDE_TEXT_SIZE);
  WideFrom932(b, wideB, WIDE_TEXT_SIZE);
  return lstrcmpiW(wideA, wideB);
}
