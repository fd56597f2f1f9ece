// Stand-in for the game's own programs (Zanto.exe, Lobby.exe, Launcher.exe,
// Updater.exe): records its exact command line and working folder, so that a
// test or a new user sees what the launcher started.
//   ZANTO_STANDIN_LOG    file to append "name<TAB>command line<TAB>folder<CR><LF>" to
//   ZANTO_STANDIN_QUIET  when set, no message box
#include <windows.h>
#include <string.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  char module[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, module, MAX_PATH);
  const char* name = strrchr(module, '\\');
  name = name ? name + 1 : module;
  char folder[MAX_PATH] = "";
  GetCurrentDirectoryA(MAX_PATH, folder);
  const char* line = GetCommandLineA();

  char logPath[MAX_PATH];
  DWORD n = GetEnvironmentVariableA("ZANTO_STANDIN_LOG", logPath, MAX_PATH);
  if (n > 0 && n < MAX_PATH) {
    HANDLE f = CreateFileA(logPath, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (f != INVALID_HANDLE_VALUE) {
      DWORD w;
      WriteFile(f, name, (DWORD)strlen(name), &w, nullptr);
      WriteFile(f, "\t", 1, &w, nullptr);
      WriteFile(f, line, (DWORD)strlen(line), &w, nullptr);
      WriteFile(f, "\t", 1, &w, nullptr);
      WriteFile(f, folder, (DWORD)strlen(folder), &w, nullptr);
      WriteFile(f, "\r\n", 2, &w, nullptr);
      CloseHandle(f);
    }
  }
  char quiet[8];
  if (GetEnvironmentVariableA("ZANTO_STANDIN_QUIET", quiet, sizeof quiet) == 0) {
    char text[2048];
    wsprintfA(text, "Stand-in %s was started.\n\nCommand line:\n%s\n\nWorking folder:\n%s", name, line, folder);
    MessageBoxA(nullptr, text, name, MB_ICONINFORMATION);
  }
  return 0;
}
