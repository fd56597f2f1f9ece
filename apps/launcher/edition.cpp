// What makes this program launcher, for the code both programs share.
#include "core/edition.h"
#include "core/platform.h"
#include "core/settings.h"

const char kTitle[] = "ZantoWin 偽ランチャー Ver.1.4";

// The one install folder already ends in "\".
const char* SettingsFallbackDir() { return GetLegacyInstallDir(); }
const char kSettingsFallbackTail[] = "";
bool SettingsPerUserAllowed() { return !IsWin9xPlatform(); }

const char* GameFolder() { return GetLegacyInstallDir(); }
const char kGameFolderSeparator[] = "";
