// The options sheet frame: page records, the help-button callback and the one
// page procedure that decides which messages reach the page handlers.
#include "options/sheet.h"

#include <commctrl.h>
#include <prsht.h>
#include <string.h>

#include "core/accessible_win.h"
#include "core/edition.h"
#include "core/settings.h"
#include "core/text932_win.h"
#include "core/ui.h"
#include "options/apply_order.h"
#include "options/pages.h"
#include "res/ids_sheet.h"

const PageHandlers* const kPageHandlers[PAGE_COUNT] = {
    &kControlsPage, &kOnlinePage, &kQuickMessagePage, &kVideoPage,
    &kSoundPage,    &kFolderPage, &kAboutPage,
};
const PageHandlers* const* g_pageHandlers = kPageHandlers;

static INT_PTR CALLBACK ControlsPageProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  return OptionsPageProc(w, m, wp, lp, PAGE_CONTROLS);
}
static INT_PTR CALLBACK OnlinePageProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  return OptionsPageProc(w, m, wp, lp, PAGE_ONLINE);
}
static INT_PTR CALLBACK QuickMessagePageProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  return OptionsPageProc(w, m, wp, lp, PAGE_QUICKMSG);
}
static INT_PTR CALLBACK VideoPageProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  return OptionsPageProc(w, m, wp, lp, PAGE_VIDEO);
}
static INT_PTR CALLBACK SoundPageProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  return OptionsPageProc(w, m, wp, lp, PAGE_SOUND);
}
static INT_PTR CALLBACK FolderPageProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  return OptionsPageProc(w, m, wp, lp, PAGE_FOLDER);
}
static INT_PTR CALLBACK AboutPageProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  return OptionsPageProc(w, m, wp, lp, PAGE_ABOUT);
}

struct PageEntry {
  int templateId;
  DLGPROC proc;
};

static const PageEntry kPages[PAGE_COUNT] = {
    {IDD_PAGE_CONTROLS, ControlsPageProc}, {IDD_PAGE_ONLINE, OnlinePageProc},
    {IDD_PAGE_QUICKMSG, QuickMessagePageProc}, {IDD_PAGE_VIDEO, VideoPageProc},
    {IDD_PAGE_SOUND, SoundPageProc},       {IDD_PAGE_FOLDER, FolderPageProc},
    {IDD_PAGE_ABOUT, AboutPageProc},
};

// The records are laid out at their first-version size (40 bytes), the stride
// at which the platform reads the array. The narrow and wide records differ
// only in the type of their texts.
template <typename Page, typename Header, typename Char>
static INT_PTR ShowSheet(HWND owner, int startPage, const Char* caption, INT_PTR(WINAPI* show)(const Header*)) {
  Page pages[PAGE_COUNT];
  memset(pages, 0, sizeof pages);
  for (int i = 0; i < PAGE_COUNT; ++i) {
    pages[i].dwSize = sizeof(Page);
    pages[i].dwFlags = PSP_DEFAULT;
    pages[i].hInstance = GetModuleHandleA(nullptr);
    pages[i].pszTemplate = (const Char*)(ULONG_PTR)(WORD)kPages[i].templateId;
    pages[i].pfnDlgProc = kPages[i].proc;
  }
  Header header;
  memset(&header, 0, sizeof header);
  header.dwSize = PROPSHEETHEADERA_V1_SIZE;  // the same for both
  header.dwFlags = PSH_PROPSHEETPAGE | PSH_NOAPPLYNOW | PSH_USECALLBACK;
  header.hwndParent = owner;
  header.pszCaption = caption;
  header.nPages = PAGE_COUNT;
  header.nStartPage = (UINT)startPage;
  header.ppsp = (decltype(header.ppsp))pages;
  header.pfnCallback = (PFNPROPSHEETCALLBACK)OptionsSheetCallback;
  return show(&header);
}

BOOL ShowOptionsSheet(HWND owner, int startPage) {
  static const char kCaption[] = "Zanto Win 偽Configurator";
  INT_PTR shown;
  ForgetUntouched();
  if (UseWideCalls()) {
    // The wide records keep the pages' templates, tab names included, as
    // written (core/ui.h).
    wchar_t caption[64];
    WideFrom932(kCaption, caption, 64);
    shown = ShowSheet<PROPSHEETPAGEW_V1, PROPSHEETHEADERW>(owner, startPage, caption, PropertySheetW);
  } else {
    // 9x has only a stub of the wide sheet; its narrow one reads the templates
    // in the machine's own code page, 932 on the Japanese systems (core/ui.h).
    shown = ShowSheet<PROPSHEETPAGEA_V1, PROPSHEETHEADERA>(owner, startPage, kCaption, PropertySheetA);
  }
  if (shown < 0) {
    ShowMessage(owner, "コンフィグページを開けません", MB_ICONHAND);
    return FALSE;
  }
  return TRUE;
}

// The sheet never shows a "?" button. The bit is cleared rather than flipped:
// not every platform gives a new sheet the bit, and flipping would add it.
int CALLBACK OptionsSheetCallback(HWND sheet, UINT msg, LPARAM) {
  if (msg == PSCB_INITIALIZED) {
    LONG_PTR style = GetWindowLongPtrA(sheet, GWL_EXSTYLE);
    SetWindowLongPtrA(sheet, GWL_EXSTYLE, style & ~(LONG_PTR)WS_EX_CONTEXTHELP);
  }
  return 0;
}

// The pages applied by one OK are saved as one burst of writes: nothing
// reaches a file until the last of them has written, and a refusal or a failed
// save leaves both files as they were. A failed save keeps the sheet open, as
// a refusal does, so that the player can make room and press OK again.
static bool ApplyPage(HWND page, int pageIndex, const PageHandlers* h) {
  HWND sheet = GetParent(page);
  bool created[PAGE_COUNT];
  for (int i = 0; i < PAGE_COUNT; ++i) created[i] = SendMessageA(sheet, PSM_INDEXTOHWND, (WPARAM)i, 0) != 0;
  created[pageIndex] = true;
  ApplyRole role = ApplyRoleOf(pageIndex, created, PAGE_COUNT);
  if (role.begins) BeginSettingsBurst();
  if (h->apply != nullptr && !h->apply(page)) {
    AbandonSettingsBurst();
    return false;
  }
  if (h->write != nullptr) h->write(page);
  if (role.ends && !CommitSettingsBurst()) {
    ShowMessage(page, SettingsSaveLackedTurn() ? kSettingsSaveBusy : FailedSaveText(), MB_ICONERROR);
    // Back to OK, for another try once there is room, or Cancel: the page
    // that saved last may be one the sheet does not show.
    HWND ok = GetDlgItem(sheet, IDOK);
    if (ok != nullptr) PostMessageA(sheet, WM_NEXTDLGCTL, (WPARAM)ok, TRUE);
    return false;
  }
  return true;
}

INT_PTR OptionsPageProc(HWND page, UINT msg, WPARAM wParam, LPARAM lParam, int pageIndex) {
  static const PageHandlers kNone = {nullptr, nullptr, nullptr, nullptr};
  const PageHandlers* h = g_pageHandlers[pageIndex];
  if (h == nullptr) h = &kNone;
  switch (msg) {
    case WM_INITDIALOG:
      if (h->load != nullptr) h->load(page);
      if (h->write != nullptr) {
        BeginRecordingUntouched();
        h->write(page);
        EndRecordingUntouched();
      }
      NameInputs(page);
      return TRUE;
    case WM_COMMAND:
      if (h->command != nullptr) h->command(page, LOWORD(wParam));
      return TRUE;
    case WM_DESTROY:
      ClearAccessibleNames(page);
      return FALSE;
    case WM_NOTIFY:
      if (lParam == 0 || ((NMHDR*)lParam)->code != (UINT)PSN_APPLY) return FALSE;
      SetWindowLongPtrA(page, DWLP_MSGRESULT, PSNRET_NOERROR);
      if (!ApplyPage(page, pageIndex, h)) {
        // Keeps the sheet open on this page; later pages are not applied.
        SetWindowLongPtrA(page, DWLP_MSGRESULT, PSNRET_INVALID_NOCHANGEPAGE);
      }
      return TRUE;
  }
  return FALSE;
}
