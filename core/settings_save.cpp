#include "core/settings_save.h"

#include <string.h>

#include "core/text.h"

bool SameContent(const FileStamp& a, const char* aBytes, const FileStamp& b, const char* bBytes) {
  if (a.exists != b.exists) return false;
  return !a.exists || (a.size == b.size && memcmp(aBytes, bBytes, a.size) == 0);
}

bool KeyToBeWritten(bool known, bool playerChanged, const char* loaded, const char* now) {
  if (!known || playerChanged) return true;
  if (loaded == nullptr || now == nullptr) return loaded == now;
  return strcmp(loaded, now) == 0;
}

void ClearSaveLog(SaveLog* log) {
  log->count = 0;
  log->used = 0;
  log->overflowed = false;
}

static bool LogText(SaveLog* log, const char* text, unsigned short* offset) {
  if (text == nullptr) {
    *offset = SAVE_LOG_NONE;
    return true;
  }
  size_t length = strlen(text) + 1;
  if (length > sizeof log->text - log->used) return false;
  memcpy(log->text + log->used, text, length);
  *offset = (unsigned short)log->used;
  log->used += length;
  return true;
}

bool LogSaveWrite(SaveLog* log, SettingsFile file, const char* section, const char* key, const char* value) {
  return LogSheetWrite(log, file, section, key, value, false, false, nullptr);
}

bool LogSheetWrite(SaveLog* log, SettingsFile file, const char* section, const char* key, const char* value,
                   bool known, bool playerChanged, const char* loaded) {
  if (log->overflowed || log->count >= SAVE_LOG_ENTRIES) {
    log->overflowed = true;
    return false;
  }
  SaveLogEntry* e = &log->entries[log->count];
  size_t usedBefore = log->used;
  e->file = (unsigned char)file;
  e->known = known;
  e->playerChanged = playerChanged;
  if (!LogText(log, section, &e->section) || !LogText(log, key, &e->key) || !LogText(log, value, &e->value) ||
      !LogText(log, loaded, &e->loaded)) {
    log->used = usedBefore;
    log->overflowed = true;
    return false;
  }
  ++log->count;
  return true;
}

const char* SaveLogText(const SaveLog* log, unsigned short offset) {
  return offset == SAVE_LOG_NONE ? nullptr : log->text + offset;
}

static bool SameName(const char* a, const char* b) { return strcasecmp(a, b) == 0; }

const LoadedKey* FindLoadedKey(const LoadedKeys* table, SettingsFile file, const char* section, const char* key) {
  if (section == nullptr || key == nullptr) return nullptr;
  for (int i = 0; i < table->count; ++i) {
    const LoadedKey& k = table->keys[i];
    if (k.file == file && SameName(k.section, section) && SameName(k.key, key)) return &k;
  }
  return nullptr;
}

bool KeepLoadedKey(LoadedKeys* table, SettingsFile file, const char* section, const char* key, const char* loaded,
                   const char* untouched) {
  LoadedKey* k = (LoadedKey*)FindLoadedKey(table, file, section, key);
  if (k != nullptr) *k = table->keys[--table->count];  // an older reading is never used
  if (k == nullptr && (section == nullptr || key == nullptr)) return false;
  if (untouched == nullptr || table->count >= LOADED_KEYS) return false;
  LoadedKey* entry = &table->keys[table->count];
  entry->file = (unsigned char)file;
  entry->missing = loaded == nullptr;
  if (!TextCopy(section, entry->section, sizeof entry->section) || !TextCopy(key, entry->key, sizeof entry->key) ||
      !TextCopy(loaded != nullptr ? loaded : "", entry->loaded, sizeof entry->loaded) ||
      !TextCopy(untouched, entry->untouched, sizeof entry->untouched))
    return false;
  ++table->count;
  return true;
}
