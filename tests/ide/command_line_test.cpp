#include "ide/command_line.h"

#include <gtest/gtest.h>

#include "framework/dialog_seam.h"

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

// The system hands over UTF-8; what GBK lacks (ß, or bytes that are no UTF-8) is never turned
// into another name.
TEST(ArgumentsInCodePage, AnArgumentTheCodePageCannotHoldIsLeftOutAndNamed) {
  std::vector<framework::DialogRequest> requests;
  framework::SetDialogAnswerer([&](const framework::DialogRequest& request) {
    requests.push_back(request);
    return framework::DialogReply{};
  });
  const std::string sharpS = "stra\xC3\x9F" "e.c";
  const std::string notUtf8 = "bad\xFF.c";
  EXPECT_EQ(ArgumentsInCodePage({sharpS, "\xE4\xB8\xAD.c", notUtf8, "a.c"}), (Arguments{"中.c", "a.c"}));
  framework::SetDialogAnswerer(nullptr);
  ASSERT_EQ(requests.size(), 2u);
  EXPECT_EQ(requests[0].nativePath, sharpS);
  EXPECT_EQ(requests[1].nativePath, notUtf8);
  EXPECT_EQ(requests[0].text, "路径中有系统编码无法表示的字符，不能打开或保存这个文件：");
}

}  // namespace
