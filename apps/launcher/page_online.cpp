// launcher's Online page: everything lives in NETWORK of Zanto.ini, where the
// game itself reads the handle name and the options; only the colour
// chooser's custom colours go to the configuration file.
#include "options/online.h"
#include "options/page_online.h"
#include "res/ids_online.h"

const OnlineField kOnlineFields[] = {
    {IDC_ONL_LOGINID, FIELD_TEXT, &kNetworkKeys[NET_HANDLE_NAME]},
    {IDC_ONL_COLOR, FIELD_NAME_COLOR, &kNetworkKeys[NET_NAME_COLOR]},
    {IDC_ONL_REPLAYSAVE, FIELD_CHECK, &kNetworkKeys[NET_REPLAY_AUTO_SAVE]},
    {IDC_ONL_LOG, FIELD_CHECK, &kNetworkKeys[NET_LOG]},
    {IDC_ONL_SPECTATOR, FIELD_CHECK, &kNetworkKeys[NET_SPECTATOR]},
    {IDC_ONL_HANDLESAVE, FIELD_CHECK, &kNetworkKeys[NET_HANDLE_SAVE]},
    {IDC_ONL_NETERRORDISP, FIELD_CHECK, &kNetworkKeys[NET_ERROR_DISP]},
    {IDC_ONL_CHATLINES, FIELD_CHAT_LINES, &kNetworkKeys[NET_CHAT_LINES]},
};
const int kOnlineFieldCount = sizeof kOnlineFields / sizeof kOnlineFields[0];
