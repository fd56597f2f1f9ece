// Dialog 115 driven from a thread timer while AssignBinding holds it modal:
// a script acts on the dialog until it has done its part.
#pragma once
#include "itest.h"

#include "options/assign.h"

static const char kCaption[] = "キーの割り当て";

// Called every few milliseconds while the dialog is up, with the time since it
// was first seen; returns true when it has done its part.
typedef bool (*DialogScript)(HWND dlg, DWORD elapsed);
static DialogScript g_script;
static HWND g_dialog;
static DWORD g_dialogSeenAt;
static bool g_scriptDone;
static bool g_timedOut;

static VOID CALLBACK DriveDialog(HWND, UINT, UINT_PTR, DWORD) {
  HWND dlg = FindWindowA("#32770", kCaption);
  if (dlg == nullptr || g_scriptDone || !IsWindowVisible(dlg)) return;
  if (g_dialog != dlg) {
    g_dialog = dlg;
    g_dialogSeenAt = GetTickCount();
  }
  DWORD elapsed = GetTickCount() - g_dialogSeenAt;
  if (elapsed > 10000) {  // a stuck dialog must not hang the run
    g_timedOut = true;
    g_scriptDone = true;
    PostMessageA(dlg, WM_COMMAND, IDCANCEL, 0);
    return;
  }
  g_scriptDone = g_script(dlg, elapsed);
}

static HWND g_owner;

static inline int RunAssign(int player, int action, bool pad, DialogScript script) {
  g_script = script;
  g_dialog = nullptr;
  g_scriptDone = false;
  g_timedOut = false;
  UINT_PTR timer = SetTimer(nullptr, 0, 20, DriveDialog);
  int result = AssignBinding(g_owner, player, action, pad);
  KillTimer(nullptr, timer);
  CHECK(!g_timedOut);
  CHECK(g_dialog != nullptr);
  CHECK(!IsWindow(g_dialog));  // the dialog is gone when AssignBinding returns
  return result;
}

static inline void Press(HWND dlg, int id) { PostMessageA(dlg, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }
