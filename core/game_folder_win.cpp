#include "core/paths.h"
#include "core/settings.h"

const char* GetGameFolder(GameFolder folder) {
  return folder == INSTALL_DIR ? GetInstallDir() : GetLegacyInstallDir();
}

bool FormGameFilePath(GameFolder folder, const char* name, char* out, size_t size) {
  return GameFilePath(GetGameFolder(folder), GameFolderSeparator(folder), name, out, size);
}
