// m_portal's quick messages, video, sound, folders and about pages, each
// created from the program's template with the sheet's page procedure: the
// templates, what each page loads, its buttons, and the keys and values it
// writes on OK.
#include "pages_fixture.h"

#include "apps/shared/start.h"
#include "core/ui.h"

static const PageTemplateTexts kTexts = {
    "ショートカットメッセージ",
    "デフォルト",
    "画面・描画",
    {"グラフィック描画API", "Direct3D(&3)", "DirectDraw(&D)", "解像度", "", "画面モード", "フルスクリーン(&F)",
     "ウィンドウ(&W)", "表示位置 :\n(Pixel)", "", ",", "", "背景描画", "あり(&G)", "なし(&N)", "画質", "シャープ(&H)",
     "ソフト(&T)", "画面上にバージョン番号表示(&V)", "画面上にフレームレート(FPS)表示(&P)", "デフォルト"},
    "サウンド",
    {"BGM/SEの再生", "あり", "なし", "デフォルト"},
    "ブラウズ",
    {"ローカルディレクトリの表示", "個人データ・リプレイ格納フォルダを開く", "プログラムインストールフォルダを開く",
     "Webページへのリンク", "ZantoWin公式サイト（KORVEL）", "パッチ等の最新情報（KORVEL）"},
    "バージョン情報",
    {"Zanto Win 偽ランチャー ", "Ver. 2.08 (2009/02/05)", "インストールされている Zanto のバージョン : ", "Ver.0.00",
     "構成ファイル : ", "Zanto.exe (----/--/--)", "Launcher.exe (----/--/--)", "Lobby.exe (----/--/--)", "",
     "アップデータの起動(&U)"},
};

static void Templates() {
  CheckPageTemplates(kTexts);
  DialogTemplate t;
  LoadDialogTemplate(105, &t);
  const short labelY[8] = {13, 28, 43, 57, 72, 87, 102, 116}, editY[8] = {11, 26, 40, 55, 70, 85, 99, 114};
  for (int n = 0; n < 8; ++n) {
    const TemplateItem& label = t.items[2 * n];
    const TemplateItem& edit = t.items[2 * n + 1];
    CHECK(label.x == 15 && label.y == labelY[n] && label.cx == 9 && label.cy == 8);
    CHECK(edit.x == 34 && edit.y == editY[n] && edit.cx == 216 && edit.cy == 14);
    CHECK((edit.style & (WS_BORDER | ES_AUTOHSCROLL | WS_TABSTOP)) == (WS_BORDER | ES_AUTOHSCROLL | WS_TABSTOP));
  }
  const TemplateItem& def = t.items[16];
  CHECK(def.x == 35 && def.y == 132 && def.cx == 50 && def.cy == 14);
  LoadDialogTemplate(108, &t);
  CHECK_EQ(t.items[1].style & BS_TYPEMASK, BS_PUSHBUTTON);  // no default button in m_portal
  LoadDialogTemplate(109, &t);
  CHECK_EQ(t.items[8].style & BS_TYPEMASK, BS_GROUPBOX);
}

static void ControlKinds() {
  RadioKinds();
  HWND page = OpenPageWith(IDD_PAGE_VIDEO, BarePageProc);
  CHECK_EQ(Style(page, IDC_VID_VERSION) & BS_TYPEMASK, BS_AUTOCHECKBOX);
  CHECK_EQ(Style(page, IDC_VID_FPS) & BS_TYPEMASK, BS_AUTOCHECKBOX);
  DestroyWindow(page);
  DialogTemplate t;
  LoadDialogTemplate(IDD_PAGE_VIDEO, &t);
  const TemplateItem* list = FindTemplateItem(&t, IDC_VID_RESOLUTION);
  CHECK(list != nullptr && (list->style & 3) == CBS_DROPDOWNLIST && (list->style & WS_VSCROLL) &&
        !(list->style & CBS_SORT));
  page = OpenPageWith(IDD_PAGE_QUICKMSG, BarePageProc);
  for (int id = 2001; id <= 2008; ++id) {
    CHECK(Style(page, id) & ES_AUTOHSCROLL);
    CHECK(SendDlgItemMessageA(page, id, EM_GETLIMITTEXT, 0, 0) > 255);  // no limit of the page's own
  }
  DestroyWindow(page);
}

// ---- about ------------------------------------------------------------------------

static const char kKey[] = "Software\\Korvel\\Zanto2.0";
static const char kGame[] = "C:\\itest\\game_mp";
static const char kLog[] = "C:\\itest\\mp_pages_standin.log";

static void UseInstallDir(const char* folder) {
  SetRegString(kKey, "Install", folder);
  ResetFolderCache();
}

static void PutLauncherIni(const char* text) { PutLauncherIni(kGame, text); }

static void AboutDatesAndVersion() {
  CreateDirectoryA(kGame, nullptr);
  DeleteFileA(GameFile(kGame, "Lobby.exe").c_str());
  DateFile(kGame, "Zanto.exe", 2009, 2, 5);
  DateFile(kGame, "Launcher.exe", 2008, 12, 31);
  UseInstallDir(kGame);
  PutLauncherIni("[LauncherDlg]\r\nWINDOWTITLE=Zanto Launcher ver1.05 (2009)\r\n");
  PutIni("[SYSTEM]\nSoundMode=1\n");
  std::string before = IniText();

  HWND page = OpenPage<PAGE_ABOUT>(IDD_PAGE_ABOUT);
  CHECK_TEXT(ItemText(page, IDC_ABOUT_ZANTO_DATE), "Zanto.exe (2009/02/05)");
  CHECK_TEXT(ItemText(page, IDC_ABOUT_LAUNCHER_DATE), "Launcher.exe (2008/12/31)");
  CHECK_TEXT(ItemText(page, IDC_ABOUT_LOBBY_DATE), "Lobby.exe (----/--/--)");  // missing
  CHECK_TEXT(ItemText(page, IDC_ABOUT_VERSION), "ver1.05");
  CHECK_EQ(ApplyPage(page), 0);  // no apply: nothing written
  CHECK_TEXT(IniText(), before);
  DestroyWindow(page);

  PutLauncherIni("[LauncherDlg]\r\nWINDOWTITLE=Zanto Launcher ver 1.05\r\n");
  CHECK_TEXT(AboutVersion(), "ver");
  PutLauncherIni("[LauncherDlg]\r\nWINDOWTITLE=Zanto Launcher Ver1.05\r\n");
  CHECK_TEXT(AboutVersion(), "取得に失敗しました");  // case-sensitive
  PutLauncherIni("[LauncherDlg]\r\nWINDOWTITLE=ゾント ランチャー ver2.00\r\n");
  CHECK_TEXT(AboutVersion(), "ver2.00");
  PutLauncherIni("[LauncherDlg]\r\nOTHER=ver1\r\n");
  CHECK_TEXT(AboutVersion(), "取得に失敗しました");
  PutLauncherIni(nullptr);
  CHECK_TEXT(AboutVersion(), "取得に失敗しました");

  // The title buffer holds 307 bytes: a mark within them counts, one beyond does not.
  std::string title = "[LauncherDlg]\r\nWINDOWTITLE=" + std::string(296, 'x') + "ver1.2345 tail and more\r\n";
  PutLauncherIni(title.c_str());
  CHECK_TEXT(AboutVersion(), "ver1.2345");
  title = "[LauncherDlg]\r\nWINDOWTITLE=" + std::string(300, 'x') + "ver1.2345\r\n";
  PutLauncherIni(title.c_str());
  CHECK_TEXT(AboutVersion(), "ver1.23");  // cut with the title
  title = "[LauncherDlg]\r\nWINDOWTITLE=" + std::string(310, 'x') + "ver1\r\n";
  PutLauncherIni(title.c_str());
  CHECK_TEXT(AboutVersion(), "取得に失敗しました");

  // Without an install folder the paths start with the separator and, as a
  // rule, nothing is found.
  DeleteRegValue(kKey, "Install");
  ResetFolderCache();
  page = OpenPage<PAGE_ABOUT>(IDD_PAGE_ABOUT);
  CHECK_TEXT(ItemText(page, IDC_ABOUT_ZANTO_DATE), "Zanto.exe (----/--/--)");
  CHECK_TEXT(ItemText(page, IDC_ABOUT_VERSION), "取得に失敗しました");
  DestroyWindow(page);
}

// An install folder so long that folder and file name exceed the 260-byte
// path: such a file counts as not found, and a path cut short is never
// looked up instead (here it would name the file "Launcher").
static void AboutOverlongPaths() {
  std::string folder = "C:\\itest\\" + std::string(240, 'L');  // 249 bytes
  CreateDirectoryA(folder.c_str(), nullptr);
  std::string zanto = folder + "\\Zanto.exe";  // 259 bytes: fits
  MakeFile(zanto.c_str());
  LONG bias;
  FILETIME t = UtcOfLocal(2007, 7, 7, 12, 0, &bias);
  SetWriteTime(zanto.c_str(), &t);
  std::string cut = folder + "\\Launcher";  // what "\Launcher.exe" cut to 259 bytes names
  WriteWholeFile(cut.c_str(), "[LauncherDlg]\r\nWINDOWTITLE=Cut ver9.99\r\n");
  CHECK(GetFileAttributesA(cut.c_str()) != INVALID_FILE_ATTRIBUTES);
  UseInstallDir(folder.c_str());
  HWND page = OpenPage<PAGE_ABOUT>(IDD_PAGE_ABOUT);
  CHECK_TEXT(ItemText(page, IDC_ABOUT_ZANTO_DATE), "Zanto.exe (2007/07/07)");
  CHECK_TEXT(ItemText(page, IDC_ABOUT_LAUNCHER_DATE), "Launcher.exe (----/--/--)");
  CHECK_TEXT(ItemText(page, IDC_ABOUT_LOBBY_DATE), "Lobby.exe (----/--/--)");
  CHECK_TEXT(ItemText(page, IDC_ABOUT_VERSION), "取得に失敗しました");
  DestroyWindow(page);
  DeleteFileA(cut.c_str());
  DeleteFileA(zanto.c_str());
  RemoveDirectoryA(folder.c_str());
}

// The update button starts the game's own launcher program with the saved login.
static void AboutUpdateButton() {
  std::string to = PutStandIn(kGame, "Launcher.exe", kLog);
  UseInstallDir(kGame);
  char cfg[MAX_PATH];
  GetConfigFilePath(cfg);
  DeleteFileA(cfg);
  WriteConfigString("m_portal", "Matchup_LoginID", "player");
  WriteConfigString("m_portal", "Matchup_Password", "pw");
  g_messageHook = RecordMessage;
  g_messageCount = 0;

  HWND page = OpenPage<PAGE_ABOUT>(IDD_PAGE_ABOUT);
  std::string dateBefore = ItemText(page, IDC_ABOUT_LAUNCHER_DATE);
  SendCommand(page, IDC_ABOUT_VERSION, STN_CLICKED);  // other ids do nothing
  SendCommand(page, 1018, BN_CLICKED);
  Sleep(300);
  CHECK_EQ(GetFileAttributesA(kLog), INVALID_FILE_ATTRIBUTES);
  Click(page, IDC_ABOUT_UPDATE);
  char log[4096];
  CHECK(WaitForLog(kLog, log, sizeof log));
  char line[512];
  wsprintfA(line, "Launcher.exe\tLauncher.exe FromLobby player pw\t%s\r\n", kGame);
  CHECK_STR(log, line);
  CHECK_EQ(g_messageCount, 0);
  CHECK_TEXT(ItemText(page, IDC_ABOUT_LAUNCHER_DATE), dateBefore);  // not refreshed
  DestroyWindow(page);

  // A failed start is reported by the start itself, once.
  DeleteFileA(to.c_str());
  page = OpenPage<PAGE_ABOUT>(IDD_PAGE_ABOUT);
  Click(page, IDC_ABOUT_UPDATE);
  CHECK_EQ(g_messageCount, 1);
  CHECK_STR(g_messages[0].text, "起動に失敗しました");
  DestroyWindow(page);
  g_messageHook = nullptr;
}

void RunTests() {
  Templates();
  ControlKinds();
  CommonPageTests();
  // launcher's install folder is set too, and must not be the one used.
  SetRegString("Software\\Korvel\\Zanto", "Install Path", "C:\\Old\\Zanto\\");
  UseInstallDir("C:\\Games\\Zanto");
  FolderShortcuts("C:\\Games\\Zanto", kWebTopPage, kWebNewsPage);
  FileDateText("C:\\itest");
  AboutDatesAndVersion();
  AboutOverlongPaths();
  AboutUpdateButton();
}
