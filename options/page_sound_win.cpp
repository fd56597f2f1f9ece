// Sound page (page 4): music and sound effects on or off, Zanto.ini [SYSTEM]
// SoundMode. The radios are automatic: they switch by themselves.
#include "core/ui.h"
#include "options/pages.h"
#include "options/sound.h"
#include "res/ids_sound.h"

static const int kSoundRadios[2] = {IDC_SND_ON, IDC_SND_OFF};

static void LoadSound(HWND page) {
  bool on = SoundOnFromStored(GetSettingInt(&kSoundModeKey));
  SetChecked(page, on ? IDC_SND_ON : IDC_SND_OFF, true);
  KeepRadioTabStop(page, kSoundRadios, 2);
}

// The radios' own clicks come here too, after they have switched.
static void SoundCommand(HWND page, int id) {
  if (id == IDC_SND_DEFAULT) {
    SetChecked(page, IDC_SND_ON, true);
    SetChecked(page, IDC_SND_OFF, false);
  }
  KeepRadioTabStop(page, kSoundRadios, 2);
}

static void WriteSound(HWND page) { WriteSettingInt(&kSoundModeKey, SoundModeToStore(IsChecked(page, IDC_SND_ON))); }

const PageHandlers kSoundPage = {LoadSound, SoundCommand, nullptr, WriteSound};
