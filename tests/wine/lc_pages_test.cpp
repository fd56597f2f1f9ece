// launcher's quick messages, video, sound, folders and about pages: the
// English templates, the same behaviour as m_portal, and what differs: the
// one install folder that ends in "\", the "Ver" mark without a cut, the
// updater started through the shell.
#include "pages_fixture.h"

#include "apps/shared/start.h"
#include "core/ui.h"

static const PageTemplateTexts kTexts = {
    "Quick message",
    "Default",
    "Video settings",
    {"Video", "Direct3D(&3)", "DirectDraw(&D)", "Resolution", "", "Window", "Fullscreen(&F)", "Windowed(&W)",
     "Offset", "", ",", "", "Background", "Show(&G)", "Hide(&N)", "Filter", "Sharp(&H)", "Soft(&T)",
     "Show version number(&V)", "Show FPS(&P)", "Default"},
    "Sound",
    {"BGM/SE", "On", "Off", "Default"},
    "Folder",
    {"Directory", "Open Replay and Save folder", "Open Zanto Folder", "Web", "Zanto Win Official Website（KORVEL）",
     "Latest update（KORVEL）"},
    "About",
    {"Zanto Alternate Launcher", "Ver. 1.4.0 (2005/08/15)", "Version of Zanto: ", "Ver.0.00", "Executables:",
     "Zanto.exe (----/--/--)", "Launcher.exe (----/--/--)", "Lobby.exe (----/--/--)", "", "Update(&U)"},
};

static void Templates() {
  CheckPageTemplates(kTexts);
  DialogTemplate t;
  LoadDialogTemplate(105, &t);
  const short editY[8] = {11, 26, 40, 55, 70, 85, 99, 114};
  for (int n = 0; n < 8; ++n) {
    const TemplateItem& edit = t.items[2 * n + 1];
    CHECK(edit.x == 34 && edit.y == editY[n] && edit.cx == 216 && edit.cy == 14);
    CHECK(!(edit.style & WS_BORDER));  // a sunken client edge instead
    CHECK((edit.style & (ES_AUTOHSCROLL | WS_TABSTOP)) == (ES_AUTOHSCROLL | WS_TABSTOP));
  }
  LoadDialogTemplate(108, &t);
  CHECK_EQ(t.items[1].style & BS_TYPEMASK, BS_DEFPUSHBUTTON);  // 1024 is the default button
  CHECK_EQ(t.items[2].style & BS_TYPEMASK, BS_PUSHBUTTON);
}

static void ControlKinds() {
  RadioKinds();
  HWND page = OpenPageWith(IDD_PAGE_QUICKMSG, BarePageProc);
  for (int id = 2001; id <= 2008; ++id) CHECK(ExStyle(page, id) & WS_EX_CLIENTEDGE);
  DestroyWindow(page);
  page = OpenPageWith(IDD_PAGE_FOLDER, BarePageProc);
  CHECK_EQ(LOWORD(SendMessageA(page, DM_GETDEFID, 0, 0)), IDC_FLD_SETTINGS);
  DestroyWindow(page);
}

// ---- about ------------------------------------------------------------------------

static const char kLegacyKey[] = "Software\\Korvel\\Zanto";
static const char kGame[] = "C:\\itest\\game_lc\\";  // this folder ends in "\"
static const char kLog[] = "C:\\itest\\lc_pages_standin.log";

static void UseInstallDir(const char* folder) {
  SetRegString(kLegacyKey, "Install Path", folder);
  ResetFolderCache();
}

static void PutLauncherIni(const char* text) { PutLauncherIni(kGame, text); }

static void AboutDatesAndVersion() {
  CreateDirectoryA(kGame, nullptr);
  DateFile(kGame, "Zanto.exe", 2005, 8, 15);
  DateFile(kGame, "Launcher.exe", 2004, 1, 2);
  DateFile(kGame, "Lobby.exe", 2005, 3, 9);
  UseInstallDir(kGame);
  PutLauncherIni("[LauncherDlg]\r\nWINDOWTITLE=Zanto Launcher Ver.1.02 (build 7)\r\n");

  HWND page = OpenPage<PAGE_ABOUT>(IDD_PAGE_ABOUT);
  CHECK_TEXT(ItemText(page, IDC_ABOUT_ZANTO_DATE), "Zanto.exe (2005/08/15)");
  CHECK_TEXT(ItemText(page, IDC_ABOUT_LAUNCHER_DATE), "Launcher.exe (2004/01/02)");
  CHECK_TEXT(ItemText(page, IDC_ABOUT_LOBBY_DATE), "Lobby.exe (2005/03/09)");
  CHECK_TEXT(ItemText(page, IDC_ABOUT_VERSION), "Ver.1.02 (build 7)");  // the whole rest, no cut
  DestroyWindow(page);

  PutLauncherIni("[LauncherDlg]\r\nWINDOWTITLE=Zanto Launcher Ver 1.02\r\n");
  CHECK_TEXT(AboutVersion(), "Ver 1.02");
  PutLauncherIni("[LauncherDlg]\r\nWINDOWTITLE=Zanto Launcher ver1.02\r\n");
  CHECK_TEXT(AboutVersion(), "取得に失敗しました");  // capital V only
  PutLauncherIni(nullptr);
  CHECK_TEXT(AboutVersion(), "取得に失敗しました");
  std::string title = "[LauncherDlg]\r\nWINDOWTITLE=" + std::string(300, 'x') + "Ver1.2345\r\n";
  PutLauncherIni(title.c_str());
  CHECK_TEXT(AboutVersion(), "Ver1.23");  // 307 bytes of title
}

// Folder and file name beyond the 260-byte path: not found, never a cut path.
static void AboutOverlongPaths() {
  std::string folder = "C:\\itest\\" + std::string(239, 'L') + "\\";  // 249 bytes with the "\"
  CreateDirectoryA(folder.c_str(), nullptr);
  std::string zanto = folder + "Zanto.exe";  // 258 bytes: fits
  MakeFile(zanto.c_str());
  LONG bias;
  FILETIME t = UtcOfLocal(2006, 6, 6, 12, 0, &bias);
  SetWriteTime(zanto.c_str(), &t);
  std::string cut = folder + "Launcher";  // what "Launcher.exe" cut to 259 bytes names
  WriteWholeFile(cut.c_str(), "[LauncherDlg]\r\nWINDOWTITLE=Cut Ver9.99\r\n");
  UseInstallDir(folder.c_str());
  HWND page = OpenPage<PAGE_ABOUT>(IDD_PAGE_ABOUT);
  CHECK_TEXT(ItemText(page, IDC_ABOUT_ZANTO_DATE), "Zanto.exe (2006/06/06)");
  CHECK_TEXT(ItemText(page, IDC_ABOUT_LAUNCHER_DATE), "Launcher.exe (----/--/--)");
  CHECK_TEXT(ItemText(page, IDC_ABOUT_VERSION), "取得に失敗しました");
  DestroyWindow(page);
  DeleteFileA(cut.c_str());
  DeleteFileA(zanto.c_str());
  RemoveDirectoryA(folder.c_str());
}

// The update button runs Updater.exe from the install folder with "/result".
static void AboutUpdateButton() {
  PutStandIn(kGame, "Updater.exe", kLog);
  UseInstallDir(kGame);
  g_messageHook = RecordMessage;
  g_messageCount = 0;
  HWND page = OpenPage<PAGE_ABOUT>(IDD_PAGE_ABOUT);
  SendCommand(page, 1018, BN_CLICKED);  // other ids do nothing
  Click(page, IDC_ABOUT_UPDATE);
  char log[4096];
  CHECK(WaitForLog(kLog, log, sizeof log));
  CHECK(strncmp(log, "Updater.exe\t", 12) == 0);
  CHECK(strstr(log, "Updater.exe /result\t") != nullptr || strstr(log, "Updater.exe\" /result\t") != nullptr);
  if (strstr(log, "/result\t") == nullptr) ItestPrintText("log", log);
  CHECK_EQ(g_messageCount, 0);
  DestroyWindow(page);
  g_messageHook = nullptr;
}

void RunTests() {
  Templates();
  ControlKinds();
  CommonPageTests();
  // m_portal's install folder is set too, and must not be the one used.
  SetRegString("Software\\Korvel\\Zanto2.0", "Install", "C:\\New\\Zanto");
  UseInstallDir("C:\\Old\\Zanto\\");
  FolderShortcuts("C:\\Old\\Zanto\\", kWebTopPage, kWebNewsPage);
  FileDateText("C:\\itest");
  AboutDatesAndVersion();
  AboutOverlongPaths();
  AboutUpdateButton();
}
