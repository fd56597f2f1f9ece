// Sound page (page 4): music and sound effects on or off, Zanto.ini [SYSTEM]
// SoundMode. The radios are automatic: they switch by themselves.
#include "core/ui.h"
#include "options/pages.h"
#include "options/sound.h"
#include "res/ids_sound.h"

static void LoadSound(HWND page) {
  bool on = SoundOnFromStored(GetSettingInt(&kSoundModeKey));
  SetChecked(page, on ? IDC_SND_ON : IDC_SND_OFF, true);
}

static void SoundCommand(HWND page, int id) {
  if (id != IDC_SND_DEFAULT) return;
  SetChecked(page, IDC_SND_ON, true);
  SetChecked(page, IDC_SND_OFF, false);
}

static void WriteSound(HWND page) { WriteSettingInt(&kSoundModeKey, SoundModeToStore(IsChecked(page, IDC_SND_ON))); }

const PageHandlers kSoundPage = {LoadSound, SoundCommand, nullptr, WriteSound};
