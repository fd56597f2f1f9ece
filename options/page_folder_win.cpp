// Folders and web page (page 5): four shortcuts opened through the shell.
// The page loads and stores nothing.
#include "core/edition.h"
#include "core/settings.h"
#include "options/pages.h"
#include "options/shell.h"
#include "res/ids_folder.h"

static void FolderCommand(HWND page, int id) {
  switch (id) {
    case IDC_FLD_SETTINGS: ShellOpen(page, GetSettingsDir()); break;
    case IDC_FLD_INSTALL: ShellOpen(page, GetGameFolder(kGameFolder)); break;
    case IDC_FLD_WEB_TOP: ShellOpen(page, kWebTopPage); break;
    case IDC_FLD_WEB_NEWS: ShellOpen(page, kWebNewsPage); break;
  }
}

const PageHandlers kFolderPage = {nullptr, FolderCommand, nullptr, nullptr};
