// The keyboard alone and a screen reader, checked alike in both programs:
// one Tab walk over a page or dialog (every usable input reached, in reading
// order, and no radio that Tab would choose), the texts that name the edits
// and lists, and the names the program gives where the templates cannot.
#pragma once
#include "itest.h"

#include <map>
#include <string>
#include <vector>

#include "core/accessible_win.h"
#include "core/input_name.h"
#include "dialog_template.h"
#include "res/resource.h"

static inline std::string ClassOf(HWND w) {
  char cls[32] = "";
  GetClassNameA(w, cls, sizeof cls);
  return cls;
}
static inline DWORD ButtonType(HWND w) { return (DWORD)GetWindowLongPtrA(w, GWL_STYLE) & BS_TYPEMASK; }
static inline bool IsRadio(HWND w) {
  return ClassOf(w) == "Button" && (ButtonType(w) == BS_RADIOBUTTON || ButtonType(w) == BS_AUTORADIOBUTTON);
}
static inline bool IsGroupBox(HWND w) { return ClassOf(w) == "Button" && ButtonType(w) == BS_GROUPBOX; }
static inline bool IsInput(HWND w) {
  std::string c = ClassOf(w);
  return (c == "Button" && !IsGroupBox(w)) || c == "Edit" || c == "ComboBox";
}
static inline bool Usable(HWND w) { return IsWindowVisible(w) && IsWindowEnabled(w); }

// Where a control is seen: a list's field, not the list it drops.
static inline RECT SeenRect(HWND w) {
  RECT r;
  GetWindowRect(w, &r);
  COMBOBOXINFO combo;
  combo.cbSize = sizeof combo;
  if (GetComboBoxInfo(w, &combo)) r.bottom = r.top + combo.rcButton.bottom + combo.rcButton.top;
  return r;
}

// What a control is read with: the group box it sits in, else itself.
static inline RECT ReadingBox(HWND dlg, HWND w) {
  RECT r = SeenRect(w);
  for (HWND c = GetWindow(dlg, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
    RECT g;
    GetWindowRect(c, &g);
    if (IsGroupBox(c) && g.left <= r.left && g.top <= r.top && r.right <= g.right && r.bottom <= g.bottom) return g;
  }
  return r;
}

// a comes before b in reading order: above it, or on its row and to its left.
static inline bool ReadsBefore(HWND dlg, HWND a, HWND b) {
  RECT ga = ReadingBox(dlg, a), gb = ReadingBox(dlg, b);
  if (!EqualRect(&ga, &gb)) {
    if (ga.bottom <= gb.top) return true;
    return ga.top < gb.bottom && gb.top < ga.bottom && ga.left < gb.left;
  }
  RECT ra = SeenRect(a), rb = SeenRect(b);
  if (ra.bottom <= rb.top) return true;
  return ra.top < rb.bottom && rb.top < ra.bottom && ra.left < rb.left;
}

// The Tab walk over dlg as it stands: every usable input reached, in reading
// order; of a radio group (radios next to each other) only the checked one,
// and none while the checked one cannot be used; one when none is checked.
static inline void CheckTabWalk(HWND dlg, const char* what) {
  std::vector<HWND> walk;
  HWND first = GetNextDlgTabItem(dlg, nullptr, FALSE);
  for (HWND w = first; w != nullptr && walk.size() < 100;) {
    walk.push_back(w);
    w = GetNextDlgTabItem(dlg, w, FALSE);
    if (w == first) break;
  }
  int failedBefore = g_itestFailed;
  auto reached = [&](HWND w) {
    for (HWND x : walk)
      if (x == w) return true;
    return false;
  };
  for (size_t i = 1; i < walk.size(); ++i) CHECK(ReadsBefore(dlg, walk[i - 1], walk[i]));
  std::vector<HWND> group;
  auto endGroup = [&]() {
    if (group.empty()) return;
    HWND checked = nullptr;
    int reachedCount = 0;
    for (HWND r : group) {
      if (SendMessageA(r, BM_GETCHECK, 0, 0) == BST_CHECKED) checked = r;
      if (reached(r)) ++reachedCount;
    }
    if (checked != nullptr) {
      for (HWND r : group) CHECK(!reached(r) || r == checked);
      if (Usable(checked)) CHECK(reached(checked));
    } else {
      CHECK_EQ(reachedCount, 1);
    }
    group.clear();
  };
  for (HWND c = GetWindow(dlg, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
    if (IsRadio(c)) {
      group.push_back(c);
      continue;
    }
    endGroup();
    if (IsInput(c) && Usable(c)) CHECK(reached(c));
  }
  endGroup();
  if (g_itestFailed != failedBefore) {
    printf("  in the walk of %s:", what);
    for (HWND w : walk) printf(" %d", GetDlgCtrlID(w));
    printf("\n");
  }
}

// ---- names ----------------------------------------------------------------------

static std::map<HWND, std::string> g_names;
static inline void RecordName(HWND control, const char* name) { g_names[control] = name; }

struct InputName {
  int id;
  const char* name;  // what the program names it; nullptr: the text line before it does
};

// In template templateId every edit and list either follows a text with a
// word in it, or is one of named, which the program names as listed once the
// page (open, from the program's handlers) is loaded.
static inline void CheckInputNames(int templateId, HWND open, const InputName* named, int count) {
  DialogTemplate t;
  CHECK(LoadDialogTemplate(templateId, &t));
  for (int i = 0; i < t.count; ++i) {
    const TemplateItem& item = t.items[i];
    if (item.classAtom != 0x81 && item.classAtom != 0x85) continue;
    const char* expected = nullptr;
    for (int n = 0; n < count; ++n)
      if (named[n].id == item.id) expected = named[n].name;
    if (expected == nullptr) {
      bool labelled = i > 0 && t.items[i - 1].classAtom == 0x82 && HasWord(t.items[i - 1].title);
      CHECK(labelled);
      if (!labelled) printf("  input %d of dialog %d follows no text\n", item.id, templateId);
    } else if (open != nullptr) {
      CHECK_TEXT(g_names[GetDlgItem(open, item.id)], expected);
    }
  }
}

// ---- every page and dialog ----------------------------------------------------------

#include "net/connect.h"
#include "options/assign.h"
#include "options/bindings.h"
#include "options/controller.h"
#include "sheet_fixture.h"

static bool g_padPresent[2];
static MMRESULT WINAPI StandInPads(UINT id, LPJOYINFOEX info) {
  if (id > 1 || !g_padPresent[id]) return JOYERR_UNPLUGGED;
  info->dwButtons = 0;
  return JOYERR_NOERROR;
}

static inline void PutKeyboardIni(const char* text) {
  PutGameIni(text);
  PutConfigFile(nullptr);
}

template <int Index>
static inline HWND WalkPage(int templateId, const char* what) {
  HWND page = OpenPage<Index>(templateId);
  CheckTabWalk(page, what);
  return page;
}

static inline HWND OpenDialog(int templateId, DLGPROC proc, LPARAM param) {
  HWND dlg = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId), nullptr, proc, param);
  CHECK(dlg != nullptr);
  ShowWindow(dlg, SW_SHOW);
  return dlg;
}

// Every page in the states the player can put it in, with and without game
// controllers, and the three dialogs; the names the program gives on the way.
static inline void WalkEveryPageAndDialog(const InputName* named, int count) {
  g_accessibleNameHook = RecordName;
  g_joyGetPosEx = StandInPads;
  g_padPresent[0] = g_padPresent[1] = false;
  PutKeyboardIni(nullptr);
  HWND page = WalkPage<PAGE_CONTROLS>(IDD_PAGE_CONTROLS, "Controls, no controller");
  CheckInputNames(IDD_PAGE_CONTROLS, page, named, count);
  DestroyWindow(page);
  // A stored controller that is not there: checked but disabled, so that
  // Tab passes Player 1's radios by; Default leads back to the keyboard.
  PutKeyboardIni("[PERIPHERAL]\r\nPLAYER1 DEVICE=1\r\nPLAYER2 DEVICE=2\r\n");
  page = WalkPage<PAGE_CONTROLS>(IDD_PAGE_CONTROLS, "Controls, stored controller missing");
  Click(page, IDC_CTL_DEFAULT);
  CheckTabWalk(page, "Controls after Default");
  DestroyWindow(page);
  g_padPresent[0] = g_padPresent[1] = true;
  page = WalkPage<PAGE_CONTROLS>(IDD_PAGE_CONTROLS, "Controls, controllers, P1 on one, P2 off");
  Click(page, IDC_CTL_P2_PAD);
  CheckTabWalk(page, "Controls after P2 to the controller");
  Click(page, IDC_CTL_P1_KEYBOARD);
  CheckTabWalk(page, "Controls after P1 to the keyboard");
  DestroyWindow(page);
  g_padPresent[0] = g_padPresent[1] = false;

  page = WalkPage<PAGE_ONLINE>(IDD_PAGE_ONLINE, "Online");
  CheckInputNames(IDD_PAGE_ONLINE, page, named, count);
  for (int mode = 0; mode < 4; ++mode) {
    if (GetDlgItem(page, IDC_ONL_SPECMODE) == nullptr) break;
    ChooseListItem(page, IDC_ONL_MATCHUPMODE, mode % 3);
    ChooseListItem(page, IDC_ONL_SPECMODE, mode);
    CheckTabWalk(page, "Online, another mode");
  }
  DestroyWindow(page);
  page = WalkPage<PAGE_QUICKMSG>(IDD_PAGE_QUICKMSG, "Quick messages");
  CheckInputNames(IDD_PAGE_QUICKMSG, page, named, count);
  DestroyWindow(page);
  PutKeyboardIni("[SYSTEM]\r\nScreenMode=1\r\nDrawMode=0\r\nFilterMode=0\r\n");
  page = WalkPage<PAGE_VIDEO>(IDD_PAGE_VIDEO, "Video, full screen");
  CheckInputNames(IDD_PAGE_VIDEO, page, named, count);
  const int clicks[] = {IDC_VID_WINDOW, IDC_VID_DIRECT3D, IDC_VID_BG_NONE, IDC_VID_SOFT, IDC_VID_DEFAULT};
  for (int id : clicks) {
    Click(page, id);
    CheckTabWalk(page, "Video after a click");
  }
  DestroyWindow(page);
  page = WalkPage<PAGE_SOUND>(IDD_PAGE_SOUND, "Sound");
  Click(page, IDC_SND_OFF);
  CheckTabWalk(page, "Sound after Off");
  Click(page, IDC_SND_DEFAULT);
  CheckTabWalk(page, "Sound after Default");
  DestroyWindow(page);
  DestroyWindow(WalkPage<PAGE_FOLDER>(IDD_PAGE_FOLDER, "Folder"));
  DestroyWindow(WalkPage<PAGE_ABOUT>(IDD_PAGE_ABOUT, "About"));

  HWND dlg = OpenDialog(IDD_MAIN, BarePageProc, 0);
  CheckTabWalk(dlg, "main window");
  CheckInputNames(IDD_MAIN, nullptr, nullptr, 0);
  DestroyWindow(dlg);
  char address[CONNECT_ADDRESS_SIZE] = "";
  dlg = OpenDialog(IDD_CONNECT, ConnectDlgProc, (LPARAM)address);
  CheckTabWalk(dlg, "connect");
  CheckInputNames(IDD_CONNECT, nullptr, nullptr, 0);
  DestroyWindow(dlg);
  dlg = OpenDialog(IDD_ASSIGN, AssignDlgProc, (LPARAM)MakeAssignParam(false, 0, 0x2C));
  CheckTabWalk(dlg, "key assignment");
  CheckInputNames(IDD_ASSIGN, nullptr, nullptr, 0);
  DestroyWindow(dlg);
  g_accessibleNameHook = nullptr;
  g_joyGetPosEx = StandInPads;
}

// Each binding button is named "player, action, key" from the page's texts,
// and named anew when its key or its device changes.
static inline void BindingButtonNames(const char* upCaption, const char* pauseCaption) {
  g_accessibleNameHook = RecordName;
  g_joyGetPosEx = StandInPads;
  g_padPresent[0] = true;
  PutKeyboardIni(nullptr);
  HWND page = OpenPage<PAGE_CONTROLS>(IDD_PAGE_CONTROLS);
  CHECK_TEXT(g_names[GetDlgItem(page, IDC_CTL_P1_UP)], std::string("Player 1, ") + upCaption + ", Up");
  CHECK_TEXT(g_names[GetDlgItem(page, IDC_CTL_P2_PAUSE)], std::string("Player 2, ") + pauseCaption + ", Space");
  Click(page, IDC_CTL_P1_PAD);
  CHECK_TEXT(g_names[GetDlgItem(page, IDC_CTL_P1_PAUSE)], std::string("Player 1, ") + pauseCaption + ", KEY 8");
  DestroyWindow(page);
  g_padPresent[0] = false;
  g_accessibleNameHook = nullptr;
}

// OK pressed on another page with two keys on one action: after the message
// the sheet shows the Controls page with the focus on the first binding that
// the message names.
static inline void RefusedOkLeadsToTheClash() {
  g_joyGetPosEx = StandInPads;
  PutKeyboardIni("[PERIPHERAL]\r\nPLAYER1 KEYBOARD DOWN=200\r\n");  // DOWN on Up: P1 DOWN - P1 UP
  g_messageHook = RecordMessage;
  g_messageCount = 0;
  RunSheet(nullptr, PAGE_CONTROLS,
           {SelectPage(PAGE_VIDEO), PressOk(), Check([](HWND sheet) {
              CHECK_EQ(g_messageCount, 1);
              HWND controls = PageWindow(sheet, PAGE_CONTROLS);
              CHECK((HWND)SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0) == controls);
              CHECK(IsWindowVisible(controls));
              CHECK(GetFocus() == GetDlgItem(controls, IDC_CTL_P1_DOWN));
            }),
            PressCancel()});
  g_messageHook = nullptr;
}
