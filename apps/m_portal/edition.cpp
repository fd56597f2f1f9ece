// What makes this program m_portal, for the code both programs share.
#include "core/edition.h"

const char kTitle[] = "ZantoWin 偽ランチャー 2.08";

const GameFolder kGameFolder = INSTALL_DIR;
bool SettingsPerUserAllowed() { return true; }

const char kSettingsCopyTag[] = "m_portal";
const char kSettingsSaveFailed[] = "設定を保存できませんでした。ディスクの空き容量とファイルの属性を確認してください。";
const char kSettingsSavedInPart[] = "設定の一部を保存できませんでした。%s には新しい設定を保存しましたが、%s は元のままです。";
const char kSettingsSaveBusy[] = "設定を保存できませんでした。ほかのプログラムが設定を保存しています。しばらくしてからもう一度お試しください。";

const bool kLinkLocalIsPrivate = true;

#ifndef ZANTO_WEB_TOP
#define ZANTO_WEB_TOP "http://127.0.0.1/zanto/"
#define ZANTO_WEB_NEWS "http://127.0.0.1/zanto/news/"
#endif
const char kWebTopPage[] = ZANTO_WEB_TOP;
const char kWebNewsPage[] = ZANTO_WEB_NEWS;

const char kVersionMark[] = "ver";
const bool kVersionCutAtSpace = true;
