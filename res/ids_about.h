// About page (dialog 109): the installed game's version, the dates of its
// three programs and the updater button.
#pragma once
#define IDC_ABOUT_VERSION 1067
#define IDC_ABOUT_ZANTO_DATE 1032
#define IDC_ABOUT_LAUNCHER_DATE 1033
#define IDC_ABOUT_LOBBY_DATE 1034
#define IDC_ABOUT_UPDATE 1017
