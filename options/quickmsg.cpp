#include "options/quickmsg.h"

#include "core/text.h"

const char kQuickMessageSection[] = "NETWORK";

const char* const DefaultQuickMessages[QUICK_MESSAGE_COUNT] = {
    "おはようございます", "こんにちは",   "こんばんは", "はじめまして",
    "よろしくお願いします", "いっきま～す", "ありゃりゃ", "やった～",
};

bool QuickMessageKey(int n, char* out, size_t size) {
  if (n < 1 || n > QUICK_MESSAGE_COUNT) {
    if (size > 0) out[0] = '\0';
    return false;
  }
  return TextFormat(out, size, "ShortCutMessage_F%02d", n);
}
