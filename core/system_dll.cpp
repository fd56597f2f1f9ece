#include "core/system_dll.h"

#include <string.h>

#include "core/text.h"

bool SystemLibraryPath(const char* systemDir, size_t systemLength, size_t systemSize, const char* name,
                       char* out, size_t size) {
  if (size > 0) out[0] = '\0';
  if (systemLength == 0 || systemLength >= systemSize || strnlen(systemDir, systemSize) != systemLength) return false;
  const char* separator = systemDir[systemLength - 1] == '\\' ? "" : "\\";
  return TextFormat(out, size, "%s%s%s", systemDir, separator, name);
}
