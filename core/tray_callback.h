// The notification-area icon's callback message, in the two forms the shell
// sends. Version 0: wParam is the icon id, lParam the mouse message, and a
// key on the icon arrives as a right click, so the menu opens at the mouse
// pointer. Version 4 (set where the shell supports it): the low word of
// lParam is the event, its high word the icon id, and wParam the point the
// event refers to (the icon for a key, x in the low and y in the high word),
// with events of their own for a selection by mouse or key and for the
// context menu.
#pragma once

enum TrayAction {
  TRAY_NOT_OURS,      // not the icon's message: another that shares the number
  TRAY_NOTHING,       // the icon's, but nothing to do
  TRAY_SHOW,          // the window comes back (a click)
  TRAY_SHOW_FOCUSED,  // the window comes back with the keyboard focus (a key)
  TRAY_MENU_AT_CURSOR,
  TRAY_MENU_AT_POINT,
};

struct TrayEvent {
  TrayAction action;
  int x, y;  // TRAY_MENU_AT_POINT: screen coordinates
};

// The callback's arguments, low 32 bits each.
TrayEvent ReadTrayCallback(int version, unsigned long long wParam, unsigned long long lParam, unsigned iconId);
