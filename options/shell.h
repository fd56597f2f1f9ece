// Opening a folder or a web address through the shell. Tests replace the
// shell call to record what would have been opened.
#pragma once
#include <windows.h>

typedef HINSTANCE(WINAPI* ShellExecuteFn)(HWND owner, LPCSTR verb, LPCSTR file, LPCSTR params,
                                          LPCSTR folder, INT show);
extern ShellExecuteFn g_shellExecute;  // the shell's ShellExecuteA unless a test set another

// Asks the shell to open target ("open", no parameters, SW_SHOWDEFAULT) and
// goes on at once; what the shell answers is not looked at.
void ShellOpen(HWND owner, const char* target);
