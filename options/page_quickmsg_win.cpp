// Quick messages page (page 2): the eight function-key phrases of Zanto.ini [NETWORK].
#include "core/setting_key.h"
#include "core/ui.h"
#include "options/pages.h"
#include "options/quickmsg.h"
#include "res/ids_quickmsg.h"

// The edit of function key n (1 to 8).
static int QuickMessageEditId(int n) { return IDC_QMSG_F1 - 1 + n; }

static void LoadQuickMessages(HWND page) {
  for (int n = 1; n <= QUICK_MESSAGE_COUNT; ++n)
    SetItemText(page, QuickMessageEditId(n), GetSettingString(&kQuickMessageKeys[n - 1]));
}

static void QuickMessageCommand(HWND page, int id) {
  if (id != IDC_QMSG_DEFAULT) return;
  for (int n = 1; n <= QUICK_MESSAGE_COUNT; ++n)
    SetItemText(page, QuickMessageEditId(n), kDefaultQuickMessages[n - 1]);
}

// The edits take any length; the game reads at most 255 bytes, cut where a
// double-byte character would otherwise lose its second half.
static void WriteQuickMessages(HWND page) {
  for (int n = 1; n <= QUICK_MESSAGE_COUNT; ++n) {
    char text[QUICK_MESSAGE_SIZE];
    GetStoredItemText(page, QuickMessageEditId(n), GetSettingString(&kQuickMessageKeys[n - 1]), text, sizeof text);
    WriteSettingString(&kQuickMessageKeys[n - 1], text);
  }
}

const PageHandlers kQuickMessagePage = {LoadQuickMessages, QuickMessageCommand, nullptr, WriteQuickMessages};
