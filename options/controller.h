// Game controllers 0 and 1, read through one function pointer so that tests
// can stand in for a controller. The programs always use the real
// joyGetPosEx, taken from winmm.dll at the first read: most players never
// open the Controls page, and the programs do not load the multimedia
// library at start-up.
#pragma once
#include <windows.h>
#include <mmsystem.h>

typedef MMRESULT(WINAPI* JoyGetPosExFunction)(UINT id, LPJOYINFOEX info);
extern JoyGetPosExFunction g_joyGetPosEx;

// One read of a controller's buttons (JOYINFOEX of 52 bytes, JOY_RETURNBUTTONS).
// Returns the call's result, 0 on success; info receives the state.
MMRESULT ReadController(UINT id, JOYINFOEX* info);
// Whether the controller can be read at all.
bool ControllerPresent(UINT id);
