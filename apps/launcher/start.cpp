// launcher starts every program through the shell, with a short parameter text.
#include <windows.h>
#include "core/shell32.h"

#include "apps/shared/start.h"
#include "core/cmdline.h"
#include "core/settings.h"

static void ShellStart(const char* name, const char* params) {
  char file[PATH_SIZE];
  const char* folder = GetLegacyInstallDir();
  if (!FormGameFilePath(LEGACY_INSTALL_DIR, name, file, sizeof file) ||
      (INT_PTR)CallShellExecuteA(nullptr, "open", file, params, folder, SW_SHOW) <= 32)
    ShowStartFailure();
}

void StartGame(const char* mode) { ShellStart("Zanto.exe", mode); }
void StartDirectGame(const char* arg) { ShellStart("Zanto.exe", arg); }
void StartLobby() { ShellStart("Lobby.exe", "Zanto_ExecFromLauncher"); }
void StartUpdater() { ShellStart("Updater.exe", "/result"); }
