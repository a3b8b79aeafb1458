#include "linker/build_resource.h"

#include <gtest/gtest.h>

#include <QTimer>
#include <optional>
#include <string>
#include <vector>

#include "platform/dynamic_library.h"

namespace {

// A "compiler" that prints the line the interpreter was given, blanks and all: the shell's own
// argument list, its NULs shown as "|". The comment sign keeps the rest of the line from it.
constexpr char kLineProbe[] = "tr '\\000' '|' </proc/$$/cmdline #";

class BuildResourceTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    library_ = platform::LoadLibraryA(TAVO_DIST_DIR "/liblinker.so");
    ASSERT_NE(library_, nullptr);
    build_ = reinterpret_cast<BuildResourceFunction>(platform::GetProcAddress(library_, "BuildResource"));
    ASSERT_NE(build_, nullptr);
  }
  static void TearDownTestSuite() { platform::FreeLibrary(library_); }

  static std::optional<std::string> Build(const char* sourceArgs, const char* compilerPath, const char* outputPath) {
    const char* result = build_(sourceArgs, compilerPath, outputPath);
    if (!result) return std::nullopt;
    return std::string(result);
  }

  // Runs a shell command as the compiler, the rest of the command line commented out.
  static std::optional<std::string> Run(const std::string& command) {
    return Build("source.c", (command + " #").c_str(), "program");
  }

  // What the child printed: the result without the CR LF in front of it.
  static std::string Printed(const std::optional<std::string>& result) {
    if (!result) return "";
    EXPECT_EQ(result->substr(0, 2), "\r\n");
    return result->substr(2);
  }

  static void ExpectPrinted(const std::optional<std::string>& result, const std::string& text) {
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(*result, "\r\n" + text);
  }

  static platform::HMODULE library_;
  static BuildResourceFunction build_;
};

platform::HMODULE BuildResourceTest::library_ = nullptr;
BuildResourceFunction BuildResourceTest::build_ = nullptr;

TEST_F(BuildResourceTest, NothingPrintedGivesNull) {
  EXPECT_EQ(Run("true"), std::nullopt);
  EXPECT_EQ(Run("exit 1"), std::nullopt);
}

TEST_F(BuildResourceTest, OutputComesBackAfterCrLf) {
  ExpectPrinted(Run("printf x"), "x");
  ExpectPrinted(Run("printf 'ab\\000cd'"), "ab");  // a zero byte ends its read
}

TEST_F(BuildResourceTest, CommandLineKeepsItsBlanksAndQuotesNothing) {
  struct Case {
    const char* sourceArgs;
    const char* outputPath;
    std::string expectedTail;
  };
  const Case cases[] = {
      {"a.c", "a.exe", " a.c  -o   a.exe"},
      {"-c a.c", "a.c.o", " -c a.c  -o   a.c.o"},
      {"my  file.c", "out dir/x", " my  file.c  -o   out dir/x"},
      {"", "", "   -o   "},
      {nullptr, nullptr, "   -o   "},
  };
  for (const Case& c : cases) {
    ExpectPrinted(Build(c.sourceArgs, kLineProbe, c.outputPath),
                   std::string("/bin/sh|-c|") + kLineProbe + c.expectedTail + "|");
  }
}

TEST_F(BuildResourceTest, NullArgumentsCountAsEmpty) {
  const std::string complaint = Printed(Build("", "", ""));
  EXPECT_NE(complaint.find("-o"), std::string::npos) << complaint;  // the line is "   -o   "
  EXPECT_EQ(Printed(Build(nullptr, nullptr, nullptr)), complaint);
}

// Reads end wherever the pipe runs dry, in the middle of a line as often as not: nothing may be
// put between them.
TEST_F(BuildResourceTest, OutputArrivesExactlyAsPrintedWhateverTheReads) {
  const struct {
    const char* command;
    std::string printed;
  } cases[] = {
      {"head -c 5000 /dev/zero | tr '\\000' a", std::string(5000, 'a')},
      {"for i in 1 2 3 4 5 6 7 8; do printf 'a.c:%d:5: error: x' $i; sleep 0.02; printf ' y\\r\\n'; done",
       [] {
         std::string lines;
         for (int i = 1; i <= 8; ++i) lines += "a.c:" + std::to_string(i) + ":5: error: x y\r\n";
         return lines;
       }()},
      {"printf 'undefined '; sleep 0.05; printf 'reference to `f'\\''\\n'", "undefined reference to `f'\n"},
  };
  for (const auto& c : cases) ExpectPrinted(Run(c.command), c.printed);
}

// Slow: it reads 16 MB.
class BuildResourceSlowTest : public BuildResourceTest {};

TEST_F(BuildResourceSlowTest, EndlessOutputIsCutAtTheBoundAndTheCompilerEnded) {
  const std::string printed = Printed(Run("yes 0123456789abcdef; echo after-the-end"));
  // In the system's encoding, as everything the compiler printed.
  const std::string note = reinterpret_cast<const char*>(u8"\nTavo: error: 编译器输出超过 16 MB，已停止编译器。\n");
  ASSERT_GT(printed.size(), 16u * 1024 * 1024);
  EXPECT_LT(printed.size(), 16u * 1024 * 1024 + 1024 + note.size());
  EXPECT_TRUE(printed.ends_with(note));
  EXPECT_EQ(printed.find("after-the-end"), std::string::npos);  // the shell was ended too, not just yes
}

TEST_F(BuildResourceTest, ErrorOutputIsMergedInTheOrderWritten) {
  EXPECT_EQ(Printed(Run("echo one; echo two >&2; echo three")), "one\ntwo\nthree\n");
}

TEST_F(BuildResourceTest, MissingCompilerGivesTheInterpreterComplaint) {
  const std::string printed = Printed(Build("a.c", "/nonexistent/cc", "a.exe"));
  EXPECT_NE(printed.find("/nonexistent/cc"), std::string::npos) << printed;
  EXPECT_NE(printed.find("not found"), std::string::npos) << printed;
}

TEST_F(BuildResourceTest, TimersFireWhileTheCompilerRuns) {
  int ticks = 0;
  QTimer timer;
  QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
  timer.start(20);
  EXPECT_EQ(Printed(Run("sleep 0.4; echo done")), "done\n");
  EXPECT_GE(ticks, 5);
}

TEST_F(BuildResourceTest, ResultStaysValidUntilTheNextCallReturns) {
  const char* first = build_("", "echo first #", "");
  ASSERT_NE(first, nullptr);
  const std::string firstCopy = first;
  std::string seenDuringSecond;
  QTimer::singleShot(50, [&] { seenDuringSecond = first; });
  EXPECT_EQ(Printed(Run("sleep 0.3; echo second")), "second\n");
  EXPECT_EQ(seenDuringSecond, firstCopy);
}

TEST_F(BuildResourceTest, CallDuringABuildIsRefusedAndLeavesItAlone) {
  bool nestedCalled = false;
  const char* nested = "not called";
  QTimer::singleShot(50, [&] {
    nestedCalled = true;
    nested = build_("", "echo nested #", "");
  });
  EXPECT_EQ(Printed(Run("sleep 0.3; echo outer")), "outer\n");
  EXPECT_TRUE(nestedCalled);
  EXPECT_EQ(nested, nullptr);
  EXPECT_EQ(Printed(Run("echo after")), "after\n");  // the library is free again
}

}  // namespace
