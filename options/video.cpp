#include "options/video.h"

#include "core/text.h"

const char kSystemSection[] = "SYSTEM";

const Resolution kResolutions[RESOLUTION_COUNT] = {
    {320, 200},  {320, 240},  {400, 300},   {480, 360},   {512, 384},
    {640, 400},  {640, 480},  {800, 600},   {1024, 768},  {1152, 864},
    {1280, 960}, {1280, 1024}, {1600, 900}, {1600, 1024}, {1600, 1200},
};

bool FormatResolution(int index, char* out, size_t size) {
  if (index < 0 || index >= RESOLUTION_COUNT) {
    if (size > 0) out[0] = '\0';
    return false;
  }
  return TextFormat(out, size, "%4dx%4d", kResolutions[index].width, kResolutions[index].height);
}

int ResolutionIndexFromStored(unsigned stored) {
  return stored < (unsigned)RESOLUTION_COUNT ? (int)stored : -1;
}

int ParsePosition(const char* text) {
  bool negative;
  const char* p = SkipSpaceAndSign(text, &negative);
  if (*p < '0' || *p > '9') return 0;
  // Gathered as a magnitude with room for -2147483648; anything larger is
  // not a position the game could use, and wrapping would move the window
  // somewhere the player never typed.
  long long magnitude = 0;
  const long long limit = negative ? 2147483648LL : 2147483647LL;
  for (; *p >= '0' && *p <= '9'; ++p) {
    magnitude = magnitude * 10 + (*p - '0');
    if (magnitude > limit) return 0;
  }
  return (int)(negative ? -magnitude : magnitude);
}

const SettingKey kVideoKeys[VIDEO_KEY_COUNT] = {
    {GAME_INI, kSystemSection, "Resolution", RESOLUTION_DEFAULT, nullptr},
    {GAME_INI, kSystemSection, "DrawMode", 1, nullptr},
    {GAME_INI, kSystemSection, "DrawBG", 1, nullptr},
    {GAME_INI, kSystemSection, "FilterMode", 1, nullptr},
    {GAME_INI, kSystemSection, "ScreenMode", 0, nullptr},
    {GAME_INI, kSystemSection, "WindowPosX", 0, nullptr},
    {GAME_INI, kSystemSection, "WindowPosY", 0, nullptr},
    {GAME_INI, kSystemSection, "DispVersion", 0, nullptr},
    {GAME_INI, kSystemSection, "DispFPS", 0, nullptr},
};

const VideoKey kVideoWriteOrder[VIDEO_KEY_COUNT] = {
    VIDEO_RESOLUTION, VIDEO_SCREEN_MODE,  VIDEO_FILTER_MODE, VIDEO_DRAW_MODE, VIDEO_DRAW_BG,
    VIDEO_SHOW_VERSION, VIDEO_SHOW_FPS, VIDEO_POS_X,       VIDEO_POS_Y,
};

void VideoFromStored(const unsigned stored[VIDEO_KEY_COUNT], VideoSettings* out) {
  out->resolution = ResolutionIndexFromStored(stored[VIDEO_RESOLUTION]);
  out->direct3d = stored[VIDEO_DRAW_MODE] != 0;
  out->drawBackground = stored[VIDEO_DRAW_BG] != 0;
  out->softFilter = stored[VIDEO_FILTER_MODE] != 0;
  out->fullScreen = stored[VIDEO_SCREEN_MODE] != 0;
  out->posX = (int)stored[VIDEO_POS_X];
  out->posY = (int)stored[VIDEO_POS_Y];
  out->showVersion = stored[VIDEO_SHOW_VERSION] != 0;
  out->showFps = stored[VIDEO_SHOW_FPS] != 0;
}

void ApplyVideoDefaults(VideoSettings* s) {
  s->direct3d = true;
  s->fullScreen = true;
  s->posX = 0;
  s->posY = 0;
  s->drawBackground = true;
  s->softFilter = true;
}

void VideoToStore(const VideoSettings* s, int out[VIDEO_KEY_COUNT]) {
  out[VIDEO_RESOLUTION] = s->resolution;
  out[VIDEO_DRAW_MODE] = s->direct3d ? 1 : 0;
  out[VIDEO_DRAW_BG] = s->drawBackground ? 1 : 0;
  out[VIDEO_FILTER_MODE] = s->softFilter ? 1 : 0;
  out[VIDEO_SCREEN_MODE] = s->fullScreen ? 1 : 0;
  out[VIDEO_POS_X] = s->posX;
  out[VIDEO_POS_Y] = s->posY;
  out[VIDEO_SHOW_VERSION] = s->showVersion ? 1 : 0;
  out[VIDEO_SHOW_FPS] = s->showFps ? 1 : 0;
}
