// zdrive: drives the programs from outside, by window title and control id,
// for the end-to-end tests. Text in and out is UTF-8.
//
//   zdrive wait TITLE [ms]             a visible top-level window TITLE appears (exit 1 on time-out)
//   zdrive shown TITLE ID [ms]         the same, then prints control ID's text as it is at that moment
//   zdrive gone TITLE [ms]             no visible window TITLE is left
//   zdrive hidden TITLE [ms]           a window TITLE exists and is hidden
//   zdrive click TITLE ID              posts the button's command to its dialog
//   zdrive press TITLE ID              presses the button as a mouse click does (automatic radios switch)
//   zdrive settext TITLE ID TEXT       sets a control's text
//   zdrive gettext TITLE ID            prints a control's text
//   zdrive select TITLE ID INDEX       selects a list item and tells the dialog
//   zdrive getsel TITLE ID             prints the selected list index (-1 none)
//   zdrive count TITLE ID              prints the number of list items
//   zdrive item TITLE ID INDEX         prints a list item's text
//   zdrive dropdown TITLE ID 0|1       opens or closes a combo box's list
//   zdrive check TITLE ID 0|1          sets a check box or radio (no command is sent)
//   zdrive checked TITLE ID            prints 1 or 0
//   zdrive enabled TITLE ID            prints 1 or 0
//   zdrive visible TITLE ID            prints 1 or 0
//   zdrive post TITLE MSG WPARAM LPARAM  posts a message to the top-level window
//   zdrive send TITLE MSG WPARAM LPARAM  sends it and prints the result (0x...)
//   zdrive key TITLE ID VK             moves the focus to the control (WM_NEXTDLGCTL), posts the key to it
//   zdrive page TITLE INDEX            shows a page of a property sheet
//   zdrive tab TITLE INDEX             prints the name of a property sheet's tab
//   zdrive ok TITLE / cancel TITLE     presses the property sheet's OK / Cancel
//   zdrive msgbox TITLE [ms]           waits for a message box captioned TITLE, prints its text
//   zdrive answer TITLE ID             presses button ID of that message box
//   zdrive boxgone TITLE [ms]          no message box captioned TITLE is left (exit 1 on time-out)
//   zdrive rect TITLE                  prints "x y width height" of the visible window TITLE, in pixels
//   zdrive boxrect TITLE               the same for the message box captioned TITLE
//   zdrive list                        lists top-level windows
//   zdrive windows TITLE               prints the number of visible top-level windows TITLE
//   zdrive twostarts EXE               starts EXE twice, both suspended and then resumed together;
//                                      prints the exit code of the first to end ("-" when neither
//                                      ends in 30 s) and "running" when the other still runs 2 s later
//   zdrive codepage                    prints the system's code page (GetACP)
// Append --page N to address a control on page N of the property sheet TITLE.
#include <windows.h>
#include <commctrl.h>
#include <prsht.h>
#include <stdio.h>
#include <stdlib.h>
#include <wchar.h>

static void PrintUtf8(const wchar_t* text) {
  char buf[8192];
  int n = WideCharToMultiByte(CP_UTF8, 0, text, -1, buf, sizeof buf, nullptr, nullptr);
  if (n <= 0) buf[0] = 0;
  fputs(buf, stdout);
  fputs("\n", stdout);
  fflush(stdout);
}

struct Find {
  const wchar_t* title;
  int id;          // 0: any
  bool visibleOnly;
  bool noMainControls;  // message boxes: skip windows that hold the main window's controls
  HWND found;
};

static BOOL CALLBACK FindChild(HWND child, LPARAM lp) {
  Find* f = (Find*)lp;
  if (GetDlgCtrlID(child) == f->id) {
    f->found = child;
    return FALSE;
  }
  return TRUE;
}

static HWND ChildById(HWND top, int id) {
  Find f = {nullptr, id, false, false, nullptr};
  EnumChildWindows(top, FindChild, (LPARAM)&f);
  return f.found;
}

static BOOL CALLBACK FindTop(HWND wnd, LPARAM lp) {
  Find* f = (Find*)lp;
  wchar_t text[512];
  GetWindowTextW(wnd, text, 512);
  if (wcscmp(text, f->title) != 0) return TRUE;
  if (f->visibleOnly && !IsWindowVisible(wnd)) return TRUE;
  if (f->noMainControls && (ChildById(wnd, 1008) != nullptr || ChildById(wnd, 1001) != nullptr)) return TRUE;
  if (f->id != 0 && ChildById(wnd, f->id) == nullptr) return TRUE;
  f->found = wnd;
  return FALSE;
}

static HWND TopWindow(const wchar_t* title, int withId, bool visibleOnly, bool noMain = false) {
  Find f = {title, withId, visibleOnly, noMain, nullptr};
  EnumWindows(FindTop, (LPARAM)&f);
  return f.found;
}

static int g_page = -1;

// The control and the dialog that owns it.
static HWND Control(const wchar_t* title, int id, HWND* dialog) {
  for (int tries = 0; tries < 100; ++tries) {
    if (g_page >= 0) {
      HWND sheet = TopWindow(title, 0, false);
      if (sheet != nullptr) {
        HWND page = (HWND)SendMessageW(sheet, PSM_INDEXTOHWND, g_page, 0);
        if (page != nullptr) {
          HWND c = GetDlgItem(page, id);
          if (c != nullptr) {
            *dialog = page;
            return c;
          }
        }
      }
    } else {
      HWND top = TopWindow(title, id, false);
      if (top != nullptr) {
        HWND c = ChildById(top, id);
        *dialog = GetParent(c);
        return c;
      }
    }
    Sleep(100);
  }
  fprintf(stderr, "zdrive: no control %d in a window of that title\n", id);
  exit(3);
}

static bool WaitFor(bool (*cond)(const wchar_t*), const wchar_t* title, int ms) {
  DWORD start = GetTickCount();
  for (;;) {
    if (cond(title)) return true;
    if ((int)(GetTickCount() - start) > ms) return false;
    Sleep(50);
  }
}

struct Count {
  const wchar_t* title;
  int found;
};

static BOOL CALLBACK CountTop(HWND wnd, LPARAM lp) {
  Count* c = (Count*)lp;
  wchar_t text[512];
  GetWindowTextW(wnd, text, 512);
  if (IsWindowVisible(wnd) && wcscmp(text, c->title) == 0) ++c->found;
  return TRUE;
}

// Two starts in the same instant, as a double click seen twice makes them.
static int StartTwice(const wchar_t* exe) {
  PROCESS_INFORMATION pi[2];
  HANDLE processes[2];
  for (int i = 0; i < 2; ++i) {
    STARTUPINFOW si = {};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;  // the survivor must not hold the caller's output open
    wchar_t line[MAX_PATH + 4];
    swprintf(line, MAX_PATH + 4, L"\"%ls\"", exe);
    if (!CreateProcessW(exe, line, nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr, nullptr, &si, &pi[i])) return 1;
    processes[i] = pi[i].hProcess;
  }
  ResumeThread(pi[0].hThread);
  ResumeThread(pi[1].hThread);
  DWORD ended = WaitForMultipleObjects(2, processes, FALSE, 30000);
  if (ended != WAIT_OBJECT_0 && ended != WAIT_OBJECT_0 + 1) {
    printf("-\n");
    return 0;
  }
  int first = (int)(ended - WAIT_OBJECT_0);
  DWORD code = 0;
  GetExitCodeProcess(processes[first], &code);
  bool otherRuns = WaitForSingleObject(processes[1 - first], 2000) == WAIT_TIMEOUT;
  printf("%lu%s\n", (unsigned long)code, otherRuns ? " running" : "");
  return 0;
}

static bool IsShown(const wchar_t* t) { return TopWindow(t, 0, true) != nullptr; }
static bool IsGone(const wchar_t* t) { return TopWindow(t, 0, true) == nullptr; }
static bool IsHidden(const wchar_t* t) {
  HWND w = TopWindow(t, 0, false);
  return w != nullptr && !IsWindowVisible(w);
}
static bool HasMsgBox(const wchar_t* t) { return TopWindow(t, 0, true, true) != nullptr; }
static bool HasNoMsgBox(const wchar_t* t) { return !HasMsgBox(t); }

// The tab control lives in the program's process: its item record and text
// buffer must be there too, as the platform copies nothing for TCM_GETITEM.
static bool ReadTabName(HWND tabs, int index, wchar_t* name, int size) {
  DWORD pid = 0;
  GetWindowThreadProcessId(tabs, &pid);
  HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
  if (process == nullptr) return false;
  SIZE_T bytes = sizeof(TCITEMW) + (SIZE_T)size * sizeof(wchar_t);
  char* remote = (char*)VirtualAllocEx(process, nullptr, bytes, MEM_COMMIT, PAGE_READWRITE);
  bool ok = false;
  if (remote != nullptr) {
    TCITEMW item = {};
    item.mask = TCIF_TEXT;
    item.pszText = (wchar_t*)(remote + sizeof item);
    item.cchTextMax = size;
    ok = WriteProcessMemory(process, remote, &item, sizeof item, nullptr) &&
         SendMessageW(tabs, TCM_GETITEMW, (WPARAM)index, (LPARAM)remote) &&
         ReadProcessMemory(process, remote + sizeof item, name, (SIZE_T)size * sizeof(wchar_t), nullptr);
    name[size - 1] = L'\0';
    VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  }
  CloseHandle(process);
  return ok;
}

int wmain(int argc, wchar_t** argv) {
  for (int i = 1; i + 1 < argc; ++i) {
    if (wcscmp(argv[i], L"--page") == 0) {
      g_page = _wtoi(argv[i + 1]);
      for (int j = i; j + 2 <= argc; ++j) argv[j] = argv[j + 2];
      argc -= 2;
      break;
    }
  }
  if (argc < 2) return 2;
  // Rectangles in real pixels at any DPI setting, not scaled for a program that knows nothing of DPI.
  typedef BOOL(WINAPI * SetProcessDPIAwareFn)();
  SetProcessDPIAwareFn dpiAware =
      (SetProcessDPIAwareFn)(void*)GetProcAddress(GetModuleHandleW(L"user32.dll"), "SetProcessDPIAware");
  if (dpiAware != nullptr) dpiAware();
  const wchar_t* cmd = argv[1];
  const wchar_t* title = argc > 2 ? argv[2] : L"";
  int id = argc > 3 ? _wtoi(argv[3]) : 0;
  HWND dlg = nullptr;

  if (wcscmp(cmd, L"list") == 0) {
    struct L {
      static BOOL CALLBACK Each(HWND w, LPARAM) {
        wchar_t t[512], c[128], line[800];
        GetWindowTextW(w, t, 512);
        GetClassNameW(w, c, 128);
        swprintf(line, 800, L"%p vis=%d class=%ls title=%ls", (void*)w, IsWindowVisible(w) ? 1 : 0, c, t);
        PrintUtf8(line);
        return TRUE;
      }
    };
    EnumWindows(L::Each, 0);
    return 0;
  }
  if (wcscmp(cmd, L"windows") == 0) {
    Count c = {title, 0};
    EnumWindows(CountTop, (LPARAM)&c);
    printf("%d\n", c.found);
    return 0;
  }
  if (wcscmp(cmd, L"twostarts") == 0) return StartTwice(title);
  if (wcscmp(cmd, L"codepage") == 0) {
    printf("%u\n", GetACP());
    return 0;
  }
  if (wcscmp(cmd, L"wait") == 0) return WaitFor(IsShown, title, argc > 3 ? id : 15000) ? 0 : 1;
  if (wcscmp(cmd, L"shown") == 0) {
    if (!WaitFor(IsShown, title, argc > 4 ? _wtoi(argv[4]) : 15000)) return 1;
    HWND c = ChildById(TopWindow(title, 0, true), id);
    wchar_t buf[4096] = L"";
    if (c != nullptr) SendMessageW(c, WM_GETTEXT, 4096, (LPARAM)buf);
    PrintUtf8(buf);
    return 0;
  }
  if (wcscmp(cmd, L"gone") == 0) return WaitFor(IsGone, title, argc > 3 ? id : 15000) ? 0 : 1;
  if (wcscmp(cmd, L"hidden") == 0) return WaitFor(IsHidden, title, argc > 3 ? id : 15000) ? 0 : 1;
  if (wcscmp(cmd, L"msgbox") == 0) {
    if (!WaitFor(HasMsgBox, title, argc > 3 ? id : 15000)) return 1;
    HWND box = TopWindow(title, 0, true, true);
    HWND text = GetDlgItem(box, 0xFFFF);
    wchar_t buf[4096] = L"";
    if (text != nullptr) GetWindowTextW(text, buf, 4096);
    PrintUtf8(buf);
    return 0;
  }
  if (wcscmp(cmd, L"boxgone") == 0) return WaitFor(HasNoMsgBox, title, argc > 3 ? id : 15000) ? 0 : 1;
  if (wcscmp(cmd, L"rect") == 0 || wcscmp(cmd, L"boxrect") == 0) {
    HWND w = TopWindow(title, 0, true, wcscmp(cmd, L"boxrect") == 0);
    RECT r;
    if (w == nullptr || !GetWindowRect(w, &r)) return 1;
    printf("%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
    return 0;
  }
  if (wcscmp(cmd, L"answer") == 0) {
    HWND box = TopWindow(title, 0, true, true);
    if (box == nullptr) return 1;
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)GetDlgItem(box, id));
    return 0;
  }
  if (wcscmp(cmd, L"post") == 0 && argc > 5) {
    HWND top = TopWindow(title, 0, false);
    if (top == nullptr) return 1;
    PostMessageW(top, (UINT)wcstoul(argv[3], nullptr, 0), (WPARAM)wcstoul(argv[4], nullptr, 0),
                 (LPARAM)wcstol(argv[5], nullptr, 0));
    return 0;
  }
  if (wcscmp(cmd, L"send") == 0 && argc > 5) {
    HWND top = TopWindow(title, 0, false);
    DWORD_PTR result = 0;
    if (top == nullptr || !SendMessageTimeoutW(top, (UINT)wcstoul(argv[3], nullptr, 0),
                                               (WPARAM)wcstoul(argv[4], nullptr, 0),
                                               (LPARAM)wcstol(argv[5], nullptr, 0), SMTO_NORMAL, 10000, &result))
      return 1;
    printf("0x%lX\n", (unsigned long)result);
    fflush(stdout);
    return 0;
  }
  if (wcscmp(cmd, L"page") == 0) {
    HWND sheet = TopWindow(title, 0, false);
    if (sheet == nullptr) return 1;
    SendMessageW(sheet, PSM_SETCURSEL, (WPARAM)id, 0);
    return 0;
  }
  if (wcscmp(cmd, L"tab") == 0) {
    HWND sheet = TopWindow(title, 0, false);
    HWND tabs = sheet != nullptr ? (HWND)SendMessageW(sheet, PSM_GETTABCONTROL, 0, 0) : nullptr;
    wchar_t name[256] = L"";
    if (tabs == nullptr || !ReadTabName(tabs, id, name, 256)) return 1;
    PrintUtf8(name);
    return 0;
  }
  if (wcscmp(cmd, L"ok") == 0 || wcscmp(cmd, L"cancel") == 0) {
    HWND sheet = TopWindow(title, 0, false);
    if (sheet == nullptr) return 1;
    PostMessageW(sheet, PSM_PRESSBUTTON, wcscmp(cmd, L"ok") == 0 ? PSBTN_OK : PSBTN_CANCEL, 0);
    return 0;
  }

  HWND c = Control(title, id, &dlg);
  if (wcscmp(cmd, L"click") == 0) {
    PostMessageW(dlg, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)c);
  } else if (wcscmp(cmd, L"key") == 0 && argc > 4) {
    WPARAM vk = (WPARAM)wcstoul(argv[4], nullptr, 0);
    LPARAM scan = (LPARAM)MapVirtualKeyW((UINT)vk, 0) << 16;
    SendMessageW(dlg, WM_NEXTDLGCTL, (WPARAM)c, TRUE);
    PostMessageW(c, WM_KEYDOWN, vk, scan | 1);
    PostMessageW(c, WM_KEYUP, vk, scan | 0xC0000001);
  } else if (wcscmp(cmd, L"press") == 0) {
    PostMessageW(c, BM_CLICK, 0, 0);
  } else if (wcscmp(cmd, L"settext") == 0 && argc > 4) {
    SendMessageW(c, WM_SETTEXT, 0, (LPARAM)argv[4]);
  } else if (wcscmp(cmd, L"gettext") == 0) {
    wchar_t buf[4096] = L"";
    SendMessageW(c, WM_GETTEXT, 4096, (LPARAM)buf);
    PrintUtf8(buf);
  } else if (wcscmp(cmd, L"select") == 0 && argc > 4) {
    SendMessageW(c, CB_SETCURSEL, (WPARAM)_wtoi(argv[4]), 0);
    PostMessageW(dlg, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), (LPARAM)c);
  } else if (wcscmp(cmd, L"getsel") == 0) {
    printf("%d\n", (int)SendMessageW(c, CB_GETCURSEL, 0, 0));
  } else if (wcscmp(cmd, L"count") == 0) {
    printf("%d\n", (int)SendMessageW(c, CB_GETCOUNT, 0, 0));
  } else if (wcscmp(cmd, L"item") == 0 && argc > 4) {
    wchar_t buf[1024] = L"";
    int idx = _wtoi(argv[4]);
    if (SendMessageW(c, CB_GETLBTEXTLEN, idx, 0) < 1000) SendMessageW(c, CB_GETLBTEXT, idx, (LPARAM)buf);
    PrintUtf8(buf);
  } else if (wcscmp(cmd, L"dropdown") == 0 && argc > 4) {
    PostMessageW(c, CB_SHOWDROPDOWN, _wtoi(argv[4]) ? TRUE : FALSE, 0);
  } else if (wcscmp(cmd, L"check") == 0 && argc > 4) {
    SendMessageW(c, BM_SETCHECK, _wtoi(argv[4]) ? BST_CHECKED : BST_UNCHECKED, 0);
  } else if (wcscmp(cmd, L"checked") == 0) {
    printf("%d\n", SendMessageW(c, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0);
  } else if (wcscmp(cmd, L"enabled") == 0) {
    printf("%d\n", IsWindowEnabled(c) ? 1 : 0);
  } else if (wcscmp(cmd, L"visible") == 0) {
    printf("%d\n", IsWindowVisible(c) ? 1 : 0);
  } else {
    fprintf(stderr, "zdrive: unknown command\n");
    return 2;
  }
  fflush(stdout);
  return 0;
}
