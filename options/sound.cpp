#include "options/sound.h"

const char kSoundModeKey[] = "SoundMode";

bool SoundOnFromStored(unsigned stored) { return stored == 0; }

int SoundModeToStore(bool on) { return on ? 0 : 1; }
