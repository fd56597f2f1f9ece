// The fields that both programs' Online pages keep in [NETWORK] of Zanto.ini:
// the check boxes and the chat-lines edit. Each page calls them in its own order.
#pragma once
#include <windows.h>

void LoadNetworkCheck(HWND page, int id, const char* key);
void SaveNetworkCheck(HWND page, int id, const char* key);

// Shown as stored; the 2..30 range is applied when saving.
void LoadChatLines(HWND page);
// What the default button shows (3, while a missing key loads as 4).
void ShowDefaultChatLines(HWND page);
void SaveChatLines(HWND page);
