#include "core/paths.h"

#include <string.h>

#include "core/text.h"

bool DeriveConfigPath(const char* upperModulePath, char* out, size_t size) {
  if (!TextCopy(upperModulePath, out, size)) return false;
  char* ext = strstr(out, ".EXE");
  if (ext != nullptr) {
    memcpy(ext, ".CFG", 5);
    return true;
  }
  if (!TextAppend(".CFG", out, size)) {
    out[0] = '\0';
    return false;
  }
  return true;
}

void ComposeSettingsDir(bool perUserKnown, const char* perUser, const char* fallback,
                        const char* fallbackTail, char* out, size_t size) {
  bool ok;
  if (perUserKnown)
    ok = TextFormat(out, size, "%s\\Korvel\\Zanto\\", perUser);
  else if (fallback[0] == '\0')
    ok = TextCopy("", out, size);
  else
    ok = TextFormat(out, size, "%s%s", fallback, fallbackTail);
  if (!ok && size > 0) out[0] = '\0';
}

bool ComposeGameIniPath(const char* settingsDir, char* out, size_t size) {
  if (settingsDir[0] == '\0' || !TextFormat(out, size, "%sZanto.ini", settingsDir)) {
    if (size > 0) out[0] = '\0';
    return false;
  }
  return true;
}

void TerminateRegistryText(size_t got, char* buf, size_t size) {
  if (size == 0) return;
  if (got > size) got = size;
  if (memchr(buf, '\0', got) == nullptr) {
    if (got == size) {
      buf[0] = '\0';  // fills the whole buffer with no terminator: too long to be a folder
      return;
    }
    buf[got] = '\0';
  }
  // Callers append "\..." to the folder; a lead byte left at its end would
  // swallow that "\" as its trail byte.
  CutAtCharBoundary(buf, size - 1);
}

const char* GameFolderSeparator(GameFolder folder) { return folder == INSTALL_DIR ? "\\" : ""; }

bool GameFilePath(const char* folder, const char* separator, const char* name, char* out,
                  size_t size) {
  return TextFormat(out, size, "%s%s%s", folder, separator, name);
}
