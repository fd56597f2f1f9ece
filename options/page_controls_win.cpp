// Page 0, Controls: each player's device and the key or controller button of
// each action, written into PERIPHERAL of Zanto.ini on OK. The only page that
// refuses an OK: two actions on one key are listed and nothing is written.
#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include "core/accessible_win.h"
#include "core/setting_key.h"
#include "core/ui.h"
#include "options/assign.h"
#include "options/bindings.h"
#include "options/controller.h"
#include "options/pages.h"
#include "res/ids_controls.h"

static const int kBindingButtons[PLAYER_COUNT][ACTION_COUNT] = {
    {IDC_CTL_P1_UP, IDC_CTL_P1_DOWN, IDC_CTL_P1_LEFT, IDC_CTL_P1_RIGHT, IDC_CTL_P1_PAUSE, IDC_CTL_P1_ROTL,
     IDC_CTL_P1_ROTR},
    {IDC_CTL_P2_UP, IDC_CTL_P2_DOWN, IDC_CTL_P2_LEFT, IDC_CTL_P2_RIGHT, IDC_CTL_P2_PAUSE, IDC_CTL_P2_ROTL,
     IDC_CTL_P2_ROTR},
};
static const int kBindingCaptions[PLAYER_COUNT][ACTION_COUNT] = {
    {IDC_CTL_P1_UP_CAPTION, IDC_CTL_P1_DOWN_CAPTION, IDC_CTL_P1_LEFT_CAPTION, IDC_CTL_P1_RIGHT_CAPTION,
     IDC_CTL_P1_PAUSE_CAPTION, IDC_CTL_P1_ROTL_CAPTION, IDC_CTL_P1_ROTR_CAPTION},
    {IDC_CTL_P2_UP_CAPTION, IDC_CTL_P2_DOWN_CAPTION, IDC_CTL_P2_LEFT_CAPTION, IDC_CTL_P2_RIGHT_CAPTION,
     IDC_CTL_P2_PAUSE_CAPTION, IDC_CTL_P2_ROTL_CAPTION, IDC_CTL_P2_ROTR_CAPTION},
};
static const int kPadRadios[PLAYER_COUNT] = {IDC_CTL_P1_PAD, IDC_CTL_P2_PAD};
static const int kDeviceRadios[PLAYER_COUNT][3] = {
    {IDC_CTL_P1_KEYBOARD, IDC_CTL_P1_PAD, IDC_CTL_P1_DISABLE},
    {IDC_CTL_P2_KEYBOARD, IDC_CTL_P2_PAD, IDC_CTL_P2_DISABLE},
};

// The radios are the device choice; there is no other copy until OK.
static DeviceStates ReadDeviceStates(HWND page) {
  DeviceStates s;
  s.player1Pad = IsChecked(page, IDC_CTL_P1_PAD);
  s.player2Pad = IsChecked(page, IDC_CTL_P2_PAD);
  s.player2Disabled = IsChecked(page, IDC_CTL_P2_DISABLE);
  return s;
}

// A binding button shows only its key; a screen reader also hears whose and
// which action: the player's group box (the line before the player's first
// radio in the template) and the caption over the button.
static void NameBindingButton(HWND page, int player, int action, const char* key) {
  char who[64], what[64], name[192];
  HWND group = GetWindow(GetDlgItem(page, kDeviceRadios[player][0]), GW_HWNDPREV);
  who[0] = '\0';
  if (group != nullptr) GetControlText(group, who, sizeof who);
  GetItemText(page, kBindingCaptions[player][action], what, sizeof what);
  FormatBindingName(who, what, key, name, sizeof name);
  SetAccessibleName(GetDlgItem(page, kBindingButtons[player][action]), name);
}

static void RefreshBindingButtons(HWND page) {
  DeviceStates s = ReadDeviceStates(page);
  for (int p = 0; p < PLAYER_COUNT; ++p) {
    bool pad = p == 0 ? s.player1Pad : s.player2Pad;
    for (int a = 0; a < ACTION_COUNT; ++a) {
      const char* label = GetBindingLabel(p, a, pad);
      SetItemText(page, kBindingButtons[p][a], label);
      NameBindingButton(page, p, a, label);
      bool enabled = BindingButtonEnabled(&s, p, a);
      EnableItem(page, kBindingButtons[p][a], enabled);
      EnableItem(page, kBindingCaptions[p][a], enabled);
    }
    KeepRadioTabStop(page, kDeviceRadios[p], 3);
  }
}

static void LoadControls(HWND page) {
  // A controller that cannot be read now cannot be chosen; a stored choice
  // of it stays checked until the player moves away from it.
  if (!ControllerPresent(0)) EnableItem(page, IDC_CTL_P1_PAD, false);
  if (!ControllerPresent(1)) EnableItem(page, IDC_CTL_P2_PAD, false);

  for (int i = 0; i < BINDING_KEY_COUNT; ++i) {
    const BindingKey* key = &kBindingKeys[i];
    // Stored as read, -1 and unknown codes included: the game gets back what it wrote.
    *BindingSlot(&g_keyBindings, key) = (int)GetSettingInt(&key->setting);
  }

  Device p1 = DeviceFromStored(0, (int)GetSettingInt(&kDeviceKeys[0]));
  SetChecked(page, p1 == DEVICE_PAD ? IDC_CTL_P1_PAD : IDC_CTL_P1_KEYBOARD, true);
  Device p2 = DeviceFromStored(1, (int)GetSettingInt(&kDeviceKeys[1]));
  SetChecked(page, p2 == DEVICE_PAD ? IDC_CTL_P2_PAD : p2 == DEVICE_DISABLED ? IDC_CTL_P2_DISABLE : IDC_CTL_P2_KEYBOARD,
             true);
  RefreshBindingButtons(page);
}

static void PutDefaults(HWND page) {
  ApplyDefaultKeySet(&g_keyBindings);
  SetChecked(page, IDC_CTL_P1_KEYBOARD, true);
  SetChecked(page, IDC_CTL_P1_PAD, false);
  SetChecked(page, IDC_CTL_P1_DISABLE, false);
  SetChecked(page, IDC_CTL_P2_KEYBOARD, false);
  SetChecked(page, IDC_CTL_P2_PAD, false);
  SetChecked(page, IDC_CTL_P2_DISABLE, true);
  RefreshBindingButtons(page);
}

// The page checks the radios itself: a disabled radio that the file left
// checked must still be cleared when the player moves to another one, which
// the platform's automatic radios do not do everywhere. Player 1 is never
// switched off, and a missing controller is never chosen.
static void ChooseDevice(HWND page, int id) {
  if (!IsWindowEnabled(GetDlgItem(page, id))) return;
  if (id <= IDC_CTL_P1_DISABLE) {
    CheckRadioButton(page, IDC_CTL_P1_KEYBOARD, IDC_CTL_P1_DISABLE, id);
  } else {
    CheckRadioButton(page, IDC_CTL_P2_KEYBOARD, IDC_CTL_P2_DISABLE, id);
  }
}

static void ControlsCommand(HWND page, int id) {
  if (id >= IDC_CTL_P1_KEYBOARD && id <= IDC_CTL_P2_DISABLE) {
    ChooseDevice(page, id);
    RefreshBindingButtons(page);
    return;
  }
  if (id == IDC_CTL_DEFAULT) {
    PutDefaults(page);
    return;
  }
  for (int p = 0; p < PLAYER_COUNT; ++p) {
    for (int a = 0; a < ACTION_COUNT; ++a) {
      if (kBindingButtons[p][a] != id) continue;
      if (AssignBinding(page, p, a, IsChecked(page, kPadRadios[p])) == 1) RefreshBindingButtons(page);
      return;
    }
  }
}

// After the message the sheet shows this page, whichever page OK was pressed
// on, with the focus on what must change: the player could otherwise neither
// see nor reach the clash. The focus is posted, so that it lands after the
// sheet has finished with the OK.
static void LeadToClash(HWND page, const BindingRef clash[2], const DeviceStates* s) {
  BindingRef to = ClashFocus(clash, s);
  int id = kDeviceRadios[to.player][0];
  if (to.action >= 0) {
    id = kBindingButtons[to.player][to.action];
  } else {
    for (int radio : kDeviceRadios[to.player])
      if (IsChecked(page, radio)) id = radio;  // never an unchecked one: the focus would choose it
  }
  HWND sheet = GetParent(page);
  SendMessageA(sheet, PSM_SETCURSEL, (WPARAM)PAGE_CONTROLS, 0);
  PostMessageA(sheet, WM_NEXTDLGCTL, (WPARAM)GetDlgItem(page, id), TRUE);
}

static bool ApplyControls(HWND page) {
  DeviceStates s = ReadDeviceStates(page);
  char message[DUPLICATE_MESSAGE_SIZE];
  BindingRef clash[2];
  if (FindDuplicateBindings(&g_keyBindings, &s, message, sizeof message, clash)) {
    ShowMessage(page, message, MB_ICONEXCLAMATION);
    LeadToClash(page, clash, &s);
    return false;
  }
  return true;
}

static void WriteControls(HWND page) {
  DeviceStates s = ReadDeviceStates(page);
  for (int p = 0; p < PLAYER_COUNT; ++p) WriteSettingInt(&kDeviceKeys[p], StoredDevice(&s, p));
  for (const BindingKey& key : kBindingKeys) WriteSettingInt(&key.setting, *BindingSlot(&g_keyBindings, &key));
}

const PageHandlers kControlsPage = {LoadControls, ControlsCommand, ApplyControls, WriteControls};
