#include "options/quickmsg.h"

#include "core/text.h"
#include "options/online.h"

const SettingKey kQuickMessageKeys[QUICK_MESSAGE_COUNT] = {
    {GAME_INI, kNetworkSection, "ShortCutMessage_F01", 0, ""}, {GAME_INI, kNetworkSection, "ShortCutMessage_F02", 0, ""},
    {GAME_INI, kNetworkSection, "ShortCutMessage_F03", 0, ""}, {GAME_INI, kNetworkSection, "ShortCutMessage_F04", 0, ""},
    {GAME_INI, kNetworkSection, "ShortCutMessage_F05", 0, ""}, {GAME_INI, kNetworkSection, "ShortCutMessage_F06", 0, ""},
    {GAME_INI, kNetworkSection, "ShortCutMessage_F07", 0, ""}, {GAME_INI, kNetworkSection, "ShortCutMessage_F08", 0, ""},
};

const char* const kDefaultQuickMessages[QUICK_MESSAGE_COUNT] = {
    "おはようございます", "こんにちは",   "こんばんは", "はじめまして",
    "よろしくお願いします", "いっきま～す", "ありゃりゃ", "やった～",
};

bool QuickMessageKey(int n, char* out, size_t size) {
  if (n < 1 || n > QUICK_MESSAGE_COUNT) {
    if (size > 0) out[0] = '\0';
    return false;
  }
  return TextFormat(out, size, "%s", kQuickMessageKeys[n - 1].key);
}
