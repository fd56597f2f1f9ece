// A key of one of the two settings files with the value it reads as when it
// is missing: the one place where a page or a start names a setting.
#pragma once

#include "core/settings_file.h"

struct SettingKey {
  SettingsFile file;
  const char* section;
  const char* key;
  int number;        // the default of a number
  const char* text;  // the default of a text
};

// The access operations of core/settings.h for the key's file (setting_key_win.cpp).
unsigned GetSettingInt(const SettingKey* k);
const char* GetSettingString(const SettingKey* k);
int WriteSettingInt(const SettingKey* k, int value);
int WriteSettingString(const SettingKey* k, const char* value);
// Colours are kept as hexadecimal text, in the configuration file only.
int WriteSettingHex(const SettingKey* k, unsigned value);
