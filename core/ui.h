// Small Win32 helpers shared by the windows and pages of both programs. Every
// text crosses into Windows here (or in core/text932_win.h), as code page 932
// whatever the system's code page: no other file converts a text.
#pragma once
#include <windows.h>

// Windows 95/98/Me have only stubs of most wide functions (they fail and do
// nothing), and their system code page is the machine's own, 932 on the
// Japanese ones the game runs on: there the narrow functions take the texts
// as they are. Decided once per run; the helpers below, the options sheet and
// the colour chooser follow it, and nothing else asks the platform.
bool UseWideCalls();

// Every message box of the program: caption is the program's title.
int ShowMessage(HWND owner, const char* text, UINT flags);

// Tests replace the message box with a recorder (never set in the programs).
typedef int (*MessageHook)(HWND owner, const char* text, const char* caption, UINT flags);
extern MessageHook g_messageHook;

// A modal dialog of the program's resources. The wide call keeps the
// template's texts as written; a narrow one would pass them through the
// system's code page, and a player abroad would read "????".
INT_PTR ShowDialog(HWND owner, int templateId, DLGPROC proc, LPARAM param);

void SetWindowTitle(HWND wnd, const char* text);

// Control access without the noise of SendDlgItemMessage.
void SetItemText(HWND dlg, int id, const char* text);
void GetItemText(HWND dlg, int id, char* buf, int size);  // cut at a character boundary
// The same for a control without an id of its own (a group box, a label).
void GetControlText(HWND control, char* buf, int size);
// As GetItemText, but a control that still shows stored (the value as read
// from a file) gives stored itself, byte for byte: a value the player did not
// touch is written back as it was, whatever the conversions would make of it.
void GetStoredItemText(HWND dlg, int id, const char* stored, char* buf, int size);
void SetChecked(HWND dlg, int id, bool on);
bool IsChecked(HWND dlg, int id);
void EnableItem(HWND dlg, int id, bool on);
// The radios ids (count of them, one group): only the checked one is a tab
// stop (core/radio_group.h). Called after every change of the group's checks.
void KeepRadioTabStop(HWND dlg, const int* ids, int count);
void ShowItem(HWND dlg, int id, bool on);
// Combo boxes: the selection (-1 when none) and the list items.
int GetComboSelection(HWND dlg, int id);  // -1 when none
void SetComboSelection(HWND dlg, int id, int index);
void AddComboItem(HWND dlg, int id, const char* text);
void AddComboItem(HWND combo, const char* text);
// Item index of a combo box; false, buf empty, when there is none or it would not fit whole.
bool GetComboItem(HWND combo, int index, char* buf, int size);

// Letters compared as the player reads them (full-width letters fold too),
// without a trip through the system's code page.
int CompareTextNoCase(const char* a, const char* b);
