// The boundary to Windows: texts go in and come out as code page 932, cut only
// between characters, and a value the player did not touch comes back as read.
#include "itest.h"

#include "core/text932_win.h"
#include "core/ui.h"

static void CutsBetweenCharacters() {
  wchar_t wide[3];
  WideFrom932("表示A", wide, 2);  // room for one character
  CHECK(wide[0] == 0x8868 && wide[1] == 0);
  WideFrom932("A\x95", wide, 3);  // a lone lead byte at the end is no character
  CHECK(wide[0] == L'A' && wide[1] == 0);
  char text[4];
  TextFromWide(L"表示", text, 4);  // 3 bytes of room: the second character would be cut in half
  CHECK_STR(text, "表");
}

static void UntouchedValueKeepsItsBytes() {
  HWND host = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
  CreateWindowExW(0, L"EDIT", L"", WS_CHILD, 0, 0, 90, 20, host, (HMENU)7, nullptr, nullptr);
  // An unassigned double-byte code: shown as a stand-in character, it comes
  // back changed when read from the control.
  const char stored[] = "ab\x85\x40";
  char text[32];
  SetItemText(host, 7, stored);
  GetItemText(host, 7, text, sizeof text);
  CHECK(strcmp(text, stored) != 0);
  GetStoredItemText(host, 7, stored, text, sizeof text);
  CHECK_STR(text, stored);
  SetItemText(host, 7, "ソ表");  // typed by the player
  GetStoredItemText(host, 7, stored, text, sizeof text);
  CHECK_STR(text, "ソ表");
  DestroyWindow(host);
}

void RunTests() {
  CutsBetweenCharacters();
  UntouchedValueKeepsItsBytes();
}
