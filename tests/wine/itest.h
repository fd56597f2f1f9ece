// A small test harness for the integration tests that run under Wine: each
// test program defines RunTests(); CHECKs are counted and the program prints
// "N passed, N failed" and exits non-zero on any failure.
#pragma once
#include <windows.h>
#include <commctrl.h>
#include <prsht.h>
#include <stdio.h>
#include <string.h>

#include <string>

#include "core/edition.h"
#include "core/settings.h"
#include "options/sheet.h"

static int g_itestPassed, g_itestFailed;

static inline void ItestCheck(bool ok, const char* what, const char* file, int line) {
  if (ok) {
    ++g_itestPassed;
  } else {
    ++g_itestFailed;
    printf("FAIL %s:%d: %s\n", file, line, what);
    fflush(stdout);
  }
}

// Text in CP932 is printed as hex so that a failure is readable anywhere.
static inline void ItestPrintText(const char* label, const char* s) {
  printf("  %s: \"", label);
  for (const unsigned char* p = (const unsigned char*)s; *p; ++p) {
    if (*p >= 0x20 && *p < 0x7F) putchar(*p);
    else printf("\\x%02X", *p);
  }
  printf("\"\n");
}

#define CHECK(cond) ItestCheck((cond), #cond, __FILE__, __LINE__)
#define CHECK_EQ(a, b)                                                               \
  do {                                                                               \
    long long va_ = (long long)(a), vb_ = (long long)(b);                            \
    ItestCheck(va_ == vb_, #a " == " #b, __FILE__, __LINE__);                        \
    if (va_ != vb_) printf("  got %lld, expected %lld\n", va_, vb_);                 \
  } while (0)
#define CHECK_STR(a, b)                                                              \
  do {                                                                               \
    const char* sa_ = (a);                                                           \
    const char* sb_ = (b);                                                           \
    bool eq_ = sa_ != nullptr && strcmp(sa_, sb_) == 0;                              \
    ItestCheck(eq_, #a " == " #b, __FILE__, __LINE__);                               \
    if (!eq_) {                                                                      \
      ItestPrintText("got", sa_ ? sa_ : "(null)");                                   \
      ItestPrintText("expected", sb_);                                               \
    }                                                                                \
  } while (0)

void RunTests();

int main() {
  RunTests();
  printf("%d passed, %d failed\n", g_itestPassed, g_itestFailed);
  fflush(stdout);
  return g_itestFailed == 0 ? 0 : 1;
}

// Like CHECK_STR, for std::string results (kept alive for the comparison).
#define CHECK_TEXT(a, b)                                                             \
  do {                                                                               \
    std::string ta_ = (a), tb_ = (b);                                                \
    ItestCheck(ta_ == tb_, #a " == " #b, __FILE__, __LINE__);                        \
    if (ta_ != tb_) {                                                                \
      ItestPrintText("got", ta_.c_str());                                            \
      ItestPrintText("expected", tb_.c_str());                                       \
    }                                                                                \
  } while (0)

// ---- a page of the options sheet, hosted alone -----------------------------------
// Each page dialog is created from the program's own template under a host
// window, with the sheet's page procedure, and receives the notifications the
// sheet would send.

template <int Index>
static INT_PTR CALLBACK TestPageProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  return OptionsPageProc(w, m, wp, lp, Index);
}

// A page as the template alone makes it, without the load handler.
static inline INT_PTR CALLBACK BarePageProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

static HWND g_pageHost;

static inline HWND Host() {
  if (g_pageHost == nullptr) {
    g_pageHost = CreateWindowExA(0, "STATIC", "pages test", WS_POPUP | WS_VISIBLE, 10, 10, 600, 450,
                             nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  }
  return g_pageHost;
}

static inline HWND OpenPageWith(int templateId, DLGPROC proc) {
  HWND page = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId), Host(), proc, 0);
  CHECK(page != nullptr);
  if (page != nullptr) {
    EnableWindow(page, TRUE);  // the sheet enables its pages
    ShowWindow(page, SW_SHOW);
  }
  return page;
}

template <int Index>
static inline HWND OpenPage(int templateId) {
  return OpenPageWith(templateId, TestPageProc<Index>);
}

// PSN_APPLY as the sheet sends it on OK; returns the page's answer (0 accepts).
static inline LONG_PTR ApplyPage(HWND page) {
  PSHNOTIFY n;
  memset(&n, 0, sizeof n);
  n.hdr.hwndFrom = GetParent(page);
  n.hdr.idFrom = 0;
  n.hdr.code = (UINT)PSN_APPLY;
  SetWindowLongPtrA(page, DWLP_MSGRESULT, 12345);
  // A dialog answers a notification with its message result.
  LRESULT answer = SendMessageA(page, WM_NOTIFY, 0, (LPARAM)&n);
  CHECK_EQ(answer, GetWindowLongPtrA(page, DWLP_MSGRESULT));
  return GetWindowLongPtrA(page, DWLP_MSGRESULT);
}

// ---- controls -----------------------------------------------------------------------

// A push of the button as the player makes it (automatic radios switch).
static inline void Click(HWND page, int id) { SendDlgItemMessageA(page, id, BM_CLICK, 0, 0); }

// A control's command as the control itself sends it.
static inline void SendCommand(HWND page, int id, int code) {
  SendMessageA(page, WM_COMMAND, MAKEWPARAM(id, code), (LPARAM)GetDlgItem(page, id));
}

static inline std::string ItemText(HWND page, int id) {
  char buf[2048] = "";
  GetDlgItemTextA(page, id, buf, sizeof buf);
  return buf;
}

static inline void SetText(HWND page, int id, const char* text) { SetDlgItemTextA(page, id, text); }

static inline bool Checked(HWND page, int id) {
  return SendDlgItemMessageA(page, id, BM_GETCHECK, 0, 0) == BST_CHECKED;
}
static inline void SetCheck(HWND page, int id, bool on) {
  SendDlgItemMessageA(page, id, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
}
static inline bool Enabled(HWND page, int id) { return IsWindowEnabled(GetDlgItem(page, id)) != FALSE; }
static inline bool Visible(HWND page, int id) { return IsWindowVisible(GetDlgItem(page, id)) != FALSE; }
static inline int ListSel(HWND page, int id) { return (int)SendDlgItemMessageA(page, id, CB_GETCURSEL, 0, 0); }
static inline int ListCount(HWND page, int id) { return (int)SendDlgItemMessageA(page, id, CB_GETCOUNT, 0, 0); }
// The list choice of a player: select, then the list's notification.
static inline void ChooseListItem(HWND page, int id, int index) {
  SendDlgItemMessageA(page, id, CB_SETCURSEL, (WPARAM)index, 0);
  SendCommand(page, id, CBN_SELCHANGE);
}
static inline std::string ListItem(HWND page, int id, int index) {
  char buf[256] = "";
  if (SendDlgItemMessageA(page, id, CB_GETLBTEXTLEN, (WPARAM)index, 0) < 200)
    SendDlgItemMessageA(page, id, CB_GETLBTEXT, (WPARAM)index, (LPARAM)buf);
  return buf;
}
static inline DWORD Style(HWND page, int id) { return (DWORD)GetWindowLongPtrA(GetDlgItem(page, id), GWL_STYLE); }
static inline DWORD ExStyle(HWND page, int id) {
  return (DWORD)GetWindowLongPtrA(GetDlgItem(page, id), GWL_EXSTYLE);
}

// ---- fixtures ---------------------------------------------------------------

static inline void SetRegString(const char* key, const char* name, const char* value) {
  HKEY k;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, key, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &k, nullptr) == ERROR_SUCCESS) {
    RegSetValueExA(k, name, 0, REG_SZ, (const BYTE*)value, (DWORD)strlen(value) + 1);
    RegCloseKey(k);
  }
}

static inline void SetRegBytes(const char* key, const char* name, DWORD type, const void* data, DWORD size) {
  HKEY k;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, key, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &k, nullptr) == ERROR_SUCCESS) {
    RegSetValueExA(k, name, 0, type, (const BYTE*)data, size);
    RegCloseKey(k);
  }
}

static inline void DeleteRegValue(const char* key, const char* name) {
  HKEY k;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, key, 0, KEY_SET_VALUE, &k) == ERROR_SUCCESS) {
    RegDeleteValueA(k, name);
    RegCloseKey(k);
  }
}

// A registry value kept before a test changes it, to be put back after.
struct SavedRegValue {
  char data[MAX_PATH];
  DWORD type, size;
};

static inline SavedRegValue SaveRegValue(const char* key, const char* name) {
  SavedRegValue v = {"", REG_EXPAND_SZ, sizeof v.data};
  HKEY k;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, key, 0, KEY_QUERY_VALUE, &k) == ERROR_SUCCESS) {
    RegQueryValueExA(k, name, nullptr, &v.type, (BYTE*)v.data, &v.size);
    RegCloseKey(k);
  }
  return v;
}

static const char kShellFolders[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";

// Whole file into buf (terminated); returns the length or -1.
static inline int ReadWholeFile(const char* path, char* buf, int size) {
  HANDLE f = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
  if (f == INVALID_HANDLE_VALUE) {
    buf[0] = 0;
    return -1;
  }
  DWORD got = 0;
  ReadFile(f, buf, (DWORD)size - 1, &got, nullptr);
  CloseHandle(f);
  buf[got] = 0;
  return (int)got;
}

static inline void WriteWholeFile(const char* path, const char* text) {
  HANDLE f = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (f == INVALID_HANDLE_VALUE) return;
  DWORD w;
  WriteFile(f, text, (DWORD)strlen(text), &w, nullptr);
  CloseHandle(f);
}

// Message boxes are recorded instead of shown (core/ui.h's hook).
struct RecordedMessage {
  char text[1024];
  char caption[128];
  UINT flags;
  HWND owner;
};
static RecordedMessage g_messages[16];
static int g_messageCount;
static int g_messageAnswer = IDOK;

static inline int RecordMessage(HWND owner, const char* text, const char* caption, UINT flags) {
  if (g_messageCount < 16) {
    RecordedMessage* m = &g_messages[g_messageCount];
    lstrcpynA(m->text, text, sizeof m->text);
    lstrcpynA(m->caption, caption, sizeof m->caption);
    m->flags = flags;
    m->owner = owner;
  }
  ++g_messageCount;
  return g_messageAnswer;
}

// Runs the message loop for about ms milliseconds (timers, posted messages).
static inline void PumpMessages(DWORD ms) {
  DWORD start = GetTickCount();
  MSG msg;
  while (GetTickCount() - start < ms) {
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    Sleep(10);
  }
}

// Replaces Zanto.ini with text as it is (nullptr: no file at all).
static inline void PutGameIni(const char* text) {
  char path[MAX_PATH];
  GetGameIniPath(path);
  DeleteFileA(path);
  if (text == nullptr) return;
  char folder[MAX_PATH];
  lstrcpynA(folder, GetSettingsDir(), MAX_PATH);
  for (char* p = folder + 3; *p != 0; ++p) {  // the game may never have run: no folder yet
    if (*p != '\\') continue;
    *p = 0;
    CreateDirectoryA(folder, nullptr);
    *p = '\\';
  }
  WriteWholeFile(path, text);
}
