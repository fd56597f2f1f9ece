// What makes this program m_portal, for the code both programs share.
#include "core/edition.h"
#include "core/settings.h"

const char kTitle[] = "ZantoWin 偽ランチャー 2.08";

const char* SettingsFallbackDir() { return GetInstallDir(); }
const char kSettingsFallbackTail[] = "\\";
bool SettingsPerUserAllowed() { return true; }

const char* GameFolder() { return GetInstallDir(); }
const char kGameFolderSeparator[] = "\\";
