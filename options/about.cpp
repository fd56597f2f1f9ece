#include "options/about.h"

#include <string.h>

#include "core/text.h"

const char kNoFileDate[] = "----/--/--";
const char kVersionUnknown[] = "取得に失敗しました";

void FormatFileDate(int year, int month, int day, char* out, size_t size) {
  if (!TextFormat(out, size, "%04d/%02d/%02d", year, month, day)) TextCopy(kNoFileDate, out, size);
}

bool ExtractVersion(const char* title, const char* mark, bool cutAtSpace, char* out, size_t size) {
  if (size > 0) out[0] = '\0';
  if (mark[0] == '\0') return false;
  const char* start = strstr(title, mark);
  if (start == nullptr) return false;
  size_t length = strlen(start);
  if (cutAtSpace) {
    const char* space = strchr(start + strlen(mark), ' ');
    if (space != nullptr) length = (size_t)(space - start);
  }
  if (length >= size) return false;
  memcpy(out, start, length);
  out[length] = '\0';
  return true;
}
