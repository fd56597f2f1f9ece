// launcher's Online page: everything lives in [NETWORK] of Zanto.ini, where
// the game itself reads the handle name and the options; only the colour
// chooser's custom colours go to the configuration file.
#include <windows.h>

#include "core/settings.h"
#include "core/text.h"
#include "core/ui.h"
#include "options/name_color.h"
#include "options/online.h"
#include "options/online_fields.h"
#include "options/pages.h"
#include "res/resource.h"

static const char kNetwork[] = "NETWORK";

// Texts are read with this size: at most 255 bytes are stored.
enum { TEXT_SIZE = 256 };

static void LoadOnlinePage(HWND page) {
  SetItemText(page, IDC_ONL_LOGINID, GetGameIniString(kNetwork, "Matchup_HandleName", ""));
  LoadNetworkCheck(page, IDC_ONL_HANDLESAVE, "HandleSave");
  LoadNetworkCheck(page, IDC_ONL_NETERRORDISP, "NetErrorDisp");
  LoadNetworkCheck(page, IDC_ONL_REPLAYSAVE, "ReplayAutoSave");
  LoadNetworkCheck(page, IDC_ONL_LOG, "Log");
  LoadNetworkCheck(page, IDC_ONL_SPECTATOR, "Spectator");
  LoadChatLines(page);
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
      ShowDefaultChatLines(page);
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
  SaveNetworkCheck(page, IDC_ONL_REPLAYSAVE, "ReplayAutoSave");
  SaveNetworkCheck(page, IDC_ONL_LOG, "Log");
  SaveNetworkCheck(page, IDC_ONL_SPECTATOR, "Spectator");
  SaveNetworkCheck(page, IDC_ONL_HANDLESAVE, "HandleSave");
  SaveNetworkCheck(page, IDC_ONL_NETERRORDISP, "NetErrorDisp");
  SaveChatLines(page);
  return true;
}

const PageHandlers kOnlinePage = {LoadOnlinePage, OnlinePageCommand, ApplyOnlinePage};
