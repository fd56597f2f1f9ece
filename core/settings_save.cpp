#include "core/settings_save.h"

#include <string.h>

bool SameStamp(const FileStamp& a, const FileStamp& b) {
  if (a.exists != b.exists) return false;
  return !a.exists || (a.size == b.size && a.written == b.written);
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
  if (log->overflowed || log->count >= SAVE_LOG_ENTRIES) {
    log->overflowed = true;
    return false;
  }
  SaveLogEntry* e = &log->entries[log->count];
  size_t usedBefore = log->used;
  e->file = (unsigned char)file;
  if (!LogText(log, section, &e->section) || !LogText(log, key, &e->key) || !LogText(log, value, &e->value)) {
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
