// A small test harness for the integration tests that run under Wine: each
// test program defines RunTests(); CHECKs are counted and the program prints
// "N passed, N failed" and exits non-zero on any failure.
#pragma once
#include <windows.h>
#include <stdio.h>
#include <string.h>

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
