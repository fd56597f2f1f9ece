#include "core/settings_copy.h"

#include "core/text.h"

// A backslash that separates folders, not the second byte of a double-byte character.
static bool HasFolder(const char* path) {
  for (const char* p = path; *p != '\0'; ++p) {
    if (IsLeadByte932((unsigned char)*p) && p[1] != '\0') {
      ++p;
      continue;
    }
    if (*p == '\\') return true;
  }
  return false;
}

bool SettingsCopyPath(const char* path, const char* program, char* out, size_t size) {
  if (!HasFolder(path)) {
    if (size > 0) out[0] = '\0';
    return false;
  }
  return TextFormat(out, size, "%s.%s.tmp", path, program);
}

CopyStart ChooseCopyStart(SettingsFileKind kind) {
  switch (kind) {
    case FILE_KIND_MISSING:
      return COPY_FRESH;
    case FILE_KIND_PLAIN:
      return COPY_FROM_FILE;
    default:
      return COPY_REFUSED;
  }
}

bool BurstCanBePlaced(const BurstFile* files, int count) {
  for (int i = 0; i < count; ++i)
    if (files[i].written && files[i].failed) return false;
  return true;
}

bool TryPlacementAgain(int attemptsMade, bool fileInUse) { return fileInUse && attemptsMade < PLACEMENT_ATTEMPTS; }
