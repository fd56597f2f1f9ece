// Video settings of the game (Zanto.ini [SYSTEM]): what the page shows for
// the stored values, and what it stores for what the player chose.
#pragma once
#include <stddef.h>

#include "core/setting_key.h"

extern const char kSystemSection[];  // "SYSTEM", the video and the sound settings

// The resolution list. The game stores the position in this list, not the
// size, so the order is part of the file's format.
struct Resolution {
  int width;
  int height;
};
enum { RESOLUTION_COUNT = 15, RESOLUTION_DEFAULT = 6 /* 640x480 */ };
extern const Resolution kResolutions[RESOLUTION_COUNT];

// The list text of an entry: "%4dx%4d" (" 640x 480"). False (out empty) for
// an index outside the list or a buffer that is too small.
bool FormatResolution(int index, char* out, size_t size);

// The entry to select for a stored Resolution value; -1 (no selection) when
// the value is not a position in the list.
int ResolutionIndexFromStored(unsigned stored);

// A window position typed by the player: an optional sign and decimal digits
// after optional white space, up to the first other character. Text that does
// not start with a number, and a number that does not fit in 32 bits, give 0.
int ParsePosition(const char* text);

// What the video page shows and stores. The radios of each pair stand for
// one flag: true is the pair's first meaning.
struct VideoSettings {
  int resolution;       // list position, -1 none
  bool direct3d;        // DrawMode: Direct3D, else DirectDraw
  bool fullScreen;      // ScreenMode: full screen, else window
  bool drawBackground;  // DrawBG: draw, else none
  bool softFilter;      // FilterMode: soft, else sharp
  bool showVersion;     // DispVersion
  bool showFps;         // DispFPS
  int posX;             // WindowPosX
  int posY;             // WindowPosY
};

// The keys of the video page in [SYSTEM], each with its default when missing;
// values of a page are arrays indexed by VideoKey.
enum VideoKey {
  VIDEO_RESOLUTION, VIDEO_DRAW_MODE, VIDEO_DRAW_BG, VIDEO_FILTER_MODE, VIDEO_SCREEN_MODE, VIDEO_POS_X,
  VIDEO_POS_Y, VIDEO_SHOW_VERSION, VIDEO_SHOW_FPS, VIDEO_KEY_COUNT
};
extern const SettingKey kVideoKeys[VIDEO_KEY_COUNT];
// The order in which the page writes them.
extern const VideoKey kVideoWriteOrder[VIDEO_KEY_COUNT];

// The settings for the values read. Any non-zero flag counts as its first
// meaning; positions are signed.
void VideoFromStored(const unsigned stored[VIDEO_KEY_COUNT], VideoSettings* out);

// The Default button: Direct3D, full screen at 0, 0, background drawn, soft
// filter. The resolution and the two check boxes are not touched.
void ApplyVideoDefaults(VideoSettings* s);

// The values that the page writes; flags as 0 or 1.
void VideoToStore(const VideoSettings* s, int out[VIDEO_KEY_COUNT]);
