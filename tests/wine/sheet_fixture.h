// Drives the options sheet in process: ShowOptionsSheet runs modally as in the
// programs, and a thread timer runs one scripted step per tick inside the
// sheet's own message loop. Steps that open something modal post their
// command, so that the next step runs inside that nested loop.
#pragma once
#include "itest.h"

#include <commctrl.h>
#include <prsht.h>

#include <functional>
#include <string>
#include <vector>

#include "core/settings.h"
#include "core/ui.h"
#include "options/sheet.h"

static const char kSheetCaption[] = "Zanto Win 偽Configurator";

typedef std::function<void(HWND sheet)> SheetStep;

static std::vector<SheetStep> g_sheetSteps;
static size_t g_sheetNext;
static int g_sheetIdleTicks;
static int g_sheetRepeats;
static bool g_sheetStalled;
static bool g_sheetRepeat;

// Called by a step whose moment has not come yet: it runs again at the next tick.
static inline void RepeatStep() { g_sheetRepeat = true; }

static inline BOOL CALLBACK CloseOtherWindow(HWND wnd, LPARAM sheet) {
  if (wnd != (HWND)sheet && IsWindowVisible(wnd)) PostMessageA(wnd, WM_CLOSE, 0, 0);
  return TRUE;
}

static inline HWND FindSheet() {
  HWND sheet = FindWindowA(nullptr, kSheetCaption);
  return sheet != nullptr && IsWindowVisible(sheet) ? sheet : nullptr;
}

static inline void CALLBACK SheetTick(HWND, UINT, UINT_PTR, DWORD) {
  static bool running;
  if (running) return;  // a step that sends into a modal loop must not be overtaken
  HWND sheet = FindSheet();
  if (sheet != nullptr && g_sheetNext < g_sheetSteps.size() && g_sheetRepeats < 250) {
    g_sheetIdleTicks = 0;
    g_sheetRepeat = false;
    running = true;
    g_sheetSteps[g_sheetNext++](sheet);
    running = false;
    if (g_sheetRepeat) {
      --g_sheetNext;
      ++g_sheetRepeats;
    } else {
      g_sheetRepeats = 0;
    }
    return;
  }
  // Script done, stuck or no sheet, and the sheet still open: end it (and
  // whatever it opened) rather than hang the run.
  if (++g_sheetIdleTicks > 300 || g_sheetRepeats >= 250) {
    g_sheetStalled = true;
    g_sheetIdleTicks = 0;
    g_sheetRepeats = 0;
    g_sheetNext = g_sheetSteps.size();
    EnumThreadWindows(GetCurrentThreadId(), CloseOtherWindow, (LPARAM)sheet);
    if (sheet != nullptr) PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
  }
}

// Runs the sheet with the steps; returns what ShowOptionsSheet returned.
static inline BOOL RunSheet(HWND owner, int startPage, std::vector<SheetStep> steps) {
  g_sheetSteps = std::move(steps);
  g_sheetNext = 0;
  g_sheetIdleTicks = 0;
  g_sheetRepeats = 0;
  g_sheetStalled = false;
  UINT_PTR timer = SetTimer(nullptr, 0, 20, SheetTick);
  BOOL result = ShowOptionsSheet(owner, startPage);
  KillTimer(nullptr, timer);
  CHECK(!g_sheetStalled);
  CHECK_EQ(g_sheetNext, g_sheetSteps.size());  // the sheet did not close before its time
  return result;
}

// ---- steps ------------------------------------------------------------------

static inline SheetStep SelectPage(int index) {
  return [index](HWND sheet) { SendMessageA(sheet, PSM_SETCURSEL, (WPARAM)index, 0); };
}
static inline SheetStep PressOk() {
  return [](HWND sheet) { PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_OK, 0); };
}
static inline SheetStep PressCancel() {
  return [](HWND sheet) { PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0); };
}
static inline SheetStep Check(std::function<void(HWND sheet)> f) { return f; }

static inline HWND PageWindow(HWND sheet, int index) {
  return (HWND)SendMessageA(sheet, PSM_INDEXTOHWND, (WPARAM)index, 0);
}

static inline std::string TabText(HWND sheet, int index) {
  HWND tab = (HWND)SendMessageA(sheet, PSM_GETTABCONTROL, 0, 0);
  char buf[256] = "";
  TCITEMA item;
  memset(&item, 0, sizeof item);
  item.mask = TCIF_TEXT;
  item.pszText = buf;
  item.cchTextMax = sizeof buf;
  SendMessageA(tab, TCM_GETITEMA, (WPARAM)index, (LPARAM)&item);
  return buf;
}

static inline int TabCount(HWND sheet) {
  return (int)SendMessageA((HWND)SendMessageA(sheet, PSM_GETTABCONTROL, 0, 0), TCM_GETITEMCOUNT, 0, 0);
}

// ---- files ------------------------------------------------------------------

static inline std::string GameIniText() {
  char path[MAX_PATH], buf[16384];
  GetGameIniPath(path);
  return ReadWholeFile(path, buf, sizeof buf) < 0 ? "(missing)" : buf;
}

static inline std::string ConfigText() {
  char path[MAX_PATH], buf[16384];
  GetConfigFilePath(path);
  return ReadWholeFile(path, buf, sizeof buf) < 0 ? "(missing)" : buf;
}

static inline void PutConfigFile(const char* text) {
  char path[MAX_PATH];
  GetConfigFilePath(path);
  DeleteFileA(path);
  if (text != nullptr) WriteWholeFile(path, text);
}

// The frame both programs share: the caption, no help button, no Apply
// button, and the seven tabs with the edition's texts.
static inline void CheckSheetFrame(HWND sheet, const char* const (&tabs)[7]) {
  char caption[256];
  GetWindowTextA(sheet, caption, sizeof caption);
  CHECK_STR(caption, kSheetCaption);
  CHECK((GetWindowLongPtrA(sheet, GWL_EXSTYLE) & WS_EX_CONTEXTHELP) == 0);
  HWND apply = GetDlgItem(sheet, 0x3021);
  CHECK(apply == nullptr || !IsWindowVisible(apply));
  CHECK_EQ(TabCount(sheet), 7);
  for (int i = 0; i < 7; ++i) CHECK_TEXT(TabText(sheet, i), tabs[i]);
}

// Visits every page from the first and presses OK: accepted, without a
// message.
static inline void OkOnEveryPage() {
  g_messageHook = RecordMessage;
  g_messageCount = 0;
  BOOL r = RunSheet(nullptr, PAGE_CONTROLS, {SelectPage(1), SelectPage(2), SelectPage(3), SelectPage(4),
                                             SelectPage(5), SelectPage(6), PressOk()});
  g_messageHook = nullptr;
  CHECK_EQ(r, TRUE);
  CHECK_EQ(g_messageCount, 0);
}
