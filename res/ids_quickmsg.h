// Quick messages page (dialog 105): one edit per function key, F1 to F8.
#pragma once
#define IDC_QMSG_F1 2001
#define IDC_QMSG_F2 2002
#define IDC_QMSG_F3 2003
#define IDC_QMSG_F4 2004
#define IDC_QMSG_F5 2005
#define IDC_QMSG_F6 2006
#define IDC_QMSG_F7 2007
#define IDC_QMSG_F8 2008
#define IDC_QMSG_DEFAULT 1027
