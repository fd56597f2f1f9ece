// The options property sheet: seven pages sharing one page procedure.
#pragma once
#include <windows.h>

enum { PAGE_CONTROLS, PAGE_ONLINE, PAGE_QUICKMSG, PAGE_VIDEO, PAGE_SOUND, PAGE_FOLDER, PAGE_ABOUT, PAGE_COUNT };

BOOL ShowOptionsSheet(HWND owner, int startPage);
int CALLBACK OptionsSheetCallback(HWND sheet, UINT msg, LPARAM lParam);
INT_PTR OptionsPageProc(HWND page, UINT msg, WPARAM wParam, LPARAM lParam, int pageIndex);

// What a page supplies; any handler may be missing. apply returns false to
// refuse the OK (it has already told the player why); write then makes the
// page's writes from its controls. write is also run right after load, its
// writes recorded rather than made: what the page writes while the player
// changes nothing (core/settings.h: BeginRecordingUntouched).
struct PageHandlers {
  void (*load)(HWND page);
  void (*command)(HWND page, int id);
  bool (*apply)(HWND page);
  void (*write)(HWND page) = nullptr;
};

// The handlers per page, in page order.
extern const PageHandlers* const kPageHandlers[PAGE_COUNT];
// The table that OptionsPageProc dispatches to: kPageHandlers in the programs;
// tests put a table of their own here to watch the sheet's calls.
extern const PageHandlers* const* g_pageHandlers;
