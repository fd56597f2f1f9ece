// Sound settings of the game: SoundMode in [SYSTEM] of Zanto.ini (the
// section the video page shares, kSystemSection in options/video.h).
#pragma once

#include "core/setting_key.h"

extern const SettingKey kSoundModeKey;  // SoundMode, 0 (on) when missing

// SoundMode 0 is music and effects on, anything else off.
bool SoundOnFromStored(unsigned stored);
int SoundModeToStore(bool on);
