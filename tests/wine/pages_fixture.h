// The options pages driven one at a time in process: each page dialog is
// created from the program's own template under a host window, with the
// sheet's page procedure, and receives the notifications the sheet would
// send. Also the page checks that both programs share.
#pragma once
#include "itest.h"

#include <commctrl.h>
#include <prsht.h>

#include <string>

#include "core/edition.h"
#include "core/settings.h"
#include "dialog_template.h"
#include "options/sheet.h"
#include "res/resource.h"

// ---- Zanto.ini ----------------------------------------------------------------

static inline std::string IniPath() {
  char path[MAX_PATH];
  GetGameIniPath(path);
  return path;
}

// The whole file without carriage returns; "(missing)" when there is none.
static inline std::string IniText() {
  static char buf[65536];
  if (ReadWholeFile(IniPath().c_str(), buf, sizeof buf) < 0) return "(missing)";
  std::string s;
  for (const char* p = buf; *p; ++p)
    if (*p != '\r') s += *p;
  return s;
}

// Replaces the file (nullptr: no file at all); lines in \n, written with CR LF.
static inline void PutIni(const char* text) {
  if (text == nullptr) return PutGameIni(nullptr);
  std::string crlf;
  for (const char* p = text; *p; ++p) {
    if (*p == '\n') crlf += '\r';
    crlf += *p;
  }
  PutGameIni(crlf.c_str());
}

// One stored value as the file holds it, without the 255-byte cut of the
// settings operations; "(none)" when the key is missing.
static inline std::string IniValue(const char* section, const char* key) {
  char buf[4096];
  GetPrivateProfileStringA(section, key, "(none)", buf, sizeof buf, IniPath().c_str());
  return buf;
}

// ---- templates ------------------------------------------------------------------

// A control of a page's table: id (-1 for none), class atom and caption.
struct ExpectedItem {
  int id;
  WORD classAtom;
  const char* title;
};
enum { BUTTON = 0x80, EDIT = 0x81, STATIC = 0x82, COMBO = 0x85 };

// The template holds exactly these controls, in this (tab) order.
static inline void CheckTemplateItems(int templateId, const char* caption, int cx, int cy,
                                      const ExpectedItem* items, int count) {
  DialogTemplate t;
  CHECK(LoadDialogTemplate(templateId, &t));
  CHECK_STR(t.caption, caption);
  CHECK_EQ(t.cx, cx);
  CHECK_EQ(t.cy, cy);
  CHECK_EQ(t.count, count);
  for (int i = 0; i < count && i < t.count; ++i) {
    const TemplateItem& got = t.items[i];
    bool same = (got.id == items[i].id || (items[i].id == -1 && (WORD)got.id == 0xFFFF)) &&
                got.classAtom == items[i].classAtom && strcmp(got.title, items[i].title) == 0;
    CHECK(same);
    if (!same) {
      printf("  item %d: got id %d class %#x\n", i, got.id, got.classAtom);
      ItestPrintText("got title", got.title);
      ItestPrintText("expected", items[i].title);
    }
    // Every control lies within the page.
    CHECK(got.x >= 0 && got.y >= 0 && got.x + got.cx <= cx && got.y + got.cy <= cy);
  }
}

// The five pages' templates hold the same controls in both programs; only the
// texts are the edition's. Each list is in tab order.
struct PageTemplateTexts {
  const char* quickCaption;
  const char* quickDefault;
  const char* videoCaption;
  const char* video[21];
  const char* soundCaption;
  const char* sound[4];
  const char* folderCaption;
  const char* folder[6];
  const char* aboutCaption;
  const char* about[10];
};

static inline void CheckTemplateTexts(int templateId, const char* caption, int cx, int cy, const int (*idClass)[2],
                                      const char* const* texts, int count) {
  ExpectedItem items[32];
  for (int i = 0; i < count; ++i) items[i] = {idClass[i][0], (WORD)idClass[i][1], texts[i]};
  CheckTemplateItems(templateId, caption, cx, cy, items, count);
}

static inline void CheckPageTemplates(const PageTemplateTexts& e) {
  const char* const fKeys[8] = {"F1", "F2", "F3", "F4", "F5", "F6", "F7", "F8"};
  ExpectedItem quick[17];
  for (int n = 0; n < 8; ++n) {
    quick[2 * n] = {-1, STATIC, fKeys[n]};
    quick[2 * n + 1] = {IDC_QMSG_F1 + n, EDIT, ""};
  }
  quick[16] = {IDC_QMSG_DEFAULT, BUTTON, e.quickDefault};
  CheckTemplateItems(IDD_PAGE_QUICKMSG, e.quickCaption, 259, 155, quick, 17);

  const int video[21][2] = {{-1, BUTTON},
                            {IDC_VID_DIRECT3D, BUTTON},
                            {IDC_VID_DIRECTDRAW, BUTTON},
                            {-1, BUTTON},
                            {IDC_VID_RESOLUTION, COMBO},
                            {-1, BUTTON},
                            {IDC_VID_FULLSCREEN, BUTTON},
                            {IDC_VID_WINDOW, BUTTON},
                            {IDC_VID_POS_LABEL, STATIC},
                            {IDC_VID_POS_X, EDIT},
                            {-1, STATIC},
                            {IDC_VID_POS_Y, EDIT},
                            {-1, BUTTON},
                            {IDC_VID_BG_DRAW, BUTTON},
                            {IDC_VID_BG_NONE, BUTTON},
                            {-1, BUTTON},
                            {IDC_VID_SHARP, BUTTON},
                            {IDC_VID_SOFT, BUTTON},
                            {IDC_VID_VERSION, BUTTON},
                            {IDC_VID_FPS, BUTTON},
                            {IDC_VID_DEFAULT, BUTTON}};
  CheckTemplateTexts(IDD_PAGE_VIDEO, e.videoCaption, 275, 173, video, e.video, 21);
  const int sound[4][2] = {{-1, BUTTON}, {IDC_SND_ON, BUTTON}, {IDC_SND_OFF, BUTTON}, {IDC_SND_DEFAULT, BUTTON}};
  CheckTemplateTexts(IDD_PAGE_SOUND, e.soundCaption, 232, 125, sound, e.sound, 4);
  const int folder[6][2] = {{-1, BUTTON}, {IDC_FLD_SETTINGS, BUTTON}, {IDC_FLD_INSTALL, BUTTON},
                            {-1, BUTTON}, {IDC_FLD_WEB_TOP, BUTTON},  {IDC_FLD_WEB_NEWS, BUTTON}};
  CheckTemplateTexts(IDD_PAGE_FOLDER, e.folderCaption, 241, 165, folder, e.folder, 6);
  const int about[10][2] = {{-1, STATIC},
                            {-1, STATIC},
                            {-1, STATIC},
                            {IDC_ABOUT_VERSION, STATIC},
                            {-1, STATIC},
                            {IDC_ABOUT_ZANTO_DATE, STATIC},
                            {IDC_ABOUT_LAUNCHER_DATE, STATIC},
                            {IDC_ABOUT_LOBBY_DATE, STATIC},
                            {-1, BUTTON},
                            {IDC_ABOUT_UPDATE, BUTTON}};
  CheckTemplateTexts(IDD_PAGE_ABOUT, e.aboutCaption, 235, 177, about, e.about, 10);
}

// ---- what both programs share -------------------------------------------------

static inline HWND OpenQuickMessages() { return OpenPage<PAGE_QUICKMSG>(IDD_PAGE_QUICKMSG); }
static inline HWND OpenVideo() { return OpenPage<PAGE_VIDEO>(IDD_PAGE_VIDEO); }
static inline HWND OpenSound() { return OpenPage<PAGE_SOUND>(IDD_PAGE_SOUND); }

static const char* const kDefaultPhrases[8] = {
    "おはようございます", "こんにちは", "こんばんは", "はじめまして",
    "よろしくお願いします", "いっきま～す", "ありゃりゃ", "やった～",
};

static inline void QuickMessagesFirstRunDefaultAndSave() {
  PutIni(nullptr);
  HWND page = OpenQuickMessages();
  for (int id = 2001; id <= 2008; ++id) CHECK_TEXT(ItemText(page, id), "");
  Click(page, IDC_QMSG_DEFAULT);
  for (int n = 0; n < 8; ++n) CHECK_TEXT(ItemText(page, 2001 + n), kDefaultPhrases[n]);
  CHECK_TEXT(IniText(), "(missing)");  // nothing written before OK
  CHECK_EQ(ApplyPage(page), 0);
  CHECK_TEXT(IniText(),
             "[NETWORK]\nShortCutMessage_F01=おはようございます\nShortCutMessage_F02=こんにちは\n"
             "ShortCutMessage_F03=こんばんは\nShortCutMessage_F04=はじめまして\n"
             "ShortCutMessage_F05=よろしくお願いします\nShortCutMessage_F06=いっきま～す\n"
             "ShortCutMessage_F07=ありゃりゃ\nShortCutMessage_F08=やった～\n");
  DestroyWindow(page);
}

static inline void QuickMessagesLoadClearAndSave() {
  PutIni("[NETWORK]\nShortCutMessage_F01=gg\nShortCutMessage_F03=よろしく!\nShortCutMessage_F05=五\n"
         "ShortCutMessage_F08=最後\n");
  HWND page = OpenQuickMessages();
  CHECK_TEXT(ItemText(page, 2001), "gg");
  CHECK_TEXT(ItemText(page, 2002), "");
  CHECK_TEXT(ItemText(page, 2003), "よろしく!");
  CHECK_TEXT(ItemText(page, 2005), "五");
  CHECK_TEXT(ItemText(page, 2008), "最後");
  // Only the default button acts; other commands, whatever their code, do nothing.
  SendCommand(page, 2001, EN_CHANGE);
  SendCommand(page, 1045, BN_CLICKED);
  CHECK_TEXT(ItemText(page, 2001), "gg");
  SendCommand(page, IDC_QMSG_DEFAULT, BN_SETFOCUS);  // the code is not looked at
  CHECK_TEXT(ItemText(page, 2001), kDefaultPhrases[0]);
  SetText(page, 2001, "");
  SetText(page, 2002, "new");
  CHECK_EQ(ApplyPage(page), 0);
  CHECK_TEXT(IniValue("NETWORK", "ShortCutMessage_F01"), "");  // cleared: empty, not missing
  CHECK(IniText().find("ShortCutMessage_F01=\n") != std::string::npos);
  CHECK_TEXT(IniValue("NETWORK", "ShortCutMessage_F02"), "new");
  CHECK_TEXT(IniValue("NETWORK", "ShortCutMessage_F03"), kDefaultPhrases[2]);
  DestroyWindow(page);
  page = OpenQuickMessages();
  CHECK_TEXT(ItemText(page, 2001), "");  // the next load shows it empty, not the default
  DestroyWindow(page);
}

static inline void QuickMessagesCutAt255Bytes() {
  PutIni(nullptr);
  HWND page = OpenQuickMessages();
  std::string longText(300, 'a');
  SetText(page, 2001, longText.c_str());
  // 254 single bytes and a double-byte character: 256 bytes, the second half
  // of the character beyond the limit.
  std::string split = std::string(254, 'b') + "漢字";
  SetText(page, 2002, split.c_str());
  std::string fits = std::string(253, 'c') + "漢";  // exactly 255 bytes
  SetText(page, 2003, fits.c_str());
  CHECK_EQ(ApplyPage(page), 0);
  CHECK_TEXT(IniValue("NETWORK", "ShortCutMessage_F01"), std::string(255, 'a'));
  CHECK_TEXT(IniValue("NETWORK", "ShortCutMessage_F02"), std::string(254, 'b'));
  CHECK_TEXT(IniValue("NETWORK", "ShortCutMessage_F03"), fits);
  DestroyWindow(page);
}

static inline void VideoFirstRun() {
  PutIni(nullptr);
  HWND page = OpenVideo();
  CHECK_EQ(ListCount(page, IDC_VID_RESOLUTION), 15);
  CHECK_TEXT(ListItem(page, IDC_VID_RESOLUTION, 0), " 320x 200");
  CHECK_TEXT(ListItem(page, IDC_VID_RESOLUTION, 6), " 640x 480");
  CHECK_TEXT(ListItem(page, IDC_VID_RESOLUTION, 12), "1600x 900");  // in list order, not sorted
  CHECK_TEXT(ListItem(page, IDC_VID_RESOLUTION, 14), "1600x1200");
  CHECK_EQ(ListSel(page, IDC_VID_RESOLUTION), 6);
  CHECK(Checked(page, IDC_VID_DIRECT3D) && !Checked(page, IDC_VID_DIRECTDRAW));
  CHECK(!Checked(page, IDC_VID_FULLSCREEN) && Checked(page, IDC_VID_WINDOW));
  CHECK(Enabled(page, IDC_VID_POS_LABEL) && Enabled(page, IDC_VID_POS_X) && Enabled(page, IDC_VID_POS_Y));
  CHECK_TEXT(ItemText(page, IDC_VID_POS_X), "0");
  CHECK_TEXT(ItemText(page, IDC_VID_POS_Y), "0");
  CHECK(Checked(page, IDC_VID_BG_DRAW) && !Checked(page, IDC_VID_BG_NONE));
  CHECK(Checked(page, IDC_VID_SOFT) && !Checked(page, IDC_VID_SHARP));
  CHECK(!Checked(page, IDC_VID_VERSION) && !Checked(page, IDC_VID_FPS));
  CHECK_EQ(ApplyPage(page), 0);
  // Every key, in the order the game's file has always had them written.
  CHECK_TEXT(IniText(),
             "[SYSTEM]\nResolution=6\nScreenMode=0\nFilterMode=1\nDrawMode=1\nDrawBG=1\n"
             "DispVersion=0\nDispFPS=0\nWindowPosX=0\nWindowPosY=0\n");
  DestroyWindow(page);
}

static inline void VideoStoredValues() {
  PutIni("[SYSTEM]\nResolution=11\nDrawMode=2\nDrawBG=0\nFilterMode=0\nScreenMode=1\n"
         "WindowPosX=-40\nWindowPosY=300\nDispVersion=1\nDispFPS=3\n");
  HWND page = OpenVideo();
  CHECK_EQ(ListSel(page, IDC_VID_RESOLUTION), 11);
  CHECK(Checked(page, IDC_VID_DIRECT3D) && !Checked(page, IDC_VID_DIRECTDRAW));  // 2 counts as 1
  CHECK(Checked(page, IDC_VID_BG_NONE) && !Checked(page, IDC_VID_BG_DRAW));
  CHECK(Checked(page, IDC_VID_SHARP) && !Checked(page, IDC_VID_SOFT));
  CHECK(Checked(page, IDC_VID_FULLSCREEN) && !Checked(page, IDC_VID_WINDOW));
  CHECK(!Enabled(page, IDC_VID_POS_LABEL) && !Enabled(page, IDC_VID_POS_X) && !Enabled(page, IDC_VID_POS_Y));
  CHECK_TEXT(ItemText(page, IDC_VID_POS_X), "-40");
  CHECK_TEXT(ItemText(page, IDC_VID_POS_Y), "300");
  CHECK(Checked(page, IDC_VID_VERSION) && Checked(page, IDC_VID_FPS));
  // Written back as 0 or 1, the positions even while disabled.
  CHECK_EQ(ApplyPage(page), 0);
  CHECK_TEXT(IniText(),
             "[SYSTEM]\nResolution=11\nDrawMode=1\nDrawBG=0\nFilterMode=0\nScreenMode=1\n"
             "WindowPosX=-40\nWindowPosY=300\nDispVersion=1\nDispFPS=1\n");
  DestroyWindow(page);
}

static inline void VideoScreenModeAndPairs() {
  PutIni("[SYSTEM]\nScreenMode=1\nWindowPosX=12\nWindowPosY=34\n");
  HWND page = OpenVideo();
  CHECK(!Enabled(page, IDC_VID_POS_X));
  Click(page, IDC_VID_WINDOW);
  CHECK(Checked(page, IDC_VID_WINDOW) && !Checked(page, IDC_VID_FULLSCREEN));
  CHECK(Enabled(page, IDC_VID_POS_LABEL) && Enabled(page, IDC_VID_POS_X) && Enabled(page, IDC_VID_POS_Y));
  CHECK_TEXT(ItemText(page, IDC_VID_POS_X), "12");  // values kept
  CHECK_TEXT(ItemText(page, IDC_VID_POS_Y), "34");
  Click(page, IDC_VID_FULLSCREEN);
  CHECK(Checked(page, IDC_VID_FULLSCREEN) && !Checked(page, IDC_VID_WINDOW));
  CHECK(!Enabled(page, IDC_VID_POS_LABEL) && !Enabled(page, IDC_VID_POS_X) && !Enabled(page, IDC_VID_POS_Y));

  // The plain radios: the page clears the partner and selects the sender.
  Click(page, IDC_VID_DIRECTDRAW);
  CHECK(Checked(page, IDC_VID_DIRECTDRAW) && !Checked(page, IDC_VID_DIRECT3D));
  Click(page, IDC_VID_BG_NONE);
  CHECK(Checked(page, IDC_VID_BG_NONE) && !Checked(page, IDC_VID_BG_DRAW));
  Click(page, IDC_VID_SHARP);
  CHECK(Checked(page, IDC_VID_SHARP) && !Checked(page, IDC_VID_SOFT));
  Click(page, IDC_VID_SHARP);  // a second click keeps it selected
  CHECK(Checked(page, IDC_VID_SHARP) && !Checked(page, IDC_VID_SOFT));
  // Every radio of the three plain pairs has its partner.
  const int plainPairs[][2] = {{IDC_VID_DIRECT3D, IDC_VID_DIRECTDRAW}, {IDC_VID_DIRECTDRAW, IDC_VID_DIRECT3D},
                               {IDC_VID_BG_DRAW, IDC_VID_BG_NONE},     {IDC_VID_BG_NONE, IDC_VID_BG_DRAW},
                               {IDC_VID_SOFT, IDC_VID_SHARP},          {IDC_VID_SHARP, IDC_VID_SOFT}};
  for (const auto& pair : plainPairs) {
    SendCommand(page, pair[0], BN_CLICKED);
    CHECK(Checked(page, pair[0]) && !Checked(page, pair[1]));
  }
  // The notification code is not looked at.
  SendCommand(page, IDC_VID_DIRECT3D, BN_SETFOCUS);
  CHECK(Checked(page, IDC_VID_DIRECT3D) && !Checked(page, IDC_VID_DIRECTDRAW));
  SendCommand(page, IDC_VID_WINDOW, BN_DOUBLECLICKED);
  CHECK(Checked(page, IDC_VID_WINDOW) && Enabled(page, IDC_VID_POS_X));
  // Other controls' commands leave the radios alone.
  SendCommand(page, IDC_VID_RESOLUTION, CBN_SELCHANGE);
  SendCommand(page, IDC_VID_POS_X, EN_CHANGE);
  CHECK(Checked(page, IDC_VID_DIRECT3D) && Checked(page, IDC_VID_SHARP) && Checked(page, IDC_VID_WINDOW));

  CHECK_EQ(ApplyPage(page), 0);
  CHECK_TEXT(IniValue("SYSTEM", "ScreenMode"), "0");
  CHECK_TEXT(IniValue("SYSTEM", "DrawMode"), "1");
  CHECK_TEXT(IniValue("SYSTEM", "DrawBG"), "0");
  CHECK_TEXT(IniValue("SYSTEM", "FilterMode"), "0");
  CHECK_TEXT(IniValue("SYSTEM", "WindowPosX"), "12");
  DestroyWindow(page);
}

static inline void VideoDefaultButton() {
  PutIni("[SYSTEM]\nResolution=9\nDrawMode=0\nDrawBG=0\nFilterMode=0\nScreenMode=0\n"
         "WindowPosX=-40\nWindowPosY=25\nDispVersion=1\nDispFPS=1\n");
  HWND page = OpenVideo();
  Click(page, IDC_VID_DEFAULT);
  CHECK(Checked(page, IDC_VID_DIRECT3D) && !Checked(page, IDC_VID_DIRECTDRAW));
  CHECK(Checked(page, IDC_VID_FULLSCREEN) && !Checked(page, IDC_VID_WINDOW));  // unlike a missing key
  CHECK(!Enabled(page, IDC_VID_POS_LABEL) && !Enabled(page, IDC_VID_POS_X) && !Enabled(page, IDC_VID_POS_Y));
  CHECK_TEXT(ItemText(page, IDC_VID_POS_X), "0");
  CHECK_TEXT(ItemText(page, IDC_VID_POS_Y), "0");
  CHECK(Checked(page, IDC_VID_BG_DRAW) && !Checked(page, IDC_VID_BG_NONE));
  CHECK(Checked(page, IDC_VID_SOFT) && !Checked(page, IDC_VID_SHARP));
  CHECK_EQ(ListSel(page, IDC_VID_RESOLUTION), 9);  // kept
  CHECK(Checked(page, IDC_VID_VERSION) && Checked(page, IDC_VID_FPS));
  CHECK_TEXT(IniValue("SYSTEM", "ScreenMode"), "0");  // nothing written before OK
  CHECK_EQ(ApplyPage(page), 0);
  CHECK_TEXT(IniText(),
             "[SYSTEM]\nResolution=9\nDrawMode=1\nDrawBG=1\nFilterMode=1\nScreenMode=1\n"
             "WindowPosX=0\nWindowPosY=0\nDispVersion=1\nDispFPS=1\n");
  DestroyWindow(page);
}

static inline void VideoOddValues() {
  PutIni("[SYSTEM]\nResolution=15\n");
  HWND page = OpenVideo();
  CHECK_EQ(ListSel(page, IDC_VID_RESOLUTION), -1);  // outside the list: no selection
  SetText(page, IDC_VID_POS_X, "abc");
  SetText(page, IDC_VID_POS_Y, "4294967336");  // beyond 32 bits: 0, not wrapped to 40
  CHECK_EQ(ApplyPage(page), 0);
  CHECK_TEXT(IniValue("SYSTEM", "Resolution"), "-1");
  CHECK_TEXT(IniValue("SYSTEM", "WindowPosX"), "0");
  CHECK_TEXT(IniValue("SYSTEM", "WindowPosY"), "0");
  DestroyWindow(page);

  PutIni("[SYSTEM]\nResolution=-1\nWindowPosX=-2147483648\n");
  page = OpenVideo();
  CHECK_EQ(ListSel(page, IDC_VID_RESOLUTION), -1);
  CHECK_TEXT(ItemText(page, IDC_VID_POS_X), "-2147483648");
  SetText(page, IDC_VID_POS_Y, " -7");
  CHECK_EQ(ApplyPage(page), 0);
  CHECK_TEXT(IniValue("SYSTEM", "Resolution"), "-1");
  CHECK_TEXT(IniValue("SYSTEM", "WindowPosX"), "-2147483648");
  CHECK_TEXT(IniValue("SYSTEM", "WindowPosY"), "-7");
  DestroyWindow(page);

  // The player's choice of resolution is what is stored.
  PutIni(nullptr);
  page = OpenVideo();
  SendDlgItemMessageA(page, IDC_VID_RESOLUTION, CB_SETCURSEL, 14, 0);
  SendCommand(page, IDC_VID_RESOLUTION, CBN_SELCHANGE);
  CHECK_EQ(ApplyPage(page), 0);
  CHECK_TEXT(IniValue("SYSTEM", "Resolution"), "14");
  DestroyWindow(page);
}

static inline void SoundPage() {
  PutIni(nullptr);
  HWND page = OpenSound();
  CHECK(Checked(page, IDC_SND_ON) && !Checked(page, IDC_SND_OFF));
  Click(page, IDC_SND_OFF);  // automatic: switches by itself
  CHECK(Checked(page, IDC_SND_OFF) && !Checked(page, IDC_SND_ON));
  CHECK_EQ(ApplyPage(page), 0);
  CHECK_TEXT(IniText(), "[SYSTEM]\nSoundMode=1\n");
  DestroyWindow(page);

  PutIni("[SYSTEM]\nSoundMode=5\n");
  page = OpenSound();
  CHECK(Checked(page, IDC_SND_OFF) && !Checked(page, IDC_SND_ON));
  CHECK_EQ(ApplyPage(page), 0);
  CHECK_TEXT(IniValue("SYSTEM", "SoundMode"), "1");
  Click(page, IDC_SND_DEFAULT);
  CHECK(Checked(page, IDC_SND_ON) && !Checked(page, IDC_SND_OFF));
  CHECK_EQ(ApplyPage(page), 0);
  CHECK_TEXT(IniValue("SYSTEM", "SoundMode"), "0");
  DestroyWindow(page);

  PutIni("[SYSTEM]\nSoundMode=0\n");
  page = OpenSound();
  CHECK(Checked(page, IDC_SND_ON) && !Checked(page, IDC_SND_OFF));
  DestroyWindow(page);
}

// The page tests that both programs run alike.
static inline void CommonPageTests() {
  QuickMessagesFirstRunDefaultAndSave();
  QuickMessagesLoadClearAndSave();
  QuickMessagesCutAt255Bytes();
  VideoFirstRun();
  VideoStoredValues();
  VideoScreenModeAndPairs();
  VideoDefaultButton();
  VideoOddValues();
  SoundPage();
}

// Control kinds as created: plain radios on the video page (the page keeps
// them exclusive), automatic ones on the sound page.
static inline void RadioKinds() {
  HWND page = OpenPageWith(IDD_PAGE_VIDEO, BarePageProc);
  const int plain[] = {IDC_VID_DIRECT3D, IDC_VID_DIRECTDRAW, IDC_VID_FULLSCREEN, IDC_VID_WINDOW, IDC_VID_BG_DRAW, IDC_VID_BG_NONE, IDC_VID_SHARP, IDC_VID_SOFT};
  for (int id : plain) CHECK_EQ(Style(page, id) & BS_TYPEMASK, BS_RADIOBUTTON);
  DestroyWindow(page);
  page = OpenPageWith(IDD_PAGE_SOUND, BarePageProc);
  CHECK_EQ(Style(page, IDC_SND_ON) & BS_TYPEMASK, BS_AUTORADIOBUTTON);
  CHECK_EQ(Style(page, IDC_SND_OFF) & BS_TYPEMASK, BS_AUTORADIOBUTTON);
  DestroyWindow(page);
}

// ---- folders and web: the shell calls, recorded -----------------------------------

#include "options/shell.h"

struct ShellCall {
  HWND owner;
  std::string verb, file;
  bool noParams, noFolder;
  INT show;
};
static ShellCall g_shellCalls[16];
static int g_shellCallCount;

static HINSTANCE WINAPI RecordShellCall(HWND owner, LPCSTR verb, LPCSTR file, LPCSTR params, LPCSTR folder,
                                        INT show) {
  if (g_shellCallCount < 16) {
    ShellCall& c = g_shellCalls[g_shellCallCount];
    c.owner = owner;
    c.verb = verb ? verb : "(null)";
    c.file = file ? file : "(null)";
    c.noParams = params == nullptr;
    c.noFolder = folder == nullptr;
    c.show = show;
  }
  ++g_shellCallCount;
  return (HINSTANCE)42;
}

static inline void CheckShellCall(int i, HWND page, const std::string& file) {
  const ShellCall& c = g_shellCalls[i];
  CHECK(c.owner == page);
  CHECK_TEXT(c.verb, "open");
  CHECK_TEXT(c.file, file);
  CHECK(c.noParams && c.noFolder);
  CHECK_EQ(c.show, SW_SHOWDEFAULT);
}

// installDir: what button 1018 must open in this program.
static inline void FolderShortcuts(const char* installDir, const char* webTop, const char* webNews) {
  PutIni("[SYSTEM]\nSoundMode=1\n");
  std::string before = IniText();
  g_shellExecute = RecordShellCall;
  g_shellCallCount = 0;
  HWND page = OpenPage<PAGE_FOLDER>(IDD_PAGE_FOLDER);
  CHECK_EQ(g_shellCallCount, 0);  // nothing opens by itself
  Click(page, IDC_FLD_SETTINGS);
  Click(page, IDC_FLD_INSTALL);
  Click(page, IDC_FLD_WEB_TOP);
  Click(page, IDC_FLD_WEB_NEWS);
  Click(page, IDC_FLD_WEB_NEWS);  // twice: opened twice, nothing kept
  SendCommand(page, IDC_FLD_INSTALL, BN_SETFOCUS);  // the code is not looked at
  SendCommand(page, 1017, BN_CLICKED);
  SendCommand(page, IDOK, BN_CLICKED);
  CHECK_EQ(g_shellCallCount, 6);
  CheckShellCall(0, page, GetSettingsDir());
  CheckShellCall(1, page, installDir);
  CheckShellCall(2, page, webTop);
  CheckShellCall(3, page, webNews);
  CheckShellCall(4, page, webNews);
  CheckShellCall(5, page, installDir);
  // No test ever leaves this machine: the built-in addresses are loopback ones.
  CHECK(strncmp(webTop, "http://127.0.0.1/", 17) == 0);
  CHECK(strncmp(webNews, "http://127.0.0.1/", 17) == 0);
  // OK: the page writes nothing.
  CHECK_EQ(ApplyPage(page), 0);
  CHECK_TEXT(IniText(), before);
  DestroyWindow(page);
  g_shellExecute = ShellExecuteA;
}

// ---- about: file dates --------------------------------------------------------------

static inline void MakeFile(const char* path) { WriteWholeFile(path, "stand-in"); }

static inline void SetWriteTime(const char* path, const FILETIME* t) {
  HANDLE f = CreateFileA(path, FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                         nullptr);
  CHECK(f != INVALID_HANDLE_VALUE);
  CHECK(SetFileTime(f, nullptr, nullptr, t));
  CloseHandle(f);
}

// The UTC file time of a local calendar time, with the bias that the
// platform applies now (FileTimeToLocalFileTime uses the current bias, not
// the one of the file's date), computed without the conversion under test.
static inline FILETIME UtcOfLocal(WORD y, WORD m, WORD d, WORD h, WORD min, LONG* biasOut) {
  TIME_ZONE_INFORMATION tz;
  DWORD which = GetTimeZoneInformation(&tz);
  LONG bias = tz.Bias;
  if (which == TIME_ZONE_ID_STANDARD) bias += tz.StandardBias;
  if (which == TIME_ZONE_ID_DAYLIGHT) bias += tz.DaylightBias;
  *biasOut = bias;
  SYSTEMTIME local = {y, m, 0, d, h, min, 0, 0};
  FILETIME ft;
  SystemTimeToFileTime(&local, &ft);
  ULARGE_INTEGER v;
  v.LowPart = ft.dwLowDateTime;
  v.HighPart = ft.dwHighDateTime;
  v.QuadPart += (ULONGLONG)((LONGLONG)bias * 60LL * 10000000LL);  // UTC = local + bias
  ft.dwLowDateTime = v.LowPart;
  ft.dwHighDateTime = v.HighPart;
  return ft;
}

#include "options/about.h"

static inline void FileDateText(const char* folder) {
  char path[MAX_PATH];
  wsprintfA(path, "%s\\dated.exe", folder);
  DeleteFileA(path);
  CHECK_STR(GetFileDateText(path), "----/--/--");
  MakeFile(path);

  // The 5th of February 2009 shortly after local midnight: east of UTC the
  // file's UTC date is the 4th, and the local date must be shown.
  LONG bias;
  FILETIME t = UtcOfLocal(2009, 2, 5, 0, 30, &bias);
  if (bias > 0) t = UtcOfLocal(2009, 2, 5, 23, 30, &bias);  // west: the UTC date is the 6th
  SetWriteTime(path, &t);
  SYSTEMTIME utc;
  FileTimeToSystemTime(&t, &utc);
  if (bias < 0) CHECK_EQ(utc.wDay, 4);
  if (bias > 0) CHECK_EQ(utc.wDay, 6);
  if (bias == 0) printf("note: time zone bias is 0 here; the UTC and the local date are the same\n");
  CHECK_STR(GetFileDateText(path), "2009/02/05");

  // One shared buffer: the next call overwrites the text.
  const char* first = GetFileDateText(path);
  char missing[MAX_PATH];
  wsprintfA(missing, "%s\\nothing.exe", folder);
  GetFileDateText(missing);
  CHECK_STR(first, "----/--/--");
  DeleteFileA(path);
}

// ---- about: the game's folder as the program names its files -------------------------

// A file of the game: the folder and the name joined with the program's own
// separator (m_portal's install folder has no trailing "\", launcher's has).
static inline std::string GameFile(const char* folder, const char* name) {
  return std::string(folder) + GameFolderSeparator(kGameFolder) + name;
}

static inline void PutLauncherIni(const char* folder, const char* text) {
  std::string path = GameFile(folder, "Launcher.ini");
  DeleteFileA(path.c_str());
  if (text != nullptr) WriteWholeFile(path.c_str(), text);
}

static inline void DateFile(const char* folder, const char* name, WORD y, WORD m, WORD d) {
  std::string path = GameFile(folder, name);
  MakeFile(path.c_str());
  LONG bias;
  FILETIME t = UtcOfLocal(y, m, d, 12, 0, &bias);
  SetWriteTime(path.c_str(), &t);
}

static inline std::string AboutVersion() {
  HWND page = OpenPage<PAGE_ABOUT>(IDD_PAGE_ABOUT);
  std::string text = ItemText(page, IDC_ABOUT_VERSION);
  DestroyWindow(page);
  return text;
}

// Waits until the stand-in wrote its line to log.
static inline bool WaitForLog(const char* log, char* buf, int size) {
  for (int i = 0; i < 100; ++i) {
    if (ReadWholeFile(log, buf, size) > 0 && strchr(buf, '\n') != nullptr) return true;
    Sleep(100);
  }
  return false;
}

// Copies the stand-in program name into the game's folder and has it log to
// log, quietly, from a fresh log; returns its path there.
static inline std::string PutStandIn(const char* folder, const char* name, const char* log) {
  char from[MAX_PATH], dir[MAX_PATH];
  GetFullPathNameA("standins", MAX_PATH, dir, nullptr);
  wsprintfA(from, "%s\\%s", dir, name);
  std::string to = GameFile(folder, name);
  CHECK(CopyFileA(from, to.c_str(), FALSE));
  DeleteFileA(log);
  SetEnvironmentVariableA("ZANTO_STANDIN_LOG", log);
  SetEnvironmentVariableA("ZANTO_STANDIN_QUIET", "1");
  return to;
}
