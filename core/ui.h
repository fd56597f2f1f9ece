// Small Win32 helpers shared by the windows and pages of both programs.
#pragma once
#include <windows.h>

// Every message box of the program: caption is the program's title.
int ShowMessage(HWND owner, const char* text, UINT flags);

// Tests replace the message box with a recorder (never set in the programs).
typedef int (*MessageHook)(HWND owner, const char* text, const char* caption, UINT flags);
extern MessageHook g_messageHook;

// Control access without the noise of SendDlgItemMessage.
void SetItemText(HWND dlg, int id, const char* text);
void GetItemText(HWND dlg, int id, char* buf, int size);  // cut at a character boundary
void SetChecked(HWND dlg, int id, bool on);
bool IsChecked(HWND dlg, int id);
void EnableItem(HWND dlg, int id, bool on);
void ShowItem(HWND dlg, int id, bool on);
// Combo boxes: the selection (-1 when none) and the list items.
int GetComboSelection(HWND dlg, int id);  // -1 when none
void SetComboSelection(HWND dlg, int id, int index);
void AddComboItem(HWND dlg, int id, const char* text);
