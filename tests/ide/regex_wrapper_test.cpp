#include "ide/regex_wrapper.h"

#include <gtest/gtest.h>

namespace {

// The completion index of two words whose abbreviations begin with "ab", and one more.
constexpr const char* kIndex = "abc★abc\r\nxyz★xyz\r\nabd★阿布德\r\n";

struct ExecuteCase {
  const char* name;
  const char* pattern;
  bool ignoreCase;
  bool global;
  const char* text;
  int count;
  // Of match 1; absent texts are "".
  const char* value;
  int firstIndex;
  int length;
  const char* group1;
};

TEST(RegexWrapper, ExecuteFindsMatchesAsTheCompletionListNeedsThem) {
  const ExecuteCase cases[] = {
      {"completion pattern", "\\bab.*★(.*)\\s", true, true, kIndex, 2, "abc★abc\r\n", 0, 9, "abc\r"},
      {"case folded", "\\bAB.*★(.*)\\s", true, true, kIndex, 2, "abc★abc\r\n", 0, 9, "abc\r"},
      {"case kept", "\\bAB.*★(.*)\\s", false, true, kIndex, 0, "", 0, 0, ""},
      {"first match only", "\\bab.*★(.*)\\s", true, false, kIndex, 1, "abc★abc\r\n", 0, 9, "abc\r"},
      {"UTF-16 positions", "阿(布)", false, true, kIndex, 1, "阿布", 22, 2, "布"},
      {"word boundary is ASCII", "\\bx", false, true, "中x ax", 1, "x", 1, 1, ""},
      {"dot stops at LF only", "a.b", false, true, "a\rb a\nb", 1, "a\rb", 0, 3, ""},
      {"greedy", "a.*b", false, true, "ab ab", 1, "ab ab", 0, 5, ""},
      {"every non-overlapping match", "aa", false, true, "aaaaa", 2, "aa", 0, 2, ""},
      {"no group", "b", false, true, "abc", 1, "b", 1, 1, ""},
      {"invalid pattern", "[", true, true, kIndex, 0, "", -1, -1, ""},
      {"metacharacters", "\\^$.|?*+()[]{}", true, true, kIndex, 0, "", -1, -1, ""},
  };
  for (const ExecuteCase& c : cases) {
    RegexWrapper regex;
    ASSERT_TRUE(regex.RegexCreate(c.pattern, c.ignoreCase, false, c.global)) << c.name;
    EXPECT_EQ(regex.RegexGetPattern(), c.pattern) << c.name;
    EXPECT_EQ(regex.RegexExecute(c.text), c.count) << c.name;
    EXPECT_EQ(regex.RegexMatchValue(1), c.value) << c.name;
    EXPECT_EQ(regex.RegexMatchFirstIndex(1), c.firstIndex) << c.name;
    EXPECT_EQ(regex.RegexMatchLength(1), c.length) << c.name;
    EXPECT_EQ(regex.RegexSubMatch(1, 1), c.group1) << c.name;
    EXPECT_EQ(regex.RegexTest(c.text), c.count > 0) << c.name;
  }
}

TEST(RegexWrapper, AbsentReferencesAndMissingItemsGiveDifferentResults) {
  RegexWrapper regex;
  EXPECT_EQ(regex.RegexExecute("abc"), 0);
  EXPECT_FALSE(regex.RegexTest("abc"));
  EXPECT_EQ(regex.RegexGetPattern(), "");
  EXPECT_EQ(regex.RegexMatchValue(1), "");
  EXPECT_EQ(regex.RegexSubMatch(1, 1), "");
  EXPECT_EQ(regex.RegexMatchFirstIndex(1), -1);
  EXPECT_EQ(regex.RegexMatchLength(1), -1);

  ASSERT_TRUE(regex.RegexCreate("(b)"));
  EXPECT_EQ(regex.RegexMatchFirstIndex(1), -1);  // created, never run
  ASSERT_EQ(regex.RegexExecute("abc"), 1);
  for (int i : {0, 2}) {
    EXPECT_EQ(regex.RegexMatchValue(i), "") << i;
    EXPECT_EQ(regex.RegexMatchFirstIndex(i), 0) << i;
    EXPECT_EQ(regex.RegexMatchLength(i), 0) << i;
  }
  EXPECT_EQ(regex.RegexSubMatch(1, 2), "");
  EXPECT_EQ(regex.RegexSubMatch(1, 0), "");

  regex.RegexRelease();
  EXPECT_EQ(regex.RegexMatchLength(1), -1);
}

TEST(RegexWrapper, ANewExpressionKeepsTheOldMatchesUntilTheNextRun) {
  RegexWrapper regex;
  regex.RegexCreate("b");
  regex.RegexExecute("abc");
  regex.RegexCreate("c");
  EXPECT_EQ(regex.RegexMatchValue(1), "b");
  regex.RegexExecute("abc");
  EXPECT_EQ(regex.RegexMatchValue(1), "c");
}

TEST(RegexWrapper, ACopySharesTheExpressionAndMatches) {
  RegexWrapper regex;
  regex.RegexCreate("b+");
  regex.RegexExecute("abbc");
  RegexWrapper copy = regex.RegexCopy();
  regex.RegexDestroy();
  EXPECT_EQ(copy.RegexGetPattern(), "b+");
  EXPECT_EQ(copy.RegexMatchValue(1), "bb");
  EXPECT_EQ(regex.RegexMatchValue(1), "");
}

}  // namespace
