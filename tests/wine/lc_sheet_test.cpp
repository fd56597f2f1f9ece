// launcher's options sheet: the same frame with the English page templates,
// the same creation on first display, apply order and refusal.
#include "sheet_fixture.h"

#include "core/ui.h"

static std::string g_calls;
static bool g_refuseControls;

template <int N>
static void RecLoad(HWND) {
  g_calls += "L" + std::to_string(N);
}
template <int N>
static bool RecApply(HWND page) {
  g_calls += "A" + std::to_string(N);
  if (N == 0 && g_refuseControls) {
    ShowMessage(page, "duplicate", MB_ICONEXCLAMATION);
    return false;
  }
  return true;
}

static const PageHandlers kRecording[PAGE_COUNT] = {
    {RecLoad<0>, nullptr, RecApply<0>}, {RecLoad<1>, nullptr, RecApply<1>}, {RecLoad<2>, nullptr, RecApply<2>},
    {RecLoad<3>, nullptr, RecApply<3>}, {RecLoad<4>, nullptr, RecApply<4>}, {RecLoad<5>, nullptr, nullptr},
    {RecLoad<6>, nullptr, nullptr},
};
static const PageHandlers* const kRecordingTable[PAGE_COUNT] = {
    &kRecording[0], &kRecording[1], &kRecording[2], &kRecording[3],
    &kRecording[4], &kRecording[5], &kRecording[6],
};

static void EnglishTabsAndTheSameFrame() {
  g_calls.clear();
  BOOL r = RunSheet(nullptr, 0, {
      Check([](HWND sheet) {
        CheckSheetFrame(sheet, {"Controls", "Online", "Quick message", "Video settings", "Sound", "Folder", "About"});
      }),
      SelectPage(6),
      SelectPage(2),
      SelectPage(5),
      PressOk(),
  });
  CHECK_EQ(r, TRUE);
  CHECK_TEXT(g_calls, "L0L6L2L5A0A2");
}

static void RefusalAndCancel() {
  g_calls.clear();
  g_refuseControls = true;
  g_messageHook = RecordMessage;
  g_messageCount = 0;
  BOOL r = RunSheet(nullptr, 0, {
      SelectPage(1),
      PressOk(),
      Check([](HWND sheet) {
        CHECK(IsWindowVisible(sheet));
        CHECK_TEXT(g_calls, "L0L1A0");
        CHECK_EQ(g_messageCount, 1);
        CHECK_STR(g_messages[0].caption, kTitle);
      }),
      PressCancel(),
  });
  g_messageHook = nullptr;
  g_refuseControls = false;
  CHECK_EQ(r, TRUE);
  CHECK_TEXT(g_calls, "L0L1A0");
}

void RunTests() {
  CHECK(g_pageHandlers == kPageHandlers);
  g_pageHandlers = kRecordingTable;
  EnglishTabsAndTheSameFrame();
  RefusalAndCancel();
  g_pageHandlers = kPageHandlers;
}
