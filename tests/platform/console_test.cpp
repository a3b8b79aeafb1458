// The console window's interpreter, its start, and the wait that keeps the program's windows
// alive but deaf while it runs.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "platform/console_script.h"
#include "platform/message_pump.h"
#include "platform/process.h"
#include "platform/window.h"
#include "tests/support/path_override.h"
#include "tests/support/recording_subclass.h"
#include "tests/support/temp_dir_fixture.h"

namespace {

using namespace platform;

std::string Utf8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

std::string ReadFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

const std::string kPrompt = Utf8(u8"请按任意键继续. . .");

class ConsoleTest : public TempDirTest {
 protected:
  void SetUp() override {
    TempDirTest::SetUp();
    savedDir_.reset(getcwd(nullptr, 0));
  }
  void TearDown() override {
    ASSERT_EQ(chdir(savedDir_.get()), 0);
    TempDirTest::TearDown();
  }

  // Runs the console's script for the commands with the input on its standard input and
  // returns what it wrote to its output and error.
  std::string RunScript(const std::string& commands, const std::string& input) {
    std::ofstream(PathOf("script.sh"), std::ios::binary) << ConsoleScript(commands);
    std::ofstream(PathOf("input"), std::ios::binary) << input;
    const std::string command = "cd " + Dir() + " && /bin/sh script.sh <input >output 2>&1";
    EXPECT_EQ(std::system(command.c_str()), 0);
    return ReadFile(PathOf("output"));
  }

  // Starts the line and waits for it as the environment does; false when it did not start.
  bool RunConsoleLine(std::string line) {
    STARTUPINFOA startup;
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info;
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, 0, 0, nullptr, nullptr, &startup, &info)) return false;
    WaitForProcessEndWithoutInput(info.hProcess);
    CloseHandle(info.hProcess);
    CloseHandle(info.hThread);
    return true;
  }

 private:
  std::unique_ptr<char, decltype(&free)> savedDir_{nullptr, &free};
};

TEST_F(ConsoleTest, InterpreterRunsTheCommandsAsTheConsoleWould) {
  const std::string title = "\x1B]2;T\x07";
  struct Case {
    const char* commands;
    const char* input;
    std::string output;
  };
  const std::vector<Case> cases = {
      // The program reads the keyboard; PAUSE then takes one key and ends the line.
      {"read n; echo got $n &Title T & PAUSE & EXIT", "21\nk", "got 21\n" + title + kPrompt + "\n"},
      // An '&' inside quotes belongs to the word; the words of the interpreter ignore case.
      {"printf '%s\\n' 'a&b' & title T & pause & exit", "k", "a&b\n" + title + kPrompt + "\n"},
      // PAUSE takes exactly one key: the next command reads the rest.
      {"PAUSE & cat & EXIT", "kxy", kPrompt + "\nxy"},
      // Output stays before the prompt whatever the program's end.
      {"sh -c 'echo out; exit 3' & PAUSE & EXIT", "k", "out\n" + kPrompt + "\n"},
      {"EXIT & echo never", "", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(RunScript(c.commands, c.input), c.output) << c.commands;
}

TEST_F(ConsoleTest, ProgramKilledBySignalIsReportedBeforeThePrompt) {
  const std::string output = RunScript("sh -c 'kill -SEGV $$' & PAUSE & EXIT", "k");
  EXPECT_NE(output.find("Segmentation fault"), std::string::npos) << output;
  EXPECT_TRUE(output.ends_with(kPrompt + "\n")) << output;
}

TEST_F(ConsoleTest, WithoutExitTheConsoleKeepsAShell) {
  const std::string output = RunScript("echo one", "echo two\n");
  EXPECT_TRUE(output.starts_with("one\n")) << output;
  EXPECT_NE(output.find("two\n"), std::string::npos) << output;
}

TEST_F(ConsoleTest, ConsoleLineRunsInTheConsoleProgramWithItsTitleInUtf8) {
  const PathOverride path;
  ASSERT_EQ(chdir(Dir().c_str()), 0);  // the test console keeps its files in the working directory
  std::ofstream(PathOf("console-input")) << "k";
  // The line is in the code page: "Tavo调试".
  ASSERT_TRUE(RunConsoleLine(std::string(kConsolePrefix) + "echo ran &Title Tavo\xB5\xF7\xCA\xD4 & PAUSE & EXIT"));
  const std::string arguments = ReadFile(PathOf("console-arguments"));
  EXPECT_NE(arguments.find("\n-T\n" + Utf8(u8"Tavo调试") + "\n-e\n/bin/sh\n-c\n"), std::string::npos) << arguments;
  EXPECT_EQ(ReadFile(PathOf("console-output")), "ran\n\x1B]2;" + Utf8(u8"Tavo调试") + "\x07" + kPrompt + "\n");
}

TEST_F(ConsoleTest, ConsoleLineFailsWhenTheConsoleProgramIsMissing) {
  const PathOverride path(Dir());
  EXPECT_FALSE(RunConsoleLine(std::string(kConsolePrefix) + "echo ran & PAUSE & EXIT"));
}

class PaintRecorder final : public QWidget {
 public:
  int paints = 0;
  int keys = 0;

 protected:
  void paintEvent(QPaintEvent*) override { ++paints; }
  void keyPressEvent(QKeyEvent*) override { ++keys; }
};

TEST(WaitWithoutInput, WindowsRepaintButTakeNoInputAndPostedMessagesWait) {
  PaintRecorder widget;
  widget.resize(50, 50);
  widget.show();
  QCoreApplication::processEvents();
  const HWND window = WindowFromWidget(&widget);
  constexpr UINT kPosted = WM_USER + 9;
  test::RecordingSubclass recorder(window);
  int paintsBefore = 0;
  QTimer::singleShot(50, [&] {
    paintsBefore = widget.paints;
    QCoreApplication::postEvent(&widget, new QKeyEvent(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a"));
    PostMessageA(window, kPosted, 0, 0);
    widget.update();
  });
  STARTUPINFOA startup;
  startup.cb = sizeof(startup);
  std::string line = std::string(kInterpreterPrefix) + "sleep 0.5";
  PROCESS_INFORMATION info;
  ASSERT_TRUE(CreateProcessA(nullptr, line.data(), nullptr, nullptr, 0, 0, nullptr, nullptr, &startup, &info));
  WaitForProcessEndWithoutInput(info.hProcess);
  DWORD code = STILL_ACTIVE;
  EXPECT_TRUE(GetExitCodeProcess(info.hProcess, &code));
  EXPECT_EQ(code, 0u);
  EXPECT_GT(widget.paints, paintsBefore);
  EXPECT_EQ(widget.keys, 0);
  EXPECT_TRUE(recorder.Received(kPosted).empty());
  QCoreApplication::sendPostedEvents();
  EXPECT_EQ(recorder.Received(kPosted).size(), 1u);
  CloseHandle(info.hProcess);
  CloseHandle(info.hThread);
}

}  // namespace
