// The Online page's body: load, default button and save, walking the fields
// that the program gives in kOnlineFields.
#include "options/page_online.h"

#include "core/text.h"
#include "core/ui.h"
#include "options/name_color.h"
#include "options/online.h"
#include "options/pages.h"
#include "res/ids_online.h"

// Every text of the page is read with this size: at most 255 bytes are stored.
enum { TEXT_SIZE = 256 };

static void ShowNumber(HWND page, int id, unsigned value) {
  char text[16];
  TextFormat(text, sizeof text, "%u", value);
  SetItemText(page, id, text);
}

static void LoadField(HWND page, const OnlineField* f) {
  switch (f->kind) {
    case FIELD_TEXT:
      SetItemText(page, f->id, GetSettingString(f->setting));
      break;
    case FIELD_CHECK:
      SetChecked(page, f->id, CheckFromStored(GetSettingInt(f->setting)));
      break;
    case FIELD_CHAT_LINES:  // shown as stored; the 2..30 range is applied when saving
      ShowNumber(page, f->id, GetSettingInt(f->setting));
      break;
    case FIELD_NAME_COLOR:
      SetNameColor(NameColorFromText(GetSettingString(f->setting)));
      break;
    case FIELD_LIST:
      for (int i = 0; i < f->itemCount; ++i) AddComboItem(page, f->id, f->items[i]);
      SetComboSelection(page, f->id, ListPositionFromStored(GetSettingInt(f->setting), f->itemCount));
      if (f->follow != nullptr) f->follow(page);
      break;
  }
}

// Fields that are hidden are saved too: they keep what the player typed.
static void SaveField(HWND page, const OnlineField* f) {
  char text[TEXT_SIZE];
  switch (f->kind) {
    case FIELD_TEXT:
      GetStoredItemText(page, f->id, GetSettingString(f->setting), text, sizeof text);
      WriteSettingString(f->setting, text);
      break;
    case FIELD_CHECK:
      WriteSettingInt(f->setting, StoredFromCheck(IsChecked(page, f->id)));
      break;
    case FIELD_CHAT_LINES:
      GetItemText(page, f->id, text, sizeof text);
      WriteSettingInt(f->setting, ChatLinesToSave(text));
      break;
    case FIELD_NAME_COLOR:
      FormatNameColor(NameColor(), text, sizeof text);
      WriteSettingString(f->setting, text);
      break;
    case FIELD_LIST:
      WriteSettingInt(f->setting, GetComboSelection(page, f->id));
      break;
  }
}

static void LoadOnlinePage(HWND page) {
  for (int i = 0; i < kOnlineFieldCount; ++i) LoadField(page, &kOnlineFields[i]);
}

// The default button resets what the game shows: the name colour, the chat
// lines (3, while a missing key loads as 4) and every check box. The texts
// and lists keep what they show, and nothing is written until the sheet's OK.
static void PutDefaults(HWND page) {
  SetNameColor(kDefaultNameColor);
  ShowNumber(page, IDC_ONL_CHATLINES, DEFAULT_BUTTON_CHAT_LINES);
  for (int i = 0; i < kOnlineFieldCount; ++i)
    if (kOnlineFields[i].kind == FIELD_CHECK) SetChecked(page, kOnlineFields[i].id, false);
}

static void OnlinePageCommand(HWND page, int id) {
  if (id == IDC_ONL_COLOR) {
    ChooseNameColor(page);
  } else if (id == IDC_ONL_DEFAULT) {
    PutDefaults(page);
  } else {
    for (int i = 0; i < kOnlineFieldCount; ++i)
      if (kOnlineFields[i].id == id && kOnlineFields[i].follow != nullptr) kOnlineFields[i].follow(page);
  }
}

static void WriteOnlinePage(HWND page) {
  for (int i = 0; i < kOnlineFieldCount; ++i) SaveField(page, &kOnlineFields[i]);
}

const PageHandlers kOnlinePage = {LoadOnlinePage, OnlinePageCommand, nullptr, WriteOnlinePage};
