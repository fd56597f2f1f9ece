// Key assignment dialog (dialog 115).
#pragma once
#define IDD_ASSIGN 115
#define IDC_ASSIGN_TEXT 1066
#define IDC_ASSIGN_LIST 1022
