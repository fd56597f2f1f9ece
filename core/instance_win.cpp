#include "core/instance_win.h"

#include "core/instance.h"
#include "core/shared_mutex_win.h"

// Session-local: another Windows user of the same PC runs an m_portal of their own.
static const char kInstanceMutexName[] = "ZantoPortalInstance";
static const char kInstanceMark[] = "ZantoPortalInstanceWindow";

static BOOL CALLBACK FindMark(HWND wnd, LPARAM found) {
  if (GetPropA(wnd, kInstanceMark) == nullptr) return TRUE;
  *(HWND*)found = wnd;
  return FALSE;
}

static HWND FindInstanceWindow() {
  HWND found = nullptr;
  EnumWindows(FindMark, (LPARAM)&found);
  return found;
}

// The instance comes to the front only when this start, which the player
// just made and so may take the foreground, passes that right on (Windows
// 2000 and later; looked up, as m_portal must still tell Windows 9x that it
// does not run there).
static void HandOver(HWND wnd) {
  typedef BOOL(WINAPI * AllowFn)(DWORD);
  AllowFn allow = (AllowFn)(void*)GetProcAddress(GetModuleHandleA("user32.dll"), "AllowSetForegroundWindow");
  DWORD process = 0;
  GetWindowThreadProcessId(wnd, &process);
  if (allow != nullptr && process != 0) allow(process);
  PostMessageA(wnd, WM_APP, 0, 0);
}

static bool HasEnded(HANDLE mutex) {
  DWORD wait = WaitForSingleObject(mutex, 0);
  return wait == WAIT_OBJECT_0 || wait == WAIT_ABANDONED;
}

bool HandOverToRunningInstance(HANDLE* mutex) {
  MutexClaim claim;
  HANDLE own = CreateSharedMutex(kInstanceMutexName, true, &claim);
  DWORD started = GetTickCount();
  for (;;) {
    bool ended = false;
    if (claim == MUTEX_EXISTS) {
      ended = HasEnded(own);
    } else if (claim == MUTEX_DENIED) {
      // Refused by an instance of another kind (an older version, another
      // account): once it ends, the name is free again.
      own = CreateSharedMutex(kInstanceMutexName, true, &claim);
      if (claim == MUTEX_EXISTS) ended = HasEnded(own);
    }
    HWND first = claim == MUTEX_CREATED || ended ? nullptr : FindInstanceWindow();
    switch (ChooseInstanceStep(claim, first != nullptr, ended, GetTickCount() - started)) {
      case INSTANCE_HAND_OVER:
        HandOver(first);
        if (own != nullptr) CloseHandle(own);
        return true;
      case INSTANCE_RUN:
        if (own != nullptr && claim == MUTEX_EXISTS && !ended) {
          // The first instance shows no window: this start goes on without its mutex.
          CloseHandle(own);
          own = nullptr;
        }
        *mutex = own;
        return false;
      case INSTANCE_WAIT:
        Sleep(INSTANCE_LOOK_MS);
        break;
    }
  }
}

void MarkInstanceWindow(HWND wnd) {
  SetPropA(wnd, kInstanceMark, (HANDLE)1);
  // User interface privilege isolation drops a posted message from a lower
  // level; the handover message only shows the window. Windows 7 and later
  // allow it for this window, Vista for the process; older systems need neither.
  typedef BOOL(WINAPI * FilterWindowFn)(HWND, UINT, DWORD, void*);
  typedef BOOL(WINAPI * FilterProcessFn)(UINT, DWORD);
  HMODULE user32 = GetModuleHandleA("user32.dll");
  FilterWindowFn forWindow = (FilterWindowFn)(void*)GetProcAddress(user32, "ChangeWindowMessageFilterEx");
  FilterProcessFn forProcess = (FilterProcessFn)(void*)GetProcAddress(user32, "ChangeWindowMessageFilter");
  if (forWindow != nullptr) forWindow(wnd, WM_APP, 1 /* MSGFLT_ALLOW */, nullptr);
  else if (forProcess != nullptr) forProcess(WM_APP, 1 /* MSGFLT_ADD */);
}

void UnmarkInstanceWindow(HWND wnd) { RemovePropA(wnd, kInstanceMark); }
