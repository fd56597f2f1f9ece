// Connect dialog (102): the address to join, with the recent addresses.
#pragma once
#define IDD_CONNECT 102
#define IDC_CONNECT_ADDRESS 1023
