#include "options/sound.h"

#include "options/video.h"

const SettingKey kSoundModeKey = {GAME_INI, kSystemSection, "SoundMode", 0, nullptr};

bool SoundOnFromStored(unsigned stored) { return stored == 0; }

int SoundModeToStore(bool on) { return on ? 0 : 1; }
