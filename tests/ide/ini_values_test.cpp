#include "ide/ini_values.h"

#include <gtest/gtest.h>

namespace {

TEST(DecimalTextValue, ReadsTheLeadingNumber) {
  const std::pair<const char*, int> cases[] = {
      {"", 0},
      {"0", 0},
      {"16777111", 16777111},
      {"  42", 42},
      {"-5", -5},
      {"+7", 7},
      {"12abc", 12},
      {"abc", 0},
      {"99999999999", 2147483647},
      {"-99999999999", -2147483647 - 1},
  };
  for (const auto& [text, value] : cases) EXPECT_EQ(DecimalTextValue(text), value) << text;
}

}  // namespace
