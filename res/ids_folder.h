// Folders and web page (dialog 108): four buttons, each opening one place.
#pragma once
#define IDC_FLD_SETTINGS 1024
#define IDC_FLD_INSTALL 1018
#define IDC_FLD_WEB_TOP 1022
#define IDC_FLD_WEB_NEWS 1019
