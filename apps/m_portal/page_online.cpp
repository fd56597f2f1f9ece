// m_portal's Online page: login data and matchup preferences in [m_portal] of
// the configuration file (StartGame reads them anew at every start), the
// game's own network options in [NETWORK] of Zanto.ini.
#include <windows.h>

#include "core/settings.h"
#include "core/text.h"
#include "core/ui.h"
#include "options/name_color.h"
#include "options/online.h"
#include "options/pages.h"
#include "res/resource.h"

static const char kConfig[] = "m_portal";
static const char kNetwork[] = "NETWORK";

// Every text of the page is read with this size: at most 255 bytes are stored.
enum { TEXT_SIZE = 256 };

static void ShowMatchupValueFields(HWND page) {
  int mode = GetListSelection(page, IDC_ONL_MATCHUPMODE);
  ShowItem(page, IDC_ONL_RATE, MatchupRateShown(mode));
  ShowItem(page, IDC_ONL_RATELABEL, MatchupRateShown(mode));
  ShowItem(page, IDC_ONL_PING, MatchupPingShown(mode));
  ShowItem(page, IDC_ONL_PINGLABEL, MatchupPingShown(mode));
}

static void ShowSpectatorRangeFields(HWND page) {
  bool shown = SpectatorRangeShown(GetListSelection(page, IDC_ONL_SPECMODE));
  ShowItem(page, IDC_ONL_RATEMIN, shown);
  ShowItem(page, IDC_ONL_RANGELABEL, shown);
  ShowItem(page, IDC_ONL_RATEMAX, shown);
}

static void LoadCheck(HWND page, int id, const char* key) {
  SetChecked(page, id, CheckFromStored(GetGameIniInt(kNetwork, key, 0)));
}

static void SaveCheck(HWND page, int id, const char* key) {
  WriteGameIniInt(kNetwork, key, StoredFromCheck(IsChecked(page, id)));
}

static void FillList(HWND page, int id, const char* const* items, int count, const char* key, int def) {
  for (int i = 0; i < count; ++i) AddListItem(page, id, items[i]);
  SetListSelection(page, id, ListPositionFromStored(GetConfigInt(kConfig, key, def), count));
}

static void SaveConfigText(HWND page, int id, const char* key) {
  char text[TEXT_SIZE];
  GetItemText(page, id, text, sizeof text);
  WriteConfigString(kConfig, key, text);
}

static void LoadOnlinePage(HWND page) {
  SetItemText(page, IDC_ONL_LOGINID, GetConfigString(kConfig, "Matchup_LoginID", ""));
  SetItemText(page, IDC_ONL_PASSWORD, GetConfigString(kConfig, "Matchup_Password", ""));
  LoadCheck(page, IDC_ONL_NETERRORDISP, "NetErrorDisp");
  LoadCheck(page, IDC_ONL_REPLAYSAVE, "ReplayAutoSave");
  LoadCheck(page, IDC_ONL_LOG, "Log");
  // Shown as stored; the 2..30 range is applied when saving.
  char lines[16];
  TextFormat(lines, sizeof lines, "%u", GetGameIniInt(kNetwork, "ChatLines", DEFAULT_CHAT_LINES));
  SetItemText(page, IDC_ONL_CHATLINES, lines);
  FillList(page, IDC_ONL_MATCHUPMODE, MatchupModeItems, MATCHUP_MODE_COUNT, "Matchup_Mode", 1);
  FillList(page, IDC_ONL_MATCHUPRULE, MatchupRuleItems, MATCHUP_RULE_COUNT, "Matchup_Rule", 0);
  FillList(page, IDC_ONL_SPECMODE, SpectatorModeItems, SPECTATOR_MODE_COUNT, "Spectator_Mode", 0);
  FillList(page, IDC_ONL_SPECRULE, SpectatorRuleItems, SPECTATOR_RULE_COUNT, "Spectator_Rule", 0);
  ShowMatchupValueFields(page);
  ShowSpectatorRangeFields(page);
  SetItemText(page, IDC_ONL_RATE, GetConfigString(kConfig, "Matchup_Rate", "3000"));
  SetItemText(page, IDC_ONL_PING, GetConfigString(kConfig, "Matchup_Ping", "5000"));
  SetItemText(page, IDC_ONL_RATEMIN, GetConfigString(kConfig, "Spectator_Rate_Min", "2000"));
  SetItemText(page, IDC_ONL_RATEMAX, GetConfigString(kConfig, "Spectator_Rate_Max", "4000"));
  LoadNameColor();
}

// The default button resets what the game shows, never the login data or the
// matchup preferences, and writes nothing until the sheet's OK.
static void OnlinePageCommand(HWND page, int id) {
  switch (id) {
    case IDC_ONL_MATCHUPMODE:
      ShowMatchupValueFields(page);
      break;
    case IDC_ONL_SPECMODE:
      ShowSpectatorRangeFields(page);
      break;
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
      SetChecked(page, IDC_ONL_NETERRORDISP, false);
      break;
    }
  }
}

static bool ApplyOnlinePage(HWND page) {
  SaveConfigText(page, IDC_ONL_LOGINID, "Matchup_LoginID");
  SaveConfigText(page, IDC_ONL_PASSWORD, "Matchup_Password");
  SaveNameColor();
  SaveCheck(page, IDC_ONL_REPLAYSAVE, "ReplayAutoSave");
  SaveCheck(page, IDC_ONL_LOG, "Log");
  SaveCheck(page, IDC_ONL_NETERRORDISP, "NetErrorDisp");
  char lines[TEXT_SIZE];
  GetItemText(page, IDC_ONL_CHATLINES, lines, sizeof lines);
  WriteGameIniInt(kNetwork, "ChatLines", ChatLinesToSave(lines));
  WriteConfigInt(kConfig, "Matchup_Mode", GetListSelection(page, IDC_ONL_MATCHUPMODE));
  WriteConfigInt(kConfig, "Matchup_Rule", GetListSelection(page, IDC_ONL_MATCHUPRULE));
  WriteConfigInt(kConfig, "Spectator_Mode", GetListSelection(page, IDC_ONL_SPECMODE));
  WriteConfigInt(kConfig, "Spectator_Rule", GetListSelection(page, IDC_ONL_SPECRULE));
  // Hidden value fields are saved too: they keep what the player typed.
  SaveConfigText(page, IDC_ONL_RATE, "Matchup_Rate");
  SaveConfigText(page, IDC_ONL_PING, "Matchup_Ping");
  SaveConfigText(page, IDC_ONL_RATEMIN, "Spectator_Rate_Min");
  SaveConfigText(page, IDC_ONL_RATEMAX, "Spectator_Rate_Max");
  return true;
}

const PageHandlers kOnlinePage = {LoadOnlinePage, OnlinePageCommand, ApplyOnlinePage};
