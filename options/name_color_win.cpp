#include "options/name_color.h"

#include <string.h>

#include "core/setting_key.h"
#include "core/edition.h"
#include "core/settings.h"
#include "core/system_dll_win.h"
#include "core/ui.h"
#include "options/online.h"

ChooseColorFn g_chooseColor = nullptr;
CommDlgExtendedErrorFn g_commDlgExtendedError = nullptr;

static unsigned g_nameColor = kDefaultNameColor;

unsigned NameColor() { return g_nameColor; }

void SetNameColor(unsigned color) { g_nameColor = color & 0x00FFFFFFu; }

// The library stays loaded for the rest of the run once it was needed.
static bool LoadColorChooser() {
  if (g_chooseColor != nullptr && g_commDlgExtendedError != nullptr) return true;
  HMODULE lib = LoadSystemLibrary("comdlg32.dll");
  if (lib == nullptr) return false;
  // The wide chooser is a Unicode dialog like the programs' own (core/ui.h);
  // 9x has only a stub of it. The two records differ only in the template
  // name, which is not used, so the narrow one is called through the same type.
  const char* chooser = UseWideCalls() ? "ChooseColorW" : "ChooseColorA";
  if (g_chooseColor == nullptr) g_chooseColor = (ChooseColorFn)(void*)GetProcAddress(lib, chooser);
  if (g_commDlgExtendedError == nullptr)
    g_commDlgExtendedError = (CommDlgExtendedErrorFn)(void*)GetProcAddress(lib, "CommDlgExtendedError");
  return g_chooseColor != nullptr && g_commDlgExtendedError != nullptr;
}

static void ReportChooserFailure(HWND owner) {
  ShowMessage(owner, "色選択ダイアログボックスの作成にエラーが発生しました。", MB_ICONERROR | MB_OK);
}

void ChooseNameColor(HWND owner) {
  COLORREF custom[CUSTOM_COLOR_COUNT];
  for (int i = 0; i < CUSTOM_COLOR_COUNT; ++i) custom[i] = GetSettingInt(&kCustomColorKeys[i]);
  if (!LoadColorChooser()) {
    ReportChooserFailure(owner);
    return;
  }
  CHOOSECOLORW cc;
  memset(&cc, 0, sizeof cc);
  cc.lStructSize = sizeof cc;
  cc.hwndOwner = owner;
  cc.rgbResult = g_nameColor;
  cc.lpCustColors = custom;
  cc.Flags = CC_RGBINIT | CC_FULLOPEN | CC_ANYCOLOR;
  if (g_chooseColor(&cc)) {
    // The sixteen are saved together or not at all, and the chosen colour is
    // kept whatever happens, as the custom colours are only a convenience;
    // only a save that could not have its turn is told.
    BeginSettingsBurst();
    for (int i = 0; i < CUSTOM_COLOR_COUNT; ++i) WriteSettingHex(&kCustomColorKeys[i], custom[i]);
    if (!CommitSettingsBurst() && SettingsSaveLackedTurn()) ShowMessage(owner, kSettingsSaveBusy, MB_ICONERROR);
    SetNameColor(cc.rgbResult);
    return;
  }
  // No colour: a cancel leaves no extended error, anything else is a failure.
  if (g_commDlgExtendedError() != 0) ReportChooserFailure(owner);
}
