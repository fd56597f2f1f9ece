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

const IniInt kVideoDefaults[VIDEO_KEY_COUNT] = {
    {"Resolution", RESOLUTION_DEFAULT}, {"DrawMode", 1},    {"DrawBG", 1},
    {"FilterMode", 1},                  {"ScreenMode", 0},  {"WindowPosX", 0},
    {"WindowPosY", 0},                  {"DispVersion", 0}, {"DispFPS", 0},
};

void VideoFromStored(const unsigned stored[VIDEO_KEY_COUNT], VideoSettings* out) {
  out->resolution = ResolutionIndexFromStored(stored[0]);
  out->direct3d = stored[1] != 0;
  out->drawBackground = stored[2] != 0;
  out->softFilter = stored[3] != 0;
  out->fullScreen = stored[4] != 0;
  out->posX = (int)stored[5];
  out->posY = (int)stored[6];
  out->showVersion = stored[7] != 0;
  out->showFps = stored[8] != 0;
}

void ApplyVideoDefaults(VideoSettings* s) {
  s->direct3d = true;
  s->fullScreen = true;
  s->posX = 0;
  s->posY = 0;
  s->drawBackground = true;
  s->softFilter = true;
}

void VideoToStore(const VideoSettings* s, IniInt out[VIDEO_KEY_COUNT]) {
  const IniInt order[VIDEO_KEY_COUNT] = {
      {"Resolution", s->resolution},
      {"ScreenMode", s->fullScreen ? 1 : 0},
      {"FilterMode", s->softFilter ? 1 : 0},
      {"DrawMode", s->direct3d ? 1 : 0},
      {"DrawBG", s->drawBackground ? 1 : 0},
      {"DispVersion", s->showVersion ? 1 : 0},
      {"DispFPS", s->showFps ? 1 : 0},
      {"WindowPosX", s->posX},
      {"WindowPosY", s->posY},
  };
  for (int i = 0; i < VIDEO_KEY_COUNT; ++i) out[i] = order[i];
}
