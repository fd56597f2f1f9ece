// The options sheet frame of m_portal with recording pages: when pages are
// created, which pages are applied and in which order, a refused OK, Cancel,
// and the frame itself (tabs from the templates, no Apply and no "?" button).
#include "sheet_fixture.h"

#include "core/ui.h"

static std::vector<std::string> g_calls;
static HWND g_pageWnd[PAGE_COUNT];
static bool g_refuse[PAGE_COUNT];

static void Record(const char* what, int page, int id) {
  char buf[64];
  if (id != 0)
    wsprintfA(buf, "%s %d %d", what, page, id);
  else
    wsprintfA(buf, "%s %d", what, page);
  g_calls.push_back(buf);
}

template <int N>
static void RecLoad(HWND page) {
  g_pageWnd[N] = page;
  Record("load", N, 0);
}
// The templates' own controls report focus and edits too: only the test's ids count.
enum { TEST_ID_FIRST = 40000 };
template <int N>
static void RecCommand(HWND page, int id) {
  if (id >= TEST_ID_FIRST) Record("command", N, id);
}
// Writes one key when it accepts, so that a file shows which pages wrote.
template <int N>
static bool RecApply(HWND page) {
  Record("apply", N, 0);
  if (g_refuse[N]) {
    ShowMessage(page, "refused", MB_ICONEXCLAMATION);
    return false;
  }
  char key[16];
  wsprintfA(key, "Page%d", N);
  WriteGameIniInt("TEST", key, 1);
  return true;
}

// Pages 5 has no apply handler and page 6 none at all, as a page may.
static const PageHandlers kRecording[PAGE_COUNT] = {
    {RecLoad<0>, RecCommand<0>, RecApply<0>}, {RecLoad<1>, RecCommand<1>, RecApply<1>},
    {RecLoad<2>, RecCommand<2>, RecApply<2>}, {RecLoad<3>, RecCommand<3>, RecApply<3>},
    {RecLoad<4>, RecCommand<4>, RecApply<4>}, {RecLoad<5>, RecCommand<5>, nullptr},
    {nullptr, nullptr, nullptr},
};
static const PageHandlers* const kRecordingTable[PAGE_COUNT] = {
    &kRecording[0], &kRecording[1], &kRecording[2], &kRecording[3],
    &kRecording[4], &kRecording[5], &kRecording[6],
};

static std::string Calls() {
  std::string all;
  for (const std::string& c : g_calls) all += (all.empty() ? "" : ", ") + c;
  return all;
}

static void Fresh() {
  g_calls.clear();
  memset(g_pageWnd, 0, sizeof g_pageWnd);
  memset(g_refuse, 0, sizeof g_refuse);
  g_messageCount = 0;
  PutGameIni(nullptr);
  PutConfigFile(nullptr);
}

static void FrameAndOkAtOnce(HWND owner) {
  Fresh();
  BOOL r = RunSheet(owner, 0, {
      Check([owner](HWND sheet) {
        CHECK_TEXT(Calls(), "load 0");  // only the start page exists
        CheckSheetFrame(sheet, {"キーアサイン", "マッチアップ", "ショートカットメッセージ", "画面・描画", "サウンド",
                                "ブラウズ", "バージョン情報"});
        CHECK(IsWindowVisible(GetDlgItem(sheet, IDOK)));
        CHECK(IsWindowVisible(GetDlgItem(sheet, IDCANCEL)));
        CHECK(!IsWindowEnabled(owner));  // modal over its owner
        CHECK(PageWindow(sheet, 0) == g_pageWnd[0]);
      }),
      PressOk(),
  });
  CHECK_EQ(r, TRUE);
  CHECK_TEXT(Calls(), "load 0, apply 0");
  CHECK_TEXT(GameIniText(), "[TEST]\r\nPage0=1\r\n");
  CHECK(IsWindowEnabled(owner));
  CHECK_EQ(g_messageCount, 0);
}

static void PagesAreCreatedOnFirstDisplayOnly(HWND owner) {
  Fresh();
  BOOL r = RunSheet(owner, 0, {
      SelectPage(3),
      SelectPage(1),
      SelectPage(0),
      SelectPage(3),
      SelectPage(6),
      SelectPage(5),
      Check([](HWND) { CHECK_TEXT(Calls(), "load 0, load 3, load 1, load 5"); }),
      PressOk(),
  });
  CHECK_EQ(r, TRUE);
  // Applied in page order, created pages only; page 5 has nothing to apply.
  CHECK_TEXT(Calls(), "load 0, load 3, load 1, load 5, apply 0, apply 1, apply 3");
  CHECK_TEXT(GameIniText(), "[TEST]\r\nPage0=1\r\nPage1=1\r\nPage3=1\r\n");
}

static void AnotherStartPage(HWND owner) {
  Fresh();
  BOOL r = RunSheet(owner, 4, {
      Check([](HWND sheet) {
        CHECK_TEXT(Calls(), "load 4");
        CHECK(PageWindow(sheet, 0) == nullptr);
        CHECK(g_pageWnd[0] == nullptr);
      }),
      PressOk(),
  });
  CHECK_EQ(r, TRUE);
  CHECK_TEXT(Calls(), "load 4, apply 4");
}

static void RefusalKeepsTheSheetOpenAndWritesNothing(HWND owner) {
  Fresh();
  g_refuse[0] = true;
  g_messageHook = RecordMessage;
  BOOL r = RunSheet(owner, 0, {
      SelectPage(2),
      SelectPage(4),
      PressOk(),
      Check([](HWND sheet) {
        CHECK(IsWindowVisible(sheet));
        CHECK_TEXT(Calls(), "load 0, load 2, load 4, apply 0");
        CHECK_EQ(g_messageCount, 1);
        CHECK_TEXT(GameIniText(), "(missing)");
        // The player stays where he was.
        CHECK((HWND)SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0) == g_pageWnd[4]);
        g_refuse[0] = false;
        g_calls.clear();
      }),
      PressOk(),  // a later OK starts again from page 0
  });
  g_messageHook = nullptr;
  CHECK_EQ(r, TRUE);
  CHECK_TEXT(Calls(), "apply 0, apply 2, apply 4");
  CHECK_TEXT(GameIniText(), "[TEST]\r\nPage0=1\r\nPage2=1\r\nPage4=1\r\n");
}

static void RefusalStopsTheLaterPages(HWND owner) {
  Fresh();
  g_refuse[2] = true;
  g_messageHook = RecordMessage;
  BOOL r = RunSheet(owner, 0, {
      SelectPage(4),
      SelectPage(2),
      PressOk(),
      Check([](HWND sheet) {
        CHECK(IsWindowVisible(sheet));
        CHECK_TEXT(Calls(), "load 0, load 4, load 2, apply 0, apply 2");
      }),
      PressCancel(),
  });
  g_messageHook = nullptr;
  CHECK_EQ(r, TRUE);
  CHECK_TEXT(Calls(), "load 0, load 4, load 2, apply 0, apply 2");
}

static void CancelAndCloseWriteNothing(HWND owner) {
  Fresh();
  PutGameIni("[NETWORK]\r\nLog=1\r\n");
  BOOL r = RunSheet(owner, 0, {SelectPage(1), SelectPage(4), PressCancel()});
  CHECK_EQ(r, TRUE);
  CHECK_TEXT(Calls(), "load 0, load 1, load 4");
  CHECK_TEXT(GameIniText(), "[NETWORK]\r\nLog=1\r\n");

  g_calls.clear();
  r = RunSheet(owner, 0, {
      SelectPage(3),
      [](HWND sheet) { PostMessageA(sheet, WM_SYSCOMMAND, SC_CLOSE, 0); },
  });
  CHECK_EQ(r, TRUE);
  CHECK_TEXT(Calls(), "load 0, load 3");

  g_calls.clear();
  r = RunSheet(owner, 0, {
      SelectPage(2),
      [](HWND sheet) {
        HWND focus = GetDlgItem(sheet, IDOK);
        SetFocus(focus);
        PostMessageA(focus, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
      },
  });
  CHECK_EQ(r, TRUE);
  CHECK_TEXT(Calls(), "load 0, load 2");
  CHECK_TEXT(GameIniText(), "[NETWORK]\r\nLog=1\r\n");
}

static void DispatchOfCommandsAndNotifications(HWND owner) {
  Fresh();
  BOOL r = RunSheet(owner, 1, {
      Check([](HWND sheet) {
        HWND page = g_pageWnd[1];
        CHECK(page != nullptr);
        // The control id is the low word, whatever the notification code.
        SendMessageA(page, WM_COMMAND, MAKEWPARAM(44321, EN_CHANGE), 0);
        CHECK_TEXT(Calls(), "load 1, command 1 44321");
        CHECK_EQ(OptionsPageProc(page, WM_COMMAND, MAKEWPARAM(40077, 0), 0, PAGE_ONLINE), TRUE);
        // Only PSN_APPLY reaches a page; everything else is the platform's.
        NMHDR hdr = {GetParent(page), 0, (UINT)PSN_SETACTIVE};
        CHECK_EQ(OptionsPageProc(page, WM_NOTIFY, 0, (LPARAM)&hdr, PAGE_ONLINE), FALSE);
        hdr.code = (UINT)PSN_RESET;
        CHECK_EQ(OptionsPageProc(page, WM_NOTIFY, 0, (LPARAM)&hdr, PAGE_ONLINE), FALSE);
        hdr.code = (UINT)PSN_KILLACTIVE;
        CHECK_EQ(OptionsPageProc(page, WM_NOTIFY, 0, (LPARAM)&hdr, PAGE_ONLINE), FALSE);
        CHECK_EQ(OptionsPageProc(page, WM_TIMER, 1, 0, PAGE_ONLINE), FALSE);
        CHECK_TEXT(Calls(), "load 1, command 1 44321, command 1 40077");
        // An accepting apply leaves the result at 0, a refusing one keeps the sheet open.
        hdr.code = (UINT)PSN_APPLY;
        SetWindowLongPtrA(page, DWLP_MSGRESULT, 5);
        CHECK_EQ(OptionsPageProc(page, WM_NOTIFY, 0, (LPARAM)&hdr, PAGE_ONLINE), TRUE);
        CHECK_EQ(GetWindowLongPtrA(page, DWLP_MSGRESULT), PSNRET_NOERROR);
        g_refuse[1] = true;
        g_messageHook = RecordMessage;
        CHECK_EQ(OptionsPageProc(page, WM_NOTIFY, 0, (LPARAM)&hdr, PAGE_ONLINE), TRUE);
        CHECK(GetWindowLongPtrA(page, DWLP_MSGRESULT) != PSNRET_NOERROR);
        g_messageHook = nullptr;
        g_refuse[1] = false;
        // Pages without handlers accept and ignore.
        hdr.code = (UINT)PSN_APPLY;
        CHECK_EQ(OptionsPageProc(page, WM_NOTIFY, 0, (LPARAM)&hdr, PAGE_ABOUT), TRUE);
        CHECK_EQ(GetWindowLongPtrA(page, DWLP_MSGRESULT), PSNRET_NOERROR);
        CHECK_EQ(OptionsPageProc(page, WM_COMMAND, 5, 0, PAGE_ABOUT), TRUE);
        g_calls.clear();
      }),
      PressCancel(),
  });
  CHECK_EQ(r, TRUE);
  CHECK_TEXT(Calls(), "");
}

static void TheProgramsTable() {
  // The programs dispatch to their own pages unless a test says otherwise.
  CHECK(g_pageHandlers == kPageHandlers);
  for (int i = 0; i < PAGE_COUNT; ++i) CHECK(kPageHandlers[i] != nullptr);
}

void RunTests() {
  TheProgramsTable();
  g_pageHandlers = kRecordingTable;
  HWND owner = CreateWindowExA(0, "STATIC", "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 60, 40, 300, 200,
                               nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  FrameAndOkAtOnce(owner);
  PagesAreCreatedOnFirstDisplayOnly(owner);
  AnotherStartPage(owner);
  RefusalKeepsTheSheetOpenAndWritesNothing(owner);
  RefusalStopsTheLaterPages(owner);
  CancelAndCloseWriteNothing(owner);
  DispatchOfCommandsAndNotifications(owner);
  DestroyWindow(owner);
  g_pageHandlers = kPageHandlers;
}
