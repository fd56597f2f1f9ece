#include "core/platform.h"

bool IsWin9xVersion(unsigned long platformId, unsigned long major, unsigned long minor) {
  return platformId == 1 && major <= 4 && minor <= 90;
}
