#include <gtest/gtest.h>
#include <stdio.h>

#include <string>

#include "platform/ansi_text.h"
#include "platform/dynamic_library.h"
#include "platform/file_system.h"
#include "tests/support/temp_dir_fixture.h"

namespace {

using platform::FARPROC;

class GccPluginTest : public TempDirTest {
 protected:
  void SetUp() override {
    TempDirTest::SetUp();
    plugin_ = platform::LoadLibraryA(TAVO_DIST_DIR "/Plugin/gcc.so");
    ASSERT_NE(plugin_, nullptr);
  }
  void TearDown() override {
    platform::FreeLibrary(plugin_);
    TempDirTest::TearDown();
  }

  FARPROC Export(const char* name) const { return platform::GetProcAddress(plugin_, name); }
  std::string Text(const char* name) const { return reinterpret_cast<const char* (*)()>(Export(name))(); }
  std::string Analysis(const char* output) const {
    return reinterpret_cast<const char* (*)(const char*)>(Export("Analysis"))(output);
  }

  // What the bundled compiler prints for that source, with the source's path removed.
  std::string CompilerOutputFor(const std::string& source) {
    const std::string path = PathOf("a.c");
    EXPECT_TRUE(platform::WriteWholeFile(path, source));
    const std::string command = TAVO_DIST_DIR "/Compiler/gcc " + path + "  -o   " + PathOf("a.exe") + " 2>&1";
    FILE* compiler = popen(command.c_str(), "r");
    std::string output;
    char buffer[4096];
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, compiler)) > 0;) output.append(buffer, n);
    pclose(compiler);
    return platform::AnsiReplaceAll(output, path, "");
  }

 private:
  platform::HMODULE plugin_ = nullptr;
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
      {"", ""},
      {nullptr, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(Analysis(c.output), c.answer) << (c.output ? c.output : "null");
}

TEST_F(GccPluginTest, ReadsWhatTheBundledCompilerPrints) {
  const std::string output = CompilerOutputFor("int main()\n{\n  int a = 1\n  return a;\n}\nint f(void) { return 1 }\n");
  EXPECT_EQ(Analysis(output.c_str()),
            "error: expected ',' or ';' before 'return'^&/4\r\nerror: expected ';' before '}' token^&/6\r\n")
      << output;
  const std::string linkOutput = CompilerOutputFor("int f(void);\nint g(void) { return f(); }\n");
  EXPECT_EQ(Analysis(linkOutput.c_str()),
            "error: undefined reference to `main'^&/0\r\nerror: undefined reference to `f'^&/0\r\n")
      << linkOutput;
}

TEST_F(GccPluginTest, ReadsTenMegabytesToTheEnd) {
  std::string output;
  while (output.size() < 10 * 1024 * 1024) output += ": In function 'main':\n";
  output += ":9:1: error: last";
  EXPECT_EQ(Analysis(output.c_str()), "error: last^&/9\r\n");
}

}  // namespace
