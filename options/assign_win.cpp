// Dialog 115: in keyboard mode a key from the list; in controller mode the
// first button seen pressed, found by polling the player's controller five
// times a second (the timer's id is the player index).
#include "options/assign.h"

#include "core/ui.h"
#include "options/bindings.h"
#include "options/controller.h"
#include "res/ids_assign.h"

enum { POLL_PERIOD_MS = 200 };

static void InitKeyboardMode(HWND dlg, int currentCode) {
  for (int i = 0; i < KEY_COUNT; ++i) AddComboItem(dlg, IDC_ASSIGN_LIST, kKeyNameTable[i]);
  SetComboSelection(dlg, IDC_ASSIGN_LIST, AssignListIndex(currentCode));
}

static void InitPadMode(HWND dlg, int player) {
  ShowItem(dlg, IDC_ASSIGN_LIST, false);
  EnableItem(dlg, IDOK, false);
  SetItemText(dlg, IDC_ASSIGN_TEXT, "新たに割り当てるゲームコントローラのボタンを押してください。");
  SetTimer(dlg, (UINT_PTR)player, POLL_PERIOD_MS, nullptr);
}

static void PollController(HWND dlg, UINT_PTR timerId) {
  JOYINFOEX info;
  if (ReadController(ControllerForTimer(timerId), &info) != JOYERR_NOERROR) {
    KillTimer(dlg, timerId);
    ShowMessage(dlg, "ゲームコントローラの検出時にエラーが発生しました。接続およびドライバを確認してください。",
                MB_ICONHAND);
    EndDialog(dlg, -1);
    return;
  }
  int button = LowestPressedButton(info.dwButtons);
  if (button < 0) return;  // nothing pressed yet: wait for the next tick
  KillTimer(dlg, timerId);
  EndDialog(dlg, button);
}

// The list always has a selection in keyboard mode; an OK without one (or in
// controller mode, where the list is empty) chooses nothing.
static void ChooseListedKey(HWND dlg) {
  int index = GetComboSelection(dlg, IDC_ASSIGN_LIST);
  EndDialog(dlg, index >= 0 && index < KEY_COUNT ? kKeyCodeTable[index] : -1);
}

INT_PTR CALLBACK AssignDlgProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_INITDIALOG: {
      unsigned param = (unsigned)lParam;
      bool pad = AssignParamIsPad(param);
      SetWindowLongPtrA(dlg, DWLP_USER, pad ? 1 : 0);
      if (pad) {
        InitPadMode(dlg, AssignParamLow(param));
      } else {
        InitKeyboardMode(dlg, AssignParamLow(param));
      }
      return TRUE;
    }
    case WM_TIMER:
      if (GetWindowLongPtrA(dlg, DWLP_USER) != 0) PollController(dlg, (UINT_PTR)wParam);
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK) {
        ChooseListedKey(dlg);
      } else if (LOWORD(wParam) == IDCANCEL) {
        EndDialog(dlg, -1);
      }
      return TRUE;
    case WM_CLOSE:
      EndDialog(dlg, -1);
      return TRUE;
  }
  return FALSE;
}

int AssignBinding(HWND owner, int player, int action, bool pad) {
  int current = GetBinding(player, action, pad);
  if (current == -1) current = 0;
  unsigned param = MakeAssignParam(pad, player, current);
  INT_PTR result = ShowDialog(owner, IDD_ASSIGN, AssignDlgProc, (LPARAM)param);
  if (result == -1) return 0;
  return SetBinding(player, action, pad, (int)result) == -1 ? 0 : 1;
}
