// m_portal's Online page: the login data and matchup preferences go to
// [m_portal] of the configuration file (every start reads them anew), the
// game's own network options to NETWORK of Zanto.ini.
#include "core/cmdline.h"
#include "core/ui.h"
#include "options/online.h"
#include "options/page_online.h"
#include "res/ids_online.h"

static void ShowMatchupValueFields(HWND page) {
  int mode = GetComboSelection(page, IDC_ONL_MATCHUPMODE);
  ShowItem(page, IDC_ONL_RATE, MatchupRateShown(mode));
  ShowItem(page, IDC_ONL_RATELABEL, MatchupRateShown(mode));
  ShowItem(page, IDC_ONL_PING, MatchupPingShown(mode));
  ShowItem(page, IDC_ONL_PINGLABEL, MatchupPingShown(mode));
}

static void ShowSpectatorRangeFields(HWND page) {
  bool shown = SpectatorRangeShown(GetComboSelection(page, IDC_ONL_SPECMODE));
  ShowItem(page, IDC_ONL_RATEMIN, shown);
  ShowItem(page, IDC_ONL_RANGELABEL, shown);
  ShowItem(page, IDC_ONL_RATEMAX, shown);
}

const OnlineField kOnlineFields[] = {
    {IDC_ONL_LOGINID, FIELD_TEXT, &kMatchupKeys[MATCHUP_LOGIN_ID]},
    {IDC_ONL_PASSWORD, FIELD_TEXT, &kMatchupKeys[MATCHUP_PASSWORD]},
    {IDC_ONL_COLOR, FIELD_NAME_COLOR, &kNetworkKeys[NET_NAME_COLOR]},
    {IDC_ONL_REPLAYSAVE, FIELD_CHECK, &kNetworkKeys[NET_REPLAY_AUTO_SAVE]},
    {IDC_ONL_LOG, FIELD_CHECK, &kNetworkKeys[NET_LOG]},
    {IDC_ONL_NETERRORDISP, FIELD_CHECK, &kNetworkKeys[NET_ERROR_DISP]},
    {IDC_ONL_CHATLINES, FIELD_CHAT_LINES, &kNetworkKeys[NET_CHAT_LINES]},
    {IDC_ONL_MATCHUPMODE, FIELD_LIST, &kMatchupKeys[MATCHUP_MODE], kMatchupModeItems, MATCHUP_MODE_COUNT,
     ShowMatchupValueFields},
    {IDC_ONL_MATCHUPRULE, FIELD_LIST, &kMatchupKeys[MATCHUP_RULE], kMatchupRuleItems, MATCHUP_RULE_COUNT},
    {IDC_ONL_SPECMODE, FIELD_LIST, &kMatchupKeys[SPECTATOR_MODE], kSpectatorModeItems, SPECTATOR_MODE_COUNT,
     ShowSpectatorRangeFields},
    {IDC_ONL_SPECRULE, FIELD_LIST, &kMatchupKeys[SPECTATOR_RULE], kSpectatorRuleItems, SPECTATOR_RULE_COUNT},
    {IDC_ONL_RATE, FIELD_TEXT, &kMatchupKeys[MATCHUP_RATE]},
    {IDC_ONL_PING, FIELD_TEXT, &kMatchupKeys[MATCHUP_PING]},
    {IDC_ONL_RATEMIN, FIELD_TEXT, &kMatchupKeys[SPECTATOR_RATE_MIN]},
    {IDC_ONL_RATEMAX, FIELD_TEXT, &kMatchupKeys[SPECTATOR_RATE_MAX]},
};
const int kOnlineFieldCount = sizeof kOnlineFields / sizeof kOnlineFields[0];
