// launcher's Online page: everything lives in [NETWORK] of Zanto.ini, where
// the game itself reads the handle name and the options; only the colour
// chooser's custom colours go to the configuration file.
#include <windows.h>

#include "core/settings.h"
#include "core/text.h"
#include "core/ui.h"
#include "options/name_color.h"
#include "options/online.h"
#include "options/pages.h"
#include "res/resource.h"

static const char kNetwork[] = "NETWORK";

// Texts are read with this size: at most 255 bytes are stored.
enum { TEXT_SIZE = 256 };

static void LoadCheck(HWND page, int id, const char* key) {
  SetChecked(page, id, CheckFromStored(GetGameIniInt(kNetwork, key, 0)));
}

static void SaveCheck(HWND page, int id, const char* key) {
  WriteGameIniInt(kNetwork, key, StoredFromCheck(IsChecked(page, id)));
}

static void LoadOnlinePage(HWND page) {
  SetItemText(page, IDC_ONL_LOGINID, GetGameIniString(kNetwork, "Matchup_HandleName", ""));
  LoadCheck(page, IDC_ONL_HANDLESAVE, "HandleSave");
  LoadCheck(page, IDC_ONL_NETERRORDISP, "NetErrorDisp");
  LoadCheck(page, IDC_ONL_REPLAYSAVE, "ReplayAutoSave");
  LoadCheck(page, IDC_ONL_LOG, "Log");
  LoadCheck(page, IDC_ONL_SPECTATOR, "Spectator");
  // Shown as stored; the 2..30 range is applied when saving.
  char lines[16];
  TextFormat(lines, sizeof lines, "%u", GetGameIniInt(kNetwork, "ChatLines", DEFAULT_CHAT_LINES));
  SetItemText(page, IDC_ONL_CHATLINES, lines);
  LoadNameColor();
}

// The default button keeps the handle name but clears every check box,
// "Remember ID" and "Spectator mode" included; nothing is written until OK.
static void OnlinePageCommand(HWND page, int id) {
  switch (id) {
    case IDC_ONL_COLOR:
      ChooseNameColor(page);
      break;
    case IDC_ONL_DEFAULT: {
      SetNameColor(kDefaultNameColor);
      char lines[16];
      TextFormat(lines, sizeof lines, "%d", DEFAULT_BUTTON_CHAT_LINES);
      SetItemText(page, IDC_ONL_CHATLINES, lines);
      SetChecked(page, IDC_ONL_REPLAYSAVE, false);
      SetChecked(page, IDC_ONL_LOG, false);
      SetChecked(page, IDC_ONL_HANDLESAVE, false);
      SetChecked(page, IDC_ONL_NETERRORDISP, false);
      SetChecked(page, IDC_ONL_SPECTATOR, false);
      break;
    }
  }
}

static bool ApplyOnlinePage(HWND page) {
  char text[TEXT_SIZE];
  GetItemText(page, IDC_ONL_LOGINID, text, sizeof text);
  WriteGameIniString(kNetwork, "Matchup_HandleName", text);
  SaveNameColor();
  SaveCheck(page, IDC_ONL_REPLAYSAVE, "ReplayAutoSave");
  SaveCheck(page, IDC_ONL_LOG, "Log");
  SaveCheck(page, IDC_ONL_SPECTATOR, "Spectator");
  SaveCheck(page, IDC_ONL_HANDLESAVE, "HandleSave");
  SaveCheck(page, IDC_ONL_NETERRORDISP, "NetErrorDisp");
  GetItemText(page, IDC_ONL_CHATLINES, text, sizeof text);
  WriteGameIniInt(kNetwork, "ChatLines", ChatLinesToSave(text));
  return true;
}

const PageHandlers kOnlinePage = {LoadOnlinePage, OnlinePageCommand, ApplyOnlinePage};
