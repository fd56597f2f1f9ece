#include "core/file_kind.h"

#include <string.h>

#include "core/settings_copy.h"
#include "core/text.h"

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

SaveRoute ChooseSaveRoute(bool placeFound, unsigned links, CopyResult copy) {
  if (!placeFound || links > 1) return ROUTE_IN_PLACE;
  switch (copy) {
    case COPY_MADE:
      return ROUTE_COPY;
    case COPY_NOT_ALLOWED:
    case COPY_RIGHTS_NOT_KEPT:
    case COPY_TOO_LARGE:
    case COPY_VIRTUALISED:
      return ROUTE_IN_PLACE;
    default:
      return ROUTE_REFUSED;
  }
}

bool NormalizeFinalPath(const char* finalPath, char* out, size_t size) {
  if (strncmp(finalPath, "\\\\?\\UNC\\", 8) == 0) return TextFormat(out, size, "\\\\%s", finalPath + 8);
  if (strncmp(finalPath, "\\\\?\\", 4) == 0) finalPath += 4;
  bool drive = ((finalPath[0] >= 'A' && finalPath[0] <= 'Z') || (finalPath[0] >= 'a' && finalPath[0] <= 'z')) &&
               finalPath[1] == ':' && finalPath[2] == '\\';
  if (!drive && strncmp(finalPath, "\\\\", 2) != 0) {
    if (size > 0) out[0] = '\0';
    return false;
  }
  return TextCopy(finalPath, out, size);
}

static char UpperAscii(char c) { return c >= 'a' && c <= 'z' ? (char)(c - 'a' + 'A') : c; }

// Folders compared as the file system does for the letters of plain text; the
// second byte of a double-byte character is compared as it is.
static bool SameFolder(const char* a, const char* b) {
  const char* nameA = SettingsFileName(a);
  const char* nameB = SettingsFileName(b);
  if (nameA == nullptr || nameB == nullptr || nameA - a != nameB - b) return false;
  for (size_t i = 0; i < (size_t)(nameA - a); ++i) {
    if (IsLeadByte932((unsigned char)a[i]) && i + 1 < (size_t)(nameA - a)) {
      if (a[i] != b[i] || a[i + 1] != b[i + 1]) return false;
      ++i;
    } else if (UpperAscii(a[i]) != UpperAscii(b[i])) {
      return false;
    }
  }
  return true;
}

bool CopyIsVirtualised(bool processVirtualised, const char* place, const char* copyFinalPath) {
  return processVirtualised && (copyFinalPath == nullptr || !SameFolder(place, copyFinalPath));
}
