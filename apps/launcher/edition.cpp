// What makes this program launcher, for the code both programs share.
#include "core/edition.h"
#include "core/platform.h"

const char kTitle[] = "ZantoWin 偽ランチャー Ver.1.4";

const GameFolder kGameFolder = LEGACY_INSTALL_DIR;
bool SettingsPerUserAllowed() { return !IsWin9xPlatform(); }

const char kSettingsCopyTag[] = "launcher";
const char kSettingsSaveFailed[] = "The settings could not be saved. Check the free disk space and the file's attributes.";
const char kSettingsSavedInPart[] = "Part of the settings could not be saved. %s has the new settings, but %s is as it was.";
const char kSettingsSaveBusy[] = "The settings could not be saved: another program is saving them. Please try again in a moment.";

const bool kLinkLocalIsPrivate = false;

#ifndef ZANTO_WEB_TOP_LEGACY
#define ZANTO_WEB_TOP_LEGACY "http://127.0.0.1/zanto/win/"
#define ZANTO_WEB_NEWS_LEGACY "http://127.0.0.1/zanto/win/new/"
#endif
const char kWebTopPage[] = ZANTO_WEB_TOP_LEGACY;
const char kWebNewsPage[] = ZANTO_WEB_NEWS_LEGACY;

const char kVersionMark[] = "Ver";
const bool kVersionCutAtSpace = false;
