// The Online page (page 1) has one body for both programs; what it holds
// differs between them and is given by each program as a table of its fields
// (apps/<program>/page_online.cpp), in the order that OK writes them. The page
// loads and saves by walking that table, so a key is named in one place.
#pragma once
#include <windows.h>

#include "core/setting_key.h"

enum OnlineFieldKind {
  FIELD_TEXT,        // an edit, stored as typed (at most 255 bytes)
  FIELD_CHECK,       // a check box, stored as 1 or 0; the default button clears it
  FIELD_CHAT_LINES,  // shown as stored; saved as typed when 2 to 30, else 4
  FIELD_NAME_COLOR,  // NameColor, which the chooser behind the control's button edits
  FIELD_LIST,        // a drop-down list, stored as the chosen item's position (-1 none)
};

struct OnlineField {
  int id;
  OnlineFieldKind kind;
  const SettingKey* setting;
  const char* const* items = nullptr;  // FIELD_LIST: its items, in the order of their stored positions
  int itemCount = 0;
  void (*follow)(HWND page) = nullptr;  // FIELD_LIST: what the page shows for the choice
};

extern const OnlineField kOnlineFields[];
extern const int kOnlineFieldCount;
