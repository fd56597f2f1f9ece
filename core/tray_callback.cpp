#include "core/tray_callback.h"

enum : unsigned {
  MOUSE_LBUTTONDOWN = 0x201,
  MOUSE_RBUTTONDOWN = 0x204,
  CONTEXT_MENU = 0x7B,   // WM_CONTEXTMENU: right click, Shift+F10 or the menu key
  SELECT = 0x400,        // NIN_SELECT: a click
  KEY_SELECT = 0x401,    // NIN_KEYSELECT: Enter or Space
};

TrayEvent ReadTrayCallback(int version, unsigned long long wParam, unsigned long long lParam, unsigned iconId) {
  TrayEvent e = {TRAY_NOT_OURS, 0, 0};
  unsigned w = (unsigned)wParam, l = (unsigned)lParam;
  if (version < 4) {
    if (w != iconId) return e;
    e.action = l == MOUSE_LBUTTONDOWN ? TRAY_SHOW : l == MOUSE_RBUTTONDOWN ? TRAY_MENU_AT_CURSOR : TRAY_NOTHING;
    return e;
  }
  if ((l >> 16) != iconId) return e;
  // The mouse messages still come, ahead of the events: the window shows on
  // the button's press as before, and the menu waits for its own event.
  switch (l & 0xFFFFu) {
    case MOUSE_LBUTTONDOWN:
    case SELECT:
      e.action = TRAY_SHOW;
      break;
    case KEY_SELECT:
      e.action = TRAY_SHOW_FOCUSED;
      break;
    case CONTEXT_MENU:
      e.action = TRAY_MENU_AT_POINT;
      e.x = (short)(w & 0xFFFFu);  // signed: a screen left of or above the main one
      e.y = (short)(w >> 16);
      break;
    default:
      e.action = TRAY_NOTHING;
  }
  return e;
}
