#include "ide/completion_index.h"

#include <gtest/gtest.h>

#include "ide/pinyin_abbreviation.h"

namespace {

struct AbbreviationCase {
  const char* word;
  const char* abbreviation;
};

TEST(MakePinyinAbbreviation, KeepsAsciiAndTakesTheFirstLetterOfEachReading) {
  const AbbreviationCase cases[] = {
      {"printf", "printf"},   {"中文", "zw"},  {"Max长度", "maxcd"}, {"#include", "#include"},
      {"（a）", "a"},         {"行", "x"},     {"重调弹", "ztt"},    {"和安厦", "has"},
      {"茄芥嵌夯拽", "jgkby"}, {"丶呒a", "a"}, {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(MakePinyinAbbreviation(c.word), c.abbreviation) << c.word;
}

TEST(MakePinyinAbbreviation, SkipsCharactersOutsideTheTable) {
  EXPECT_EQ(MakePinyinAbbreviation("\xD7\xFA" "b"), "b");  // unassigned code point
  EXPECT_EQ(MakePinyinAbbreviation("a\xB0"), "a");         // lone lead byte at the end
  EXPECT_EQ(MakePinyinAbbreviation("\x81\x40" "c"), "c");  // GBK outside GB2312
}

TEST(BuildCompletionIndex, ListsEveryElementLastFirst) {
  EXPECT_EQ(BuildCompletionIndex({"int char printf "}),
            "printf★printf\r\nchar★char\r\nint★int\r\n");
  EXPECT_EQ(BuildCompletionIndex({"a  b "}), "b★b\r\n★\r\na★a\r\n");
  EXPECT_EQ(BuildCompletionIndex({" 长度"}), "cd★长度\r\n★\r\n");
  EXPECT_EQ(BuildCompletionIndex({""}), "");
}

TEST(BuildCompletionIndex, SplitsEachListOnItsOwn) {
  EXPECT_EQ(BuildCompletionIndex({"int", "printf ", "", "a b"}), "b★b\r\na★a\r\nprintf★printf\r\nint★int\r\n");
}

TEST(BuildCompletionIndex, DoesNotSplitInsideADoubleByteCharacter) {
  // 0xA1 0x20 is one character, although its trail byte is a blank.
  EXPECT_EQ(BuildCompletionIndex({"\xA1\x20x y"}), "y★y\r\nx★\xA1\x20x\r\n");
}

TEST(ExpandTextPlaceholders, ReplacesQuotesThenLineBreaks) {
  EXPECT_EQ(ExpandTextPlaceholders("printf(#引号%d#换行符#引号)"), "printf(\"%d\r\n\")");
  EXPECT_EQ(ExpandTextPlaceholders("#引#号"), "#引#号");
}

}  // namespace
