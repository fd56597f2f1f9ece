// The colour of the player's handle name: kept between the Online page's load
// and its save, and edited through the platform's colour chooser.
#pragma once
#include <windows.h>
#include <commdlg.h>

// The colour in the platform's layout (red in the low byte), top byte zero.
unsigned NameColor();
void SetNameColor(unsigned color);

// Opens the colour chooser over owner, starting from NameColor with the sixteen
// custom colours of the configuration file. A confirmed colour becomes
// NameColor and the custom colours are stored at once; a cancel changes
// nothing; a chooser that cannot be opened is reported in a message box.
void ChooseNameColor(HWND owner);

// comdlg32 is loaded on the first use of the chooser, so that the programs do
// not load it at start-up. Tests put their own functions here beforehand.
typedef BOOL(WINAPI* ChooseColorFn)(LPCHOOSECOLORW);
typedef DWORD(WINAPI* CommDlgExtendedErrorFn)(void);
extern ChooseColorFn g_chooseColor;
extern CommDlgExtendedErrorFn g_commDlgExtendedError;
