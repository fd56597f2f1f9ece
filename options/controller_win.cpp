#include "options/controller.h"

#include <string.h>

#include "core/system_dll_win.h"

static JoyGetPosExFunction g_winmmJoyGetPosEx;

static MMRESULT WINAPI WinmmJoyGetPosEx(UINT id, LPJOYINFOEX info) {
  if (g_winmmJoyGetPosEx == nullptr) {
    // Loaded once and kept: the library stays for the life of the process.
    HMODULE winmm = LoadSystemLibrary("winmm.dll");
    if (winmm != nullptr) g_winmmJoyGetPosEx = (JoyGetPosExFunction)(void*)GetProcAddress(winmm, "joyGetPosEx");
    if (g_winmmJoyGetPosEx == nullptr) return MMSYSERR_NODRIVER;
  }
  return g_winmmJoyGetPosEx(id, info);
}

JoyGetPosExFunction g_joyGetPosEx = WinmmJoyGetPosEx;

MMRESULT ReadController(UINT id, JOYINFOEX* info) {
  memset(info, 0, sizeof *info);
  info->dwSize = sizeof *info;
  info->dwFlags = JOY_RETURNBUTTONS;
  return g_joyGetPosEx(id, info);
}

bool ControllerPresent(UINT id) {
  JOYINFOEX info;
  return ReadController(id, &info) == JOYERR_NOERROR;
}
