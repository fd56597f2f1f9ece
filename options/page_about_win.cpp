// About page (page 6): dates of the game's programs, the installed game's
// version from its launcher's Launcher.ini, and the updater button.
#include "core/edition.h"
#include "core/settings.h"
#include "core/text.h"
#include "core/ui.h"
#include "options/about.h"
#include "options/pages.h"
#include "res/ids_about.h"

static char g_fileDateText[FILE_DATE_SIZE];

const char* GetFileDateText(const char* path) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA(path, &found);
  if (search == INVALID_HANDLE_VALUE) {
    TextCopy(kNoFileDate, g_fileDateText, sizeof g_fileDateText);
    return g_fileDateText;
  }
  FindClose(search);
  FILETIME local;
  SYSTEMTIME date;
  // A time the platform cannot convert would otherwise show whatever the
  // fields happened to hold.
  if (!FileTimeToLocalFileTime(&found.ftLastWriteTime, &local) || !FileTimeToSystemTime(&local, &date)) {
    TextCopy(kNoFileDate, g_fileDateText, sizeof g_fileDateText);
    return g_fileDateText;
  }
  FormatFileDate(date.wYear, date.wMonth, date.wDay, g_fileDateText, sizeof g_fileDateText);
  return g_fileDateText;
}

struct DatedFile {
  const char* name;
  const char* labelFormat;
  int label;
};

static const DatedFile kDatedFiles[] = {
    {"Zanto.exe", "Zanto.exe (%s)", IDC_ABOUT_ZANTO_DATE},
    {"Launcher.exe", "Launcher.exe (%s)", IDC_ABOUT_LAUNCHER_DATE},
    {"Lobby.exe", "Lobby.exe (%s)", IDC_ABOUT_LOBBY_DATE},
};

// A path too long for the platform counts as a file that is not there: a cut
// path could name some other file.
static void ShowFileDate(HWND page, const DatedFile* f) {
  char path[PATH_SIZE];
  const char* date = kNoFileDate;
  if (FormGameFilePath(kGameFolder, f->name, path, sizeof path))
    date = GetFileDateText(path);
  char label[64];
  TextFormat(label, sizeof label, f->labelFormat, date);
  SetItemText(page, f->label, label);
}

static void ShowInstalledVersion(HWND page) {
  char path[PATH_SIZE];
  char title[WINDOW_TITLE_SIZE] = "";
  if (FormGameFilePath(kGameFolder, "Launcher.ini", path, sizeof path))
    GetPrivateProfileStringA("LauncherDlg", "WINDOWTITLE", "", title, sizeof title, path);
  char version[WINDOW_TITLE_SIZE];
  if (ExtractVersion(title, kVersionMark, kVersionCutAtSpace, version, sizeof version))
    SetItemText(page, IDC_ABOUT_VERSION, version);
  else
    SetItemText(page, IDC_ABOUT_VERSION, kVersionUnknown);
}

static void LoadAbout(HWND page) {
  for (const DatedFile& f : kDatedFiles) ShowFileDate(page, &f);
  ShowInstalledVersion(page);
}

static void AboutCommand(HWND page, int id) {
  if (id == IDC_ABOUT_UPDATE) StartUpdater();
}

const PageHandlers kAboutPage = {LoadAbout, AboutCommand, nullptr, nullptr};
