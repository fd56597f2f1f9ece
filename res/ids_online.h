// Online page (dialog 104). launcher's form has only the login ID, the two
// check boxes of its own (remember the ID, spectator mode) and the shared part.
#pragma once
#define IDC_ONL_LOGINID 1038
#define IDC_ONL_PASSWORD 1039
#define IDC_ONL_REPLAYSAVE 1036
#define IDC_ONL_LOG 1035
#define IDC_ONL_NETERRORDISP 1048
#define IDC_ONL_CHATLINES 1020
#define IDC_ONL_COLOR 3076
#define IDC_ONL_DEFAULT 1027
#define IDC_ONL_MATCHUPMODE 1068
#define IDC_ONL_MATCHUPRULE 1069
#define IDC_ONL_SPECMODE 1070
#define IDC_ONL_SPECRULE 1071
#define IDC_ONL_RATEMIN 1072
#define IDC_ONL_RATEMAX 1073
#define IDC_ONL_PING 1074
#define IDC_ONL_PINGLABEL 1076
#define IDC_ONL_RATE 1077
#define IDC_ONL_RATELABEL 1078
#define IDC_ONL_RANGELABEL 1079
#define IDC_ONL_HANDLESAVE 7005
#define IDC_ONL_SPECTATOR 1049
