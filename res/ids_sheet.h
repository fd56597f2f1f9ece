// Options sheet: the seven page templates, in page order.
#pragma once
#define IDD_PAGE_CONTROLS 103
#define IDD_PAGE_ONLINE 104
#define IDD_PAGE_QUICKMSG 105
#define IDD_PAGE_VIDEO 106
#define IDD_PAGE_SOUND 107
#define IDD_PAGE_FOLDER 108
#define IDD_PAGE_ABOUT 109
