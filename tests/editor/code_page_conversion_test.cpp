#include "editor/code_page_conversion.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace std::string_literals;

// "中文" in GBK and in UTF-8.
const std::string kGbkChinese = "\xD6\xD0\xCE\xC4";
const std::string kUtf8Chinese = "\xE4\xB8\xAD\xE6\x96\x87";

TEST(AnsiToUtf8, AppendsTheTerminatorAndOneZeroByte) {
  EXPECT_EQ(AnsiToUtf8(nullptr), "\0"s) << "absent text";
  EXPECT_EQ(AnsiToUtf8(""), "\0\0"s);
  EXPECT_EQ(AnsiToUtf8(std::string()), "\0\0"s);
  EXPECT_EQ(AnsiToUtf8("abc"), "abc\0\0"s);
  EXPECT_EQ(AnsiToUtf8(kGbkChinese), kUtf8Chinese + "\0\0"s);
  EXPECT_EQ(AnsiToUtf8("a\0b"s), "a\0\0"s) << "ends at the first NUL";
}

TEST(Utf8ToAnsi, EndsAtTheFirstZeroByte) {
  EXPECT_EQ(Utf8ToAnsi("abc"), "abc");
  EXPECT_EQ(Utf8ToAnsi("a\0b"s), "a");
  EXPECT_EQ(Utf8ToAnsi(""), "");
  EXPECT_EQ(Utf8ToAnsi(kUtf8Chinese), kGbkChinese);
  EXPECT_EQ(Utf8ToAnsi("\xF0\x9F\x98\x80"), "?") << "no GBK form";
  EXPECT_EQ(Utf8ToAnsi("a\xFFz"), "a?z") << "invalid UTF-8";
}

TEST(CodePageConversion, RoundTripsTextsTheCodePageHolds) {
  for (const std::string text : {"", "int main() { return 0; }\r\n", "信息：★", "\x80"}) {
    EXPECT_EQ(Utf8ToAnsi(AnsiToUtf8(text)), text);
  }
}

}  // namespace
