#include "ide/command_line.h"

#include <gtest/gtest.h>

namespace {

using Arguments = std::vector<std::string>;

TEST(SplitCommandLine, SeparatesAtBlanksAndControlCharactersAndKeepsQuotedBlanks) {
  const std::pair<const char*, Arguments> cases[] = {
      {"", {}},
      {" \t\r\n", {}},
      {"a.c", {"a.c"}},
      {"  a.c\tb.c\r\nc.c ", {"a.c", "b.c", "c.c"}},
      {"\"my file.c\" second.c", {"my file.c", "second.c"}},
      {"\"D:\\代码 1\\中文.c\"", {"D:\\代码 1\\中文.c"}},
      {"\"no end quote", {"no end quote"}},
      {"\"\" x", {"", "x"}},
      {"a\"b c\"", {"a\"b", "c\""}},  // only a leading quote starts a quoted argument
      {"\"a b\"c", {"a b", "c"}},
  };
  for (const auto& [text, arguments] : cases) EXPECT_EQ(SplitCommandLine(text), arguments) << text;
}

TEST(CommandLineFromArguments, QuotesWhatWouldSplitSoTheSplitGivesTheArgumentsBack) {
  const Arguments cases[] = {{}, {"a.c"}, {"my file.c", "b.c"}, {"中文 名.c"}, {"tab\there"}};
  for (const Arguments& arguments : cases) {
    EXPECT_EQ(SplitCommandLine(CommandLineFromArguments(arguments)), arguments);
  }
  EXPECT_EQ(CommandLineFromArguments({"my file.c", "b.c"}), "\"my file.c\" b.c");
  EXPECT_EQ(CommandLineFromArguments({"\"quoted already\""}), "\"quoted already\"");
}

}  // namespace
