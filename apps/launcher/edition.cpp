// What makes this program launcher, for the code both programs share.
#include "core/edition.h"
#include "core/platform.h"
#include "core/settings.h"

const char kTitle[] = "ZantoWin 偽ランチャー Ver.1.4";

// The one install folder already ends in "\".
const char* SettingsFallbackDir() { return GetLegacyInstallDir(); }
const char kSettingsFallbackTail[] = "";
bool SettingsPerUserAllowed() { return !IsWin9xPlatform(); }

const char kSettingsCopyTag[] = "launcher";
const char kSettingsSaveFailed[] = "The settings could not be saved. Check the free disk space and the file's attributes.";

const char* GameFolder() { return GetLegacyInstallDir(); }
const char kGameFolderSeparator[] = "";

const bool kLinkLocalIsPrivate = false;

#ifndef ZANTO_WEB_TOP_LEGACY
#define ZANTO_WEB_TOP_LEGACY "http://127.0.0.1/zanto/win/"
#define ZANTO_WEB_NEWS_LEGACY "http://127.0.0.1/zanto/win/new/"
#endif
const char kWebTopPage[] = ZANTO_WEB_TOP_LEGACY;
const char kWebNewsPage[] = ZANTO_WEB_NEWS_LEGACY;

const char kVersionMark[] = "Ver";
const bool kVersionCutAtSpace = false;
