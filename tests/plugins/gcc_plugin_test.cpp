#include <gtest/gtest.h>
#include <stdio.h>

#include <string>

#include "linker/build_resource.h"
#include "platform/ansi_text.h"
#include "platform/code_page.h"
#include "platform/dynamic_library.h"
#include "platform/file_system.h"
#include "platform/shell_quote.h"
#include "tests/support/temp_dir_fixture.h"

namespace {

using platform::FARPROC;

class GccPluginTest : public TempDirTest {
 protected:
  void SetUp() override {
    TempDirTest::SetUp();
    plugin_ = platform::LoadLibraryA(TAVO_DIST_DIR "/Plugin/gcc.so");
    ASSERT_NE(plugin_, nullptr);
    linker_ = platform::LoadLibraryA(TAVO_DIST_DIR "/liblinker.so");
    ASSERT_NE(linker_, nullptr);
  }
  void TearDown() override {
    platform::FreeLibrary(linker_);
    platform::FreeLibrary(plugin_);
    TempDirTest::TearDown();
  }

  FARPROC Export(const char* name) const { return platform::GetProcAddress(plugin_, name); }
  std::string Text(const char* name) const { return reinterpret_cast<const char* (*)()>(Export(name))(); }
  std::string Analysis(const char* output) const {
    return reinterpret_cast<const char* (*)(const char*)>(Export("Analysis"))(output);
  }

  // What the environment hands the plug-in for that source: the bundled compiler run through
  // the real runner, in the code page, with the source's path removed.
  std::string CompilerOutputFor(const std::string& source, const std::string& compiler = TAVO_DIST_DIR "/Compiler/gcc") {
    const std::string path = PathOf("a.c");
    EXPECT_TRUE(platform::WriteWholeFile(path, source));
    const auto buildResource = reinterpret_cast<BuildResourceFunction>(platform::GetProcAddress(linker_, "BuildResource"));
    const char* printed = buildResource(platform::ShellQuoted(path).c_str(), platform::ShellQuoted(compiler).c_str(),
                                        platform::ShellQuoted(PathOf("a.exe")).c_str());
    return platform::AnsiReplaceAll(platform::NativeToAnsi(printed ? printed : ""), path, "");
  }

 private:
  platform::HMODULE plugin_ = nullptr;
  platform::HMODULE linker_ = nullptr;
};

TEST_F(GccPluginTest, TellsWhoItIsWithoutMenuEntries) {
  const std::string info = Text("PluginIn");
  const auto fields = platform::AnsiSplit(info, "/^\\");
  ASSERT_EQ(fields.size(), 6u) << info;
  for (int field = 0; field < 4; ++field) EXPECT_FALSE(fields[field].empty()) << field;
  EXPECT_TRUE(fields[4].empty());
  EXPECT_TRUE(fields[5].empty());
  EXPECT_FALSE(Text("Show").empty());
  EXPECT_EQ(Export("Set"), nullptr);
}

TEST_F(GccPluginTest, GivesOneAnswerLinePerMessage) {
  const struct {
    const char* output;
    const char* answer;
  } cases[] = {
      {": In function 'main':\n:4:3: error: expected ';' before 'return'\n", "error: expected ';' before 'return'^&/4\r\n"},
      {":1:10: fatal error: nothere.h: No such file or directory\ncompilation terminated.\n",
       "fatal error: nothere.h: No such file or directory^&/1\r\n"},
      {":1:20: warning: 'return' with no value\n:1:5: note: declared here\n:2:22: error: expected ';' before '}' token\n",
       "warning: 'return' with no value^&/1\r\nerror: expected ';' before '}' token^&/2\r\n"},
      {":7: warning: no column\r\n:8:1: error: crlf\r\n", "warning: no column^&/7\r\nerror: crlf^&/8\r\n"},
      {"/usr/bin/ld: /usr/lib/x86_64-linux-gnu/Scrt1.o: in function `_start':\n"
       "(.text+0x17): undefined reference to `main'\ncollect2: error: ld returned 1 exit status\n",
       "error: undefined reference to `main'^&/0\r\n"},
      {"/usr/bin/ld: /tmp/ccnMqN6B.o: in function `q':\n3.c:(.text+0x5): undefined reference to `f'\n",
       "error: undefined reference to `f'^&/0\r\n"},
      {"/usr/bin/ld: cannot open output file /x/Debug/temp.exe: No such file or directory\n",
       "error: cannot open output file /x/Debug/temp.exe: No such file or directory^&/0\r\n"},
      {"cc1: fatal error: : No such file or directory\ncompilation terminated.\n",
       "fatal error: No such file or directory^&/0\r\n"},
      {"In file included from :1:\n/tmp/h.h:1:9: error: expected expression before ';' token\n",
       "error: expected expression before ';' token (/tmp/h.h:1)^&/0\r\n"},
      {":3:5: error: 'x' undeclared (first use in this function)\n:3:5: note: each undeclared identifier is reported only once",
       "error: 'x' undeclared (first use in this function)^&/3\r\n"},
      {":6:2: error: #error a ^&/ b\n", "error: #error a ^&/ b^&/6\r\n"},
      {":6:2: error: #error \\U00004e2d\\u6587 \\U0001f600 \\U00zz0000 \\q\n",
       "error: #error 中文 \\U0001f600 \\U00zz0000 \\q^&/6\r\n"},
      {"sh: 1: /x/Compiler/gcc: not found\n", "sh: 1: /x/Compiler/gcc: not found^&/0\r\n"},
      {"\r\n  \nSegmentation fault\nmore\n", "Segmentation fault^&/0\r\n"},
      {" \r\n", ""},
      {"", ""},
      {nullptr, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(Analysis(c.output), c.answer) << (c.output ? c.output : "null");
}

TEST_F(GccPluginTest, ReadsWhatTheBundledCompilerPrintsThroughTheRunner) {
  const std::string longText(2000, 'x');
  const struct {
    std::string source;
    std::string answer;
  } cases[] = {
      {"int main()\n{\n  int a = 1\n  return a;\n}\nint f(void) { return 1 }\n",
       "error: expected ‘,’ or ‘;’ before ‘return’^&/4\r\nerror: expected ‘;’ before ‘}’ token^&/6\r\n"},
      {"int main()\r\n{\r\n  int a = 1\r\n  return a;\r\n}\r\n",
       "error: expected ‘,’ or ‘;’ before ‘return’^&/4\r\n"},
      {"int f(void);\nint g(void) { return f(); }\n",
       "error: undefined reference to `main'^&/0\r\nerror: undefined reference to `f'^&/0\r\n"},
      {"int main(void)\n{\n  return 0；\n}\n",
       "error: invalid suffix \"；\" on integer constant^&/3\r\nerror: expected ‘;’ before ‘}’ token^&/3\r\n"},
      {"int main(void)\n{\n  return 中文;\n}\n",
       "error: ‘中文’ undeclared (first use in this function)^&/3\r\n"},
      {"#error 中文 ^&/ 是\n", "error: #error 中文 ^&/ 是^&/1\r\n"},
      {"#error " + longText + "\n", "error: #error " + longText + "^&/1\r\n"},
  };
  for (const auto& c : cases) {
    const std::string output = CompilerOutputFor(c.source);
    EXPECT_EQ(Analysis(output.c_str()), c.answer) << output;
  }
}

// Sixty messages come through whole and on their lines, however the runner's reads fall.
TEST_F(GccPluginTest, ManyMessagesStayWholeThroughTheRunner) {
  std::string source;
  std::string expected;
  for (int line = 1; line <= 60; ++line) {
    source += "int f" + std::to_string(line) + "(void) { return " + std::to_string(line) + " }\n";
    expected += "error: expected ‘;’ before ‘}’ token^&/" + std::to_string(line) + "\r\n";
  }
  source += "int main(void) { return 0; }\n";
  for (int build = 0; build < 3; ++build) EXPECT_EQ(Analysis(CompilerOutputFor(source).c_str()), expected);
}

TEST_F(GccPluginTest, CompilerThatCannotBeStartedIsARow) {
  const std::string answer = Analysis(CompilerOutputFor("int main(void) { return 0; }\n", "/nonexistent/gcc").c_str());
  EXPECT_EQ(answer, "/bin/sh: 1: /nonexistent/gcc: not found^&/0\r\n");
}

// Slow: it reads 10 MB.
class GccPluginSlowTest : public GccPluginTest {};

TEST_F(GccPluginSlowTest, ReadsTenMegabytesToTheEnd) {
  std::string output;
  while (output.size() < 10 * 1024 * 1024) output += ": In function 'main':\n";
  output += ":9:1: error: last";
  EXPECT_EQ(Analysis(output.c_str()), "error: last^&/9\r\n");
}

}  // namespace
