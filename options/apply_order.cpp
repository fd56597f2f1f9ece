#include "options/apply_order.h"

ApplyRole ApplyRoleOf(int pageIndex, const bool* created, int count) {
  ApplyRole role = {true, true};
  for (int i = 0; i < count; ++i) {
    if (!created[i]) continue;
    if (i < pageIndex) role.begins = false;
    if (i > pageIndex) role.ends = false;
  }
  return role;
}
