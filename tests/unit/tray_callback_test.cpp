// The tray icon's callback in the shell's two forms.
#include "core/tray_callback.h"

#include <gtest/gtest.h>

namespace {

const unsigned kIcon = 121;

TEST(TrayCallback, VersionZeroButtonsOnly) {
  EXPECT_EQ(ReadTrayCallback(0, kIcon, 0x201, kIcon).action, TRAY_SHOW);
  EXPECT_EQ(ReadTrayCallback(0, kIcon, 0x204, kIcon).action, TRAY_MENU_AT_CURSOR);
  EXPECT_EQ(ReadTrayCallback(0, kIcon, 0x200, kIcon).action, TRAY_NOTHING);
  // The dialog manager's question for the default button has the same number.
  EXPECT_EQ(ReadTrayCallback(0, 0, 0, kIcon).action, TRAY_NOT_OURS);
  EXPECT_EQ(ReadTrayCallback(0, 5, 0x201, kIcon).action, TRAY_NOT_OURS);
}

TEST(TrayCallback, VersionFourEventsAndTheirPoint) {
  const unsigned long long id = (unsigned long long)kIcon << 16;
  EXPECT_EQ(ReadTrayCallback(4, 0, id | 0x400, kIcon).action, TRAY_SHOW);
  EXPECT_EQ(ReadTrayCallback(4, 0, id | 0x201, kIcon).action, TRAY_SHOW);
  EXPECT_EQ(ReadTrayCallback(4, 0, id | 0x401, kIcon).action, TRAY_SHOW_FOCUSED);
  // The right button's own messages open nothing: the context menu event follows.
  EXPECT_EQ(ReadTrayCallback(4, 0, id | 0x204, kIcon).action, TRAY_NOTHING);
  TrayEvent menu = ReadTrayCallback(4, (600u << 16) | 0xFFF6u, id | 0x7B, kIcon);
  EXPECT_EQ(menu.action, TRAY_MENU_AT_POINT);
  EXPECT_EQ(menu.x, -10);
  EXPECT_EQ(menu.y, 600);
  // The first form's message is not the icon's any more.
  EXPECT_EQ(ReadTrayCallback(4, kIcon, 0x201, kIcon).action, TRAY_NOT_OURS);
  EXPECT_EQ(ReadTrayCallback(4, 0, 0, kIcon).action, TRAY_NOT_OURS);
}

}  // namespace
