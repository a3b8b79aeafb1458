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

// What the system hands over is split already: blanks and quotes are part of the name.
TEST(CommandLineArguments, ArgumentsFromTheSystemStayWhole) {
  const std::pair<Arguments, Arguments> cases[] = {
      {{}, {}},
      {{"a.c"}, {"a.c"}},
      {{"/home/x/my \"notes\".c", "b.c"}, {"/home/x/my \"notes\".c", "b.c"}},
      {{"\"a b\""}, {"\"a b\""}},
      {{"\xE4\xB8\xAD \"x\" .c"}, {"中 \"x\" .c"}},
      {{"tab\there \""}, {"tab\there \""}},
  };
  for (const auto& [native, arguments] : cases) {
    SetCommandLineArguments(ArgumentsInCodePage(native));
    EXPECT_EQ(CommandLineArguments(), arguments);
  }
  SetCommandLineText("\"my file.c\" b.c");
  EXPECT_EQ(CommandLineArguments(), (Arguments{"my file.c", "b.c"}));
  SetCommandLineText("");
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
