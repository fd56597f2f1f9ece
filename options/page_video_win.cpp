// Video page (page 3): display settings of Zanto.ini [SYSTEM]. The radios are
// plain radio buttons; the page keeps each pair exclusive itself.
#include "core/setting_key.h"
#include "core/text.h"
#include "core/ui.h"
#include "options/pages.h"
#include "options/video.h"
#include "res/ids_video.h"

// The three plain pairs (Direct3D / DirectDraw, background, filter); the
// screen mode pair also switches the position fields and is handled apart.
static const int kRadioPairs[][2] = {
    {IDC_VID_DIRECT3D, IDC_VID_DIRECTDRAW}, {IDC_VID_BG_DRAW, IDC_VID_BG_NONE}, {IDC_VID_SHARP, IDC_VID_SOFT}};

// The other radio of id's plain pair, or 0 when id is not in one.
static int RadioPartner(int id) {
  for (const auto& pair : kRadioPairs) {
    if (pair[0] == id) return pair[1];
    if (pair[1] == id) return pair[0];
  }
  return 0;
}

static const int kRadioGroups[][2] = {{IDC_VID_DIRECT3D, IDC_VID_DIRECTDRAW},
                                      {IDC_VID_FULLSCREEN, IDC_VID_WINDOW},
                                      {IDC_VID_BG_DRAW, IDC_VID_BG_NONE},
                                      {IDC_VID_SHARP, IDC_VID_SOFT}};

static void KeepTabStops(HWND page) {
  for (const auto& group : kRadioGroups) KeepRadioTabStop(page, group, 2);
}

static void SetPair(HWND page, int first, int second, bool firstOn) {
  SetChecked(page, first, firstOn);
  SetChecked(page, second, !firstOn);
}

// The window position only matters in window mode.
static void EnablePosition(HWND page, bool on) {
  EnableItem(page, IDC_VID_POS_LABEL, on);
  EnableItem(page, IDC_VID_POS_X, on);
  EnableItem(page, IDC_VID_POS_Y, on);
}

static void SetPosition(HWND page, int id, int value) {
  char text[16];
  TextFormat(text, sizeof text, "%d", value);
  SetItemText(page, id, text);
}

static void ShowVideoRadios(HWND page, const VideoSettings* s) {
  SetPair(page, IDC_VID_DIRECT3D, IDC_VID_DIRECTDRAW, s->direct3d);
  SetPair(page, IDC_VID_BG_DRAW, IDC_VID_BG_NONE, s->drawBackground);
  SetPair(page, IDC_VID_SOFT, IDC_VID_SHARP, s->softFilter);
  SetPair(page, IDC_VID_FULLSCREEN, IDC_VID_WINDOW, s->fullScreen);
}

static void LoadVideo(HWND page) {
  for (int i = 0; i < RESOLUTION_COUNT; ++i) {
    char text[16];
    FormatResolution(i, text, sizeof text);
    AddComboItem(page, IDC_VID_RESOLUTION, text);
  }
  unsigned stored[VIDEO_KEY_COUNT];
  for (int i = 0; i < VIDEO_KEY_COUNT; ++i) stored[i] = GetSettingInt(&kVideoKeys[i]);
  VideoSettings s;
  VideoFromStored(stored, &s);
  SetComboSelection(page, IDC_VID_RESOLUTION, s.resolution);
  ShowVideoRadios(page, &s);
  SetPosition(page, IDC_VID_POS_X, s.posX);
  SetPosition(page, IDC_VID_POS_Y, s.posY);
  if (s.fullScreen) EnablePosition(page, false);
  SetChecked(page, IDC_VID_VERSION, s.showVersion);
  SetChecked(page, IDC_VID_FPS, s.showFps);
  KeepTabStops(page);
}

static void ChangeVideo(HWND page, int id) {
  int partner = RadioPartner(id);
  if (partner != 0) {
    SetChecked(page, partner, false);
    SetChecked(page, id, true);
    return;
  }
  switch (id) {
    case IDC_VID_FULLSCREEN:
    case IDC_VID_WINDOW:
      SetPair(page, IDC_VID_FULLSCREEN, IDC_VID_WINDOW, id == IDC_VID_FULLSCREEN);
      EnablePosition(page, id == IDC_VID_WINDOW);
      break;
    case IDC_VID_DEFAULT: {
      // Only the radios and the position: the resolution and the two check
      // boxes keep what the player chose.
      VideoSettings s = {};
      ApplyVideoDefaults(&s);
      ShowVideoRadios(page, &s);
      EnablePosition(page, !s.fullScreen);
      SetPosition(page, IDC_VID_POS_X, s.posX);
      SetPosition(page, IDC_VID_POS_Y, s.posY);
      break;
    }
  }
}

static void VideoCommand(HWND page, int id) {
  ChangeVideo(page, id);
  KeepTabStops(page);
}

static void WriteVideo(HWND page) {
  char text[256];
  VideoSettings s;
  s.resolution = GetComboSelection(page, IDC_VID_RESOLUTION);
  s.direct3d = IsChecked(page, IDC_VID_DIRECT3D);
  s.fullScreen = IsChecked(page, IDC_VID_FULLSCREEN);
  s.drawBackground = IsChecked(page, IDC_VID_BG_DRAW);
  s.softFilter = IsChecked(page, IDC_VID_SOFT);
  s.showVersion = IsChecked(page, IDC_VID_VERSION);
  s.showFps = IsChecked(page, IDC_VID_FPS);
  GetItemText(page, IDC_VID_POS_X, text, sizeof text);
  s.posX = ParsePosition(text);
  GetItemText(page, IDC_VID_POS_Y, text, sizeof text);
  s.posY = ParsePosition(text);
  int values[VIDEO_KEY_COUNT];
  VideoToStore(&s, values);
  for (VideoKey k : kVideoWriteOrder) WriteSettingInt(&kVideoKeys[k], values[k]);
}

const PageHandlers kVideoPage = {LoadVideo, VideoCommand, nullptr, WriteVideo};
