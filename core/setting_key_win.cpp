#include "core/setting_key.h"

#include "core/settings.h"

unsigned GetSettingInt(const SettingKey* k) {
  if (k->file == GAME_INI) return GetGameIniInt(k->section, k->key, k->number);
  return GetConfigInt(k->section, k->key, k->number);
}

const char* GetSettingString(const SettingKey* k) {
  if (k->file == GAME_INI) return GetGameIniString(k->section, k->key, k->text);
  return GetConfigString(k->section, k->key, k->text);
}

int WriteSettingInt(const SettingKey* k, int value) {
  if (k->file == GAME_INI) return WriteGameIniInt(k->section, k->key, value);
  return WriteConfigInt(k->section, k->key, value);
}

int WriteSettingString(const SettingKey* k, const char* value) {
  if (k->file == GAME_INI) return WriteGameIniString(k->section, k->key, value);
  return WriteConfigString(k->section, k->key, value);
}

int WriteSettingHex(const SettingKey* k, unsigned value) { return WriteConfigHex(k->section, k->key, value); }
