#include "core/file_kind.h"

#include <string.h>

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

SaveRoute ChooseSaveRoute(unsigned links, CopyResult copy) {
  if (links > 1) return ROUTE_IN_PLACE;
  switch (copy) {
    case COPY_MADE:
      return ROUTE_COPY;
    case COPY_NOT_ALLOWED:
    case COPY_RIGHTS_NOT_KEPT:
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
