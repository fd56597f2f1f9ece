// Which radio of a group keeps the tab stop.
#include "core/radio_group.h"

#include <gtest/gtest.h>

namespace {

TEST(RadioTabStop, TheCheckedOneElseTheFirstEnabled) {
  const bool all[3] = {true, true, true};
  const bool third[3] = {false, false, true};
  EXPECT_EQ(RadioTabStop(third, all, 3), 2);
  // A checked radio that is disabled keeps it: no other one may take it, or
  // Tab would choose that one.
  const bool firstOff[3] = {false, true, true};
  const bool second[3] = {false, true, false};
  EXPECT_EQ(RadioTabStop(second, firstOff, 3), 1);
  const bool none[3] = {false, false, false};
  EXPECT_EQ(RadioTabStop(none, firstOff, 3), 1);
  EXPECT_EQ(RadioTabStop(none, none, 3), -1);
}

}  // namespace
