#include "platform/code_page.h"

#include <gtest/gtest.h>

#include <QString>
#include <string>
#include <tuple>

namespace {

using namespace std::string_literals;

using platform::CP_ACP;
using platform::CP_GBK;
using platform::CP_UTF8;

// "中文" in GBK and as UTF-16.
const std::string kGbkChinese = "\xD6\xD0\xCE\xC4";
const std::u16string kWideChinese = u"\u4E2D\u6587";

std::u16string ToWide(platform::UINT codePage, const std::string& bytes, int length) {
  const int needed =
      platform::MultiByteToWideChar(codePage, 0, bytes.c_str(), length, nullptr, 0);
  std::u16string wide(static_cast<std::size_t>(needed), u'\0');
  const int written =
      platform::MultiByteToWideChar(codePage, 0, bytes.c_str(), length, wide.data(), needed);
  EXPECT_EQ(written, needed);
  return wide;
}

std::string ToBytes(platform::UINT codePage, const std::u16string& wide, int length) {
  const int needed =
      platform::WideCharToMultiByte(codePage, 0, wide.c_str(), length, nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(needed), '\0');
  const int written = platform::WideCharToMultiByte(codePage, 0, wide.c_str(), length,
                                                    bytes.data(), needed, nullptr, nullptr);
  EXPECT_EQ(written, needed);
  return bytes;
}

struct DecodeCase {
  const char* name;
  platform::UINT codePage;
  std::string bytes;
  int length;
  std::u16string expected;
};

TEST(MultiByteToWideChar, ConvertsAndReplacesInvalidInput) {
  const DecodeCase cases[] = {
      {"gbk, terminator counted", CP_ACP, kGbkChinese, -1, kWideChinese + u'\0'},
      {"936 is the ANSI page", CP_GBK, kGbkChinese, -1, kWideChinese + u'\0'},
      {"counted length, no terminator", CP_ACP, kGbkChinese, 4, kWideChinese},
      {"counted length keeps zero bytes", CP_ACP, std::string("a\0b", 3), 3,
       std::u16string(u"a\0b", 3)},
      {"utf-8", CP_UTF8, "\xE4\xB8\xAD\xE6\x96\x87", -1, kWideChinese + u'\0'},
      {"gbk lead byte before the terminator", CP_ACP, "a\x81", -1, std::u16string(u"a\uFFFD\0", 3)},
      {"gbk lead byte at the end of a counted text", CP_ACP, "a\x81", 2, u"a\uFFFD"},
      {"gbk 0x80 is the euro sign", CP_ACP, "\x80", 1, u"\u20AC"},
      {"utf-8 stray continuation byte", CP_UTF8, "a\x80z", 3, u"a\uFFFDz"},
      {"utf-8 truncated sequence", CP_UTF8, "a\xE4\xB8", 3, u"a\uFFFD"},
      {"utf-8 encoded surrogate", CP_UTF8, "\xED\xA0\x80", 3, u"\uFFFD\uFFFD\uFFFD"},
      {"gbk and ASCII in turn", CP_ACP, "a\xD6\xD0" "b\xCE\xC4" "c", 7, u"a\u4E2Db\u6587c"},
      {"gbk trail byte below 0x80", CP_ACP, "\x81\x40@", 3, u"\u4E02@"},
      {"gbk invalid byte before ASCII", CP_ACP, "\xFF" "ab", 3, u"\uFFFDab"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ToWide(c.codePage, c.bytes, c.length), c.expected) << c.name;
  }
}

struct EncodeCase {
  const char* name;
  platform::UINT codePage;
  std::u16string wide;
  int length;
  std::string expected;
};

TEST(WideCharToMultiByte, ConvertsAndReplacesWhatTheTargetCannotHold) {
  const EncodeCase cases[] = {
      {"gbk, terminator counted", CP_ACP, kWideChinese, -1, kGbkChinese + '\0'},
      {"counted length", CP_GBK, kWideChinese, 2, kGbkChinese},
      {"utf-8", CP_UTF8, kWideChinese, 2, "\xE4\xB8\xAD\xE6\x96\x87"},
      {"utf-8 astral character", CP_UTF8, u"\U0001F600", 2, "\xF0\x9F\x98\x80"},
      {"gbk cannot hold an astral character", CP_ACP, u"a\U0001F600b", 4, "a?b"},
      {"gbk cannot hold Thai", CP_ACP, u"\u0E01", 1, "?"},
      {"gbk lone low surrogate", CP_ACP, std::u16string(u"a\xDC00z", 3), 3, "a?z"},
      {"gbk lone high surrogate at the end", CP_ACP, std::u16string(u"a\xD800", 2), 2, "a?"},
      {"utf-8 lone surrogate", CP_UTF8, std::u16string(u"a\xD800z", 3), 3, "a\xEF\xBF\xBDz"},
      {"gbk and ASCII in turn", CP_ACP, u"a\u4E2Db\u6587c", 5, "a\xD6\xD0" "b\xCE\xC4" "c"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ToBytes(c.codePage, c.wide, c.length), c.expected) << c.name;
  }
}

TEST(CodePageCalls, FollowTheWindowsBufferRules) {
  char16_t wide[8] = {};
  EXPECT_EQ(platform::MultiByteToWideChar(CP_ACP, 0, "abc", -1, nullptr, 0), 4);
  EXPECT_EQ(platform::MultiByteToWideChar(CP_ACP, 0, "abc", -1, wide, 3), 0) << "too small";
  EXPECT_EQ(platform::MultiByteToWideChar(CP_ACP, 0, "abc", -1, wide, 4), 4) << "exact fit";
  EXPECT_EQ(std::u16string(wide), u"abc");
  EXPECT_EQ(platform::MultiByteToWideChar(CP_ACP, 0, nullptr, -1, nullptr, 0), 0) << "null text";
  EXPECT_EQ(platform::MultiByteToWideChar(CP_ACP, 0, "abc", 0, nullptr, 0), 0) << "length 0";
  EXPECT_EQ(platform::MultiByteToWideChar(CP_ACP, 0, "abc", -2, nullptr, 0), 0);
  EXPECT_EQ(platform::MultiByteToWideChar(CP_ACP, 0, "abc", -1, nullptr, 4), 0) << "no buffer";
  EXPECT_EQ(platform::MultiByteToWideChar(1252, 0, "abc", -1, nullptr, 0), 0) << "unknown page";

  char bytes[8] = {};
  EXPECT_EQ(platform::WideCharToMultiByte(CP_ACP, 0, u"\u4E2D", -1, nullptr, 0, nullptr, nullptr), 3);
  EXPECT_EQ(platform::WideCharToMultiByte(CP_ACP, 0, u"\u4E2D", -1, bytes, 2, nullptr, nullptr), 0);
  EXPECT_EQ(platform::WideCharToMultiByte(CP_ACP, 0, nullptr, -1, nullptr, 0, nullptr, nullptr), 0);
  EXPECT_EQ(platform::WideCharToMultiByte(CP_ACP, 0, u"a", 0, nullptr, 0, nullptr, nullptr), 0);
}

TEST(WideCharToMultiByte, ReportsAndUsesTheDefaultCharacter) {
  char bytes[8] = {};
  platform::BOOL usedDefault = -1;
  EXPECT_EQ(platform::WideCharToMultiByte(CP_ACP, 0, u"a\u0E01", 2, bytes, 8, "#", &usedDefault), 2);
  EXPECT_EQ(std::string(bytes, 2), "a#");
  EXPECT_TRUE(usedDefault);
  EXPECT_EQ(platform::WideCharToMultiByte(CP_ACP, 0, u"ab", 2, bytes, 8, nullptr, &usedDefault), 2);
  EXPECT_FALSE(usedDefault);
  // UTF-8 has no default character: asking for one fails as on Windows.
  EXPECT_EQ(platform::WideCharToMultiByte(CP_UTF8, 0, u"ab", 2, bytes, 8, nullptr, &usedDefault), 0);
}

TEST(AnsiQString, ConvertsBothWays) {
  const QString chinese = QString::fromUtf16(kWideChinese.data(), 2);
  EXPECT_EQ(platform::AnsiToQString(kGbkChinese), chinese);
  EXPECT_EQ(platform::QStringToAnsi(chinese), kGbkChinese);
  EXPECT_EQ(platform::AnsiToQString("信息："), QString::fromUtf16(u"信息："));  // GBK literal
  EXPECT_TRUE(platform::AnsiToQString("").isEmpty());
  EXPECT_EQ(platform::QStringToAnsi(QString()), "");
  EXPECT_EQ(platform::AnsiToQString(std::string("a\0b", 3)).size(), 3) << "zero bytes kept";
  EXPECT_EQ(platform::QStringToAnsi(QString::fromUtf16(u"x\u0E01")), "x?");
}

// Offsets count UTF-8 bytes, so the editor's position of the character follows from them.
TEST(FirstCharacterCodePageLacks, NamesTheFirstCharacterAndItsOffset) {
  const std::tuple<std::string, std::size_t, char32_t> lacking[] = {
      {"\xC2\xA0", 0, 0xA0},
      {"a\xE4\xB8\xAD\xE2\x9C\x93\xC2\xA0", 4, 0x2713},  // after a Chinese character
      {"x\xF0\x9F\x98\x80", 1, 0x1F600},
      {"ab\xFF", 2, 0xFFFD},  // no UTF-8
      {"ab\xE4\xB8", 2, 0xFFFD},  // cut inside a character
  };
  for (const auto& [utf8, offset, codePoint] : lacking) {
    const auto found = platform::FirstCharacterCodePageLacks(utf8);
    ASSERT_TRUE(found.has_value()) << utf8;
    EXPECT_EQ(found->offset, offset) << utf8;
    EXPECT_EQ(found->codePoint, codePoint) << utf8;
  }
  for (const std::string& utf8 : {""s, "int a;\r\n"s, "\xE4\xB8\xAD\xE6\x96\x87"s, "a\0b"s}) {
    EXPECT_FALSE(platform::FirstCharacterCodePageLacks(utf8).has_value()) << utf8;
  }
}

}  // namespace
