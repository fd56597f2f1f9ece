#include "core/radio_group.h"

int RadioTabStop(const bool* checked, const bool* enabled, int count) {
  for (int i = 0; i < count; ++i) {
    if (checked[i]) return i;
  }
  for (int i = 0; i < count; ++i) {
    if (enabled[i]) return i;
  }
  return -1;
}
