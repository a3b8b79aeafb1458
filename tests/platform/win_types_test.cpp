#include "platform/win_types.h"

#include <gtest/gtest.h>

namespace {

TEST(WinTypes, MouseCoordinatesKeepTheirSign) {
  const platform::LPARAM packed = platform::MAKELPARAM(-5, 300);
  EXPECT_EQ(platform::GET_X_LPARAM(packed), -5);
  EXPECT_EQ(platform::GET_Y_LPARAM(packed), 300);
  EXPECT_EQ(platform::LOWORD(packed), 0xFFFB);
}

}  // namespace
