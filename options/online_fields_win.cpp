#include "options/online_fields.h"

#include "core/settings.h"
#include "core/text.h"
#include "core/ui.h"
#include "options/online.h"
#include "res/resource.h"

static const char kNetwork[] = "NETWORK";

void LoadNetworkCheck(HWND page, int id, const char* key) {
  SetChecked(page, id, CheckFromStored(GetGameIniInt(kNetwork, key, 0)));
}

void SaveNetworkCheck(HWND page, int id, const char* key) {
  WriteGameIniInt(kNetwork, key, StoredFromCheck(IsChecked(page, id)));
}

void LoadChatLines(HWND page) {
  char lines[16];
  TextFormat(lines, sizeof lines, "%u", GetGameIniInt(kNetwork, "ChatLines", DEFAULT_CHAT_LINES));
  SetItemText(page, IDC_ONL_CHATLINES, lines);
}

void ShowDefaultChatLines(HWND page) {
  char lines[16];
  TextFormat(lines, sizeof lines, "%d", DEFAULT_BUTTON_CHAT_LINES);
  SetItemText(page, IDC_ONL_CHATLINES, lines);
}

void SaveChatLines(HWND page) {
  char lines[256];
  GetItemText(page, IDC_ONL_CHATLINES, lines, sizeof lines);
  WriteGameIniInt(kNetwork, "ChatLines", ChatLinesToSave(lines));
}
