// Compile and run, compile only, link and run through the real liblinker.so and the bundled
// compiler wrapper (the system's gcc), with a console that needs no display and an analysis
// plug-in that records what it is given and answers what the test says.
#include <sys/stat.h>
#include <unistd.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QTimer>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include <gtest/gtest-spi.h>

#include "commands_fixture.h"
#include "document_fixture.h"
#include "framework/list_view.h"
#include "ide/build_run.h"
#include "ide/config_ini.h"
#include "ide/documents.h"
#include "ide/output_panel.h"
#include "ide/editing_commands.h"
#include "platform/code_page.h"
#include "platform/ini_file.h"
#include "platform/process.h"
#include "tests/support/child_watchdog.h"
#include "tests/support/path_override.h"

namespace {

std::string Utf8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

const std::string kPrompt = Utf8(u8"请按任意键继续. . .");
constexpr char kScanfProgram[] =
    "#include <stdio.h>\r\nint main(void) {\r\n  int n = 0;\r\n  scanf(\"%d\", &n);\r\n"
    "  printf(\"twice: %d\\n\", n * 2);\r\n  return 0;\r\n}\r\n";
constexpr char kAnalysisPlugin[] = "recording_analysis.so";

class BuildRunTest : public DocumentTest {
 protected:
  void SetUp() override {
    DocumentTest::SetUp();
    for (const char* folder : {"Debug", "Compiler", "program/Plugin"}) {
      ASSERT_EQ(mkdir(PathOf(folder).c_str(), 0755), 0) << folder;
    }
    ASSERT_EQ(symlink(TAVO_DIST_DIR "/liblinker.so", ProgramPath("liblinker.so").c_str()), 0);
    ASSERT_EQ(symlink(TAVO_DIST_DIR "/Compiler/gcc", PathOf("Compiler/gcc").c_str()), 0);
    ASSERT_EQ(symlink(TAVO_SAMPLE_PLUGINS "/recording_analysis.so", ProgramPath("Plugin/recording_analysis.so").c_str()),
              0);
    SetConfig(kCompilerSection, kCompilerKey, "/Compiler/gcc");
    SetConfig(kOutputSection, kAnalysisPluginKey, kAnalysisPlugin);
    WriteBaseFile("console-input", "k");
  }

  void SetConfig(const char* section, const char* key, const std::string& value) {
    platform::WritePrivateProfileStringA(section, key, value, PathOf("config.ini"));
  }

  // A compiler of the test's own: a /bin/sh script body, called as COMPILER SOURCE -o OUTPUT.
  void UseCompilerScript(const std::string& body) {
    WriteBaseFile("Compiler/script", "#!/bin/sh\n" + body);
    ASSERT_EQ(chmod(PathOf("Compiler/script").c_str(), 0755), 0);
    SetConfig(kCompilerSection, kCompilerKey, "/Compiler/script");
  }

  std::string BaseFileText(const std::string& name) const {
    return platform::ReadWholeFile(PathOf(name)).value_or("[missing]");
  }

  static framework::ListView* OutputList() { return MainWindow->Find<framework::ListView>(kOutputList); }

  static std::vector<std::vector<std::string>> Rows() {
    std::vector<std::vector<std::string>> rows;
    for (int row = 0; row < OutputList()->RowCount(); ++row) {
      rows.push_back({OutputList()->Cell(row, 1), OutputList()->Cell(row, 2), OutputList()->Cell(row, 3)});
    }
    return rows;
  }

  static std::set<int> MarkedLines() {
    std::set<int> lines;
    for (int line = Editor->MarkerNext(0, kBookmarkMask); line >= 0; line = Editor->MarkerNext(line + 1, kBookmarkMask)) {
      lines.insert(line);
    }
    return lines;
  }

  void UseTheBundledPlugin() {
    ASSERT_EQ(symlink(TAVO_DIST_DIR "/Plugin/gcc.so", ProgramPath("Plugin/gcc.so").c_str()), 0);
    SetConfig(kOutputSection, kAnalysisPluginKey, "gcc.so");
  }

  std::vector<std::string> MessageTexts() const {
    std::vector<std::string> texts;
    for (const framework::DialogRequest& request : dialogs_) texts.push_back(request.text);
    return texts;
  }

  PathOverride consoleOnPath_;
  // A build that never ends fails its test within a minute, not at CTest's timeout.
  ChildWatchdog watchdog_{std::chrono::seconds(60)};
};

TEST_F(BuildRunTest, CompileAndRunRunsTheEditorsProgramInTheConsoleWithItsKeyboard) {
  WriteBaseFile("console-input", "21\nk");
  bool consoleSeenWithButtonDisabled = false;
  RunProgram([&] {
    Editor->SetText(kScanfProgram);
    QTimer sampler;
    QObject::connect(&sampler, &QTimer::timeout, [&] {
      if (platform::PathExists(PathOf("console-arguments")) && MainToolbar()->IsButtonDisabled(kDebugButton)) {
        consoleSeenWithButtonDisabled = true;
      }
    });
    sampler.start(5);
    CompileAndRun();
    EXPECT_FALSE(MainToolbar()->IsButtonDisabled(kDebugButton));
    ASSERT_EQ(Rows(), (std::vector<std::vector<std::string>>{{"成功", "", ""}}));
    EXPECT_TRUE(std::regex_match(OutputList()->Cell(0, 0), std::regex("(0|[1-9][0-9]?)(:(0|[1-9][0-9]?)){2}")))
        << OutputList()->Cell(0, 0);
  });
  EXPECT_EQ(BaseFileText("console-output"), "twice: 42\n\x1B]2;" + Utf8(u8"Tavo调试") + "\x07" + kPrompt + "\n");
  EXPECT_NE(BaseFileText("console-arguments").find("-T\n" + Utf8(u8"Tavo调试") + "\n"), std::string::npos);
  EXPECT_TRUE(consoleSeenWithButtonDisabled);
  // The editor's text went to one of the numbered sources; its last line had its line end.
  int sources = 0;
  for (int n = 1; n <= 10; ++n) {
    if (const auto text = platform::ReadWholeFile(PathOf("Debug/" + std::to_string(n) + ".c"))) {
      EXPECT_EQ(*text, kScanfProgram);
      ++sources;
    }
  }
  EXPECT_EQ(sources, 1);
}

// The recording plug-in answers nothing, so the last row is the run's own.
TEST_F(BuildRunTest, CompileAndRunRunsOnlyAProgramItMadeWhenTheCompilerPrintedNothingOrOnlyMissedANewline) {
  using Row = std::vector<std::string>;
  const Row ran = {"成功", "", ""};
  const Row warned = {"", "", "程序没有运行：编译器给出了警告，请先改正"};
  const Row noProgram = {"", "", "程序没有运行：编译器没有生成程序"};
  struct Case {
    const char* printed;
    bool makesProgram;
    Row lastRow;
  };
  const std::vector<Case> cases = {
      {"", true, ran},
      {"x.c:3:1: warning: no newline at end of file\nx.c:1:1: error: boom\n", true, ran},
      {"x.c:1:1: error: boom\n", false, {}},
      {"x.c:1:1: warning: unused\n", true, warned},  // a program was made: only warnings
      {" ", true, warned},  // the runner puts a line end before what it read
      // The program the earlier cases left in Debug/ is not this build's: it never runs.
      {"x.c:3:1: warning: no newline at end of file\nx.c:1:1: error: boom\n", false, noProgram},
      {"", false, noProgram},
  };
  RunProgram([&] {
    for (const Case& c : cases) {
      platform::DeleteFile(PathOf("console-output"));
      OutputList()->Clear();
      UseCompilerScript(std::string("printf '%s' '") + c.printed + "'\n" +
                        (c.makesProgram ? "printf '#!/bin/sh\\necho ran\\n' >\"$3\"\nchmod +x \"$3\"\n" : ""));
      CompileAndRun();
      EXPECT_EQ(BaseFileText("console-output") == "ran\n\x1B]2;" + Utf8(u8"Tavo调试") + "\x07" + kPrompt + "\n",
                c.lastRow == ran)
          << c.printed;
      EXPECT_EQ(Rows().empty() ? Row{} : Rows().back(), c.lastRow) << c.printed;
    }
  });
}

// No console program to start, or the real one with no display to show on.
class FailedConsoleTest : public BuildRunTest, public ::testing::WithParamInterface<bool> {};

TEST_P(FailedConsoleTest, TheRunIsReportedAsFailedNotAsASuccess) {
  const bool consoleFound = GetParam();
  UseCompilerScript(": >\"$3\"\n");  // shell built-ins only: PATH may hold nothing
  const std::string display = getenv("DISPLAY") ? getenv("DISPLAY") : "";
  unsetenv("DISPLAY");
  const std::string systemPath = std::string(getenv("PATH")).substr(std::string(kTestConsoleFolder).size() + 1);
  const PathOverride path(consoleFound ? systemPath : Dir());
  RunProgram([&] {
    CompileAndRun();
    EXPECT_EQ(Rows(), std::vector<std::vector<std::string>>{});
    EXPECT_FALSE(MainToolbar()->IsButtonDisabled(kDebugButton));
  });
  if (!display.empty()) setenv("DISPLAY", display.c_str(), 1);
  ASSERT_EQ(dialogs_.size(), 1u);
  EXPECT_NE(dialogs_[0].text.find(consoleFound ? "xterm的退出状态为1" : "“xterm”"), std::string::npos) << dialogs_[0].text;
}

INSTANTIATE_TEST_SUITE_P(Consoles, FailedConsoleTest, ::testing::Bool());

// Slow: it waits for a compiler that sleeps.
class BuildRunSlowTest : public BuildRunTest {};

TEST_F(BuildRunSlowTest, BuildCommandsGivenWhileABuildWaitsForItsCompilerDoNothing) {
  UseCompilerScript("echo run >>compiler-runs\nsleep 1\necho 'x.c:1:1: error: boom'\n");
  RunProgram([&] {
    bool triedMeanwhile = false;
    QTimer::singleShot(200, [&] {
      CompileAndRun();
      CompileOnly();
      LinkProgram();
      triedMeanwhile = true;
    });
    CompileAndRun();
    EXPECT_TRUE(triedMeanwhile);
  });
  EXPECT_EQ(BaseFileText("compiler-runs"), "run\n");
  EXPECT_FALSE(platform::PathExists(PathOf("console-arguments")));
}

// Whether a process still runs (a zombie no longer does).
bool Runs(pid_t pid) {
  const std::string state = platform::ReadWholeFile("/proc/" + std::to_string(pid) + "/stat").value_or("");
  return !state.empty() && state.find(") Z ") == std::string::npos;
}

TEST_F(BuildRunSlowTest, ACompilerThatNeverEndsFailsTheTestAtTheBoundAndIsEnded) {
  UseCompilerScript("sleep 1000 &\necho $! >sleeper\nwait\n");
  RunProgram([&] {
    Editor->SetText(kScanfProgram);
    EXPECT_NONFATAL_FAILURE_ON_ALL_THREADS(
        {
          const ChildWatchdog watchdog(std::chrono::seconds(1));
          CompileAndRun();
        },
        "after 1 s: the watchdog ended every compiler and console");
    EXPECT_EQ(Rows().back(), (std::vector<std::string>{"", "", "程序没有运行：编译器没有生成程序"}));
  });
  EXPECT_FALSE(Runs(std::stoi(BaseFileText("sleeper"))));
}

// The document is saved, so the window goes at once; the unsaved case asks first and ends the
// process, which the test on a real display covers.
TEST_F(BuildRunTest, ClosingWhileACompilerNeverEndsEndsItAndTouchesNoWindowAfterwards) {
  UseCompilerScript("sleep 1000 &\necho $! >sleeper\nwait\n");
  RunProgram([&] {
    Editor->SetText(kScanfProgram);
    IsSaved = 1;
    QTimer::singleShot(300, [] { MainWindow->Close(); });
    CompileAndRun();
    EXPECT_EQ(MainWindow, nullptr);
  });
  EXPECT_TRUE(dialogs_.empty());
  EXPECT_TRUE(endCodes_.empty());
  const pid_t sleeper = std::stoi(BaseFileText("sleeper"));
  for (int turn = 0; turn < 50 && Runs(sleeper); ++turn) usleep(20000);
  EXPECT_FALSE(Runs(sleeper));
  EXPECT_FALSE(platform::PathExists(PathOf("console-arguments")));
}

// The real end stops the process inside 退出; the test's end sees whether the compiler is ending
// by then, and ends it and takes the window away itself, for the build to return to.
TEST_F(BuildRunTest, ExitFromTheMenuWhileACompilerNeverEndsEndsIt) {
  UseCompilerScript("sleep 1000 &\necho $! >sleeper\nwait\n");
  bool compilerEnded = false;
  framework::SetProcessEnder([&](int code) {
    endCodes_.push_back(code);
    const pid_t sleeper = std::stoi(BaseFileText("sleeper"));
    for (int turn = 0; turn < 50 && Runs(sleeper); ++turn) usleep(20000);
    compilerEnded = !Runs(sleeper);
    platform::TerminateRunningChildren();
    MainWindow->Destroy();
  });
  RunProgram([&] {
    Editor->SetText(kScanfProgram);
    IsSaved = 1;
    QTimer::singleShot(300, [] { ChooseFromMenuBar(0, 5); });
    CompileAndRun();
  });
  EXPECT_EQ(endCodes_, std::vector<int>{0});
  EXPECT_TRUE(compilerEnded);
  EXPECT_FALSE(platform::PathExists(PathOf("console-arguments")));
}

// The library file is missing, or it lacks the export (the analysis plug-in stands in for it).
class MissingLinkerTest : public BuildRunTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(MissingLinkerTest, EndsTheProgramWithTheFatalBoxAtTheFirstBuild) {
  ASSERT_EQ(unlink(ProgramPath("liblinker.so").c_str()), 0);
  ASSERT_EQ(symlink(GetParam(), ProgramPath("liblinker.so").c_str()), 0);
  RunProgram([&] { CompileOnly(); });
  ASSERT_FALSE(dialogs_.empty());
  EXPECT_EQ(dialogs_[0].text, "运行时出错!\n无法找到指定DLL库文件“liblinker.so”中的输出命令“BuildResource”");
  EXPECT_EQ(endCodes_.front(), framework::kFatalStopExitCode);
}

INSTANTIATE_TEST_SUITE_P(Libraries, MissingLinkerTest,
                         ::testing::Values("missing.so", TAVO_SAMPLE_PLUGINS "/recording_analysis.so"));

// The numbered source cannot be made: no Debug/ folder, or every numbered name taken by a folder.
class UnwritableSourceTest : public BuildRunTest, public ::testing::WithParamInterface<bool> {};

TEST_P(UnwritableSourceTest, StopsTheBuildWithAMessageAndRunsNoEarlierProgram) {
  const bool debugFolderMissing = GetParam();
  if (debugFolderMissing) {
    ASSERT_EQ(rmdir(PathOf("Debug").c_str()), 0);
  } else {
    for (int n = 1; n <= 10; ++n) ASSERT_EQ(mkdir(PathOf("Debug/" + std::to_string(n) + ".c").c_str(), 0755), 0);
    WriteBaseFile("Debug/temp.exe", "#!/bin/sh\necho STALE PROGRAM\n");
    ASSERT_EQ(chmod(PathOf("Debug/temp.exe").c_str(), 0755), 0);
  }
  UseCompilerScript("echo run >>compiler-runs\n");
  RunProgram([&] {
    Editor->SetText(kScanfProgram);
    CompileAndRun();
    CompileOnly();
    EXPECT_EQ(OutputList()->RowCount(), 0);
    EXPECT_FALSE(MainToolbar()->IsButtonDisabled(kDebugButton));
  });
  ASSERT_EQ(dialogs_.size(), 2u);
  EXPECT_TRUE(dialogs_[0].text.starts_with("无法写入临时源文件“" + PathOf("Debug/"))) << dialogs_[0].text;
  EXPECT_FALSE(platform::PathExists(PathOf("compiler-runs")));
  EXPECT_FALSE(platform::PathExists(PathOf("console-arguments")));
  EXPECT_EQ(platform::PathExists(PathOf("Debug")), !debugFolderMissing);
}

INSTANTIATE_TEST_SUITE_P(Folders, UnwritableSourceTest, ::testing::Bool());

TEST_F(BuildRunTest, TheNumberedSourceReplacesALinkInDebugAndLeavesItsTargetAlone) {
  WriteBaseFile("outside.c", "keep me");
  for (int n = 1; n <= 10; ++n) {
    ASSERT_EQ(symlink(PathOf("outside.c").c_str(), PathOf("Debug/" + std::to_string(n) + ".c").c_str()), 0);
  }
  RunProgram([&] {
    Editor->SetText(kScanfProgram);
    CompileAndRun();
    EXPECT_EQ(platform::ReadWholeFile(LastBuiltSource), kScanfProgram);
  });
  EXPECT_EQ(BaseFileText("outside.c"), "keep me");
  EXPECT_NE(BaseFileText("console-output").find("twice: "), std::string::npos);
}

// As a save writes the text: CR LF only where the last line has no line break, so the
// compiler's lines match the editor's.
TEST_F(BuildRunTest, TheNumberedSourceEndsTheLastLineOnce) {
  UseCompilerScript("cp \"$1\" compiled-source\n");
  const std::pair<const char*, const char*> texts[] = {
      {"int x;\n", "int x;\n"}, {"int x;\r", "int x;\r"}, {"int x;\r\n", "int x;\r\n"}, {"int x;", "int x;\r\n"}};
  RunProgram([&] {
    for (const auto& [text, compiled] : texts) {
      Editor->SetText(text);
      CompileAndRun();
      EXPECT_EQ(BaseFileText("compiled-source"), compiled);
    }
  });
}

// Saved files in folders whose names a shell would split or run.
class SavedFileBuildTest : public BuildRunTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(SavedFileBuildTest, CompileOnlyThenLinkThenRunWorkOnTheSavedFile) {
  const std::string folder = PathOf(GetParam());
  ASSERT_EQ(mkdir(platform::AnsiToNative(folder).c_str(), 0755), 0);
  const std::string source = folder + "/a.c";
  ASSERT_TRUE(platform::WriteWholeFile(source, "#include <stdio.h>\r\nint main(void) { puts(\"linked\"); return 0; }\r\n"));
  const auto lastDetails = [] { return OutputList()->Cell(OutputList()->RowCount() - 1, 3); };
  RunProgram([&] {
    LoadFileAsDocument(source);
    CompileOnly();
    EXPECT_TRUE(platform::PathExists(source + ".o"));
    EXPECT_EQ(lastDetails(), "编译完成");
    LinkProgram();
    EXPECT_TRUE(platform::PathExists(source + ".o.exe"));
    EXPECT_EQ(lastDetails(), "连接完成");
    RunLinkedProgram();
  });
  EXPECT_EQ(BaseFileText("console-output"),
            "linked\n\x1B]2;" + Utf8(u8"Tavo编译连接模式(编译-》连接)") + "\x07" + kPrompt + "\n");
  EXPECT_FALSE(platform::PathExists(PathOf("pwned")));
}

INSTANTIATE_TEST_SUITE_P(Folders, SavedFileBuildTest,
                         ::testing::Values("my 程序", "a;b $(touch pwned) `touch pwned` 'q' & c"));

// F5 and 编译... on unsaved text ask first, as a save does: the compiler would get "?" in place of
// each character the code page lacks. Cancel compiles nothing and writes nothing to Debug/.
TEST_F(BuildRunTest, BuildingCharactersTheCodePageLacksAsksFirst) {
  UseCompilerScript("echo run >>compiler-runs\n");
  const std::string warning =
      "第 2 行有系统编码无法表示的字符 U+D55C，编译时它和其他这样的字符都将变成“?”。\r\n仍要编译吗？";
  const std::pair<const char*, std::function<void()>> commands[] = {
      {"F5", [] { PressKey(Qt::Key_F5); }},
      {"编译...", [] { ChooseFromMenuBar(2, 1); }},
  };
  for (const auto& [what, command] : commands) {
    for (const int answer : {framework::IDCANCEL, framework::IDOK}) {
      SCOPED_TRACE(std::string(what) + (answer == framework::IDOK ? ", OK" : ", Cancel"));
      dialogs_.clear();
      for (const std::string& name : platform::FindFiles(PathOf("Debug/*"))) platform::DeleteFile(PathOf("Debug/" + name));
      platform::DeleteFile(PathOf("compiler-runs"));
      RunProgram([&] {
        Editor->SetText("int main(void) {\r\n");
        Editor->GotoPos(Editor->GetLength());
        QGuiApplication::clipboard()->setText(QString::fromUtf8(u8"  puts(\"K:한 E:😀\");\r\n}\r\n"));
        Editor->Paste();
        IsSaved = 0;
        AnswerButton(answer);
        command();
        EXPECT_FALSE(MainToolbar()->IsButtonDisabled(kDebugButton));
      });
      ASSERT_FALSE(dialogs_.empty());
      EXPECT_EQ(dialogs_[0].text, warning);
      EXPECT_EQ(dialogs_[0].style, framework::MB_OKCANCEL | framework::MB_ICONWARNING);
      const std::vector<std::string> written = platform::FindFiles(PathOf("Debug/*"));
      if (answer == framework::IDCANCEL) {
        EXPECT_EQ(written, std::vector<std::string>{});
        EXPECT_FALSE(platform::PathExists(PathOf("compiler-runs")));
        EXPECT_EQ(dialogs_.size(), 1u);
      } else {
        ASSERT_EQ(written.size(), 1u);
        EXPECT_NE(BaseFileText("Debug/" + written[0]).find("K:? E:?"), std::string::npos);
        EXPECT_EQ(BaseFileText("compiler-runs"), "run\n");
      }
    }
  }
}

// The menu's 编译..., 连接 and 执行 on a saved file, through gcc and its plug-in. Each case starts
// the program afresh on a file of its own; a step that names a source saves it first.
TEST_F(BuildRunTest, CompileLinkAndRunRowsSayWhatEachStepCameTo) {
  UseTheBundledPlugin();
  const std::string one = "#include <stdio.h>\r\nint main(void) { puts(\"one\"); return 0; }\r\n";
  const std::string two = "#include <stdio.h>\r\nint main(void) { puts(\"two\"); return 0; }\r\n";
  const std::string compileError = "int main(void) { return y; }\r\n";
  const std::string linkError = "int missing(void);\r\nint main(void) { return missing(); }\r\n";
  const auto compile = [] { ChooseFromMenuBar(2, 1); };
  const auto link = [] { ChooseFromMenuBar(2, 2); };
  const auto run = [] { ChooseFromMenuBar(2, 3); };
  struct Step {
    std::string source;  // saved before the step; empty: the file stays
    std::function<void()> command;
    std::string lastRow;  // its details
    std::string ran;      // what the console showed; empty: no console
  };
  struct Case {
    const char* what;
    std::vector<Step> steps;
  };
  const Case cases[] = {
      {"errors in the compile",
       {{compileError, compile, "编译失败，请先改正错误", ""},
        {"", link, "没有连接：请先编译成功", ""},
        {"", run, "程序没有运行：请先连接", ""}}},
      {"run before any link", {{"", run, "程序没有运行：请先连接", ""}, {one, compile, "编译完成", ""},
                               {"", run, "程序没有运行：请先连接", ""}}},
      {"link twice links the same object",
       {{one, compile, "编译完成", ""},
        {"", link, "连接完成", ""},
        {"", link, "连接完成", ""},
        {"", run, "连接完成", "one"}}},
      {"a failed link leaves the earlier program unrun",
       {{one, compile, "编译完成", ""},
        {"", link, "连接完成", ""},
        {linkError, compile, "编译完成", ""},
        {"", link, "连接失败", ""},
        {"", run, "程序没有运行：连接失败", ""}}},
      {"an object gcc could not rebuild is not linked",
       {{one, compile, "编译完成", ""},
        {compileError, compile, "编译失败，请先改正错误", ""},
        {"", link, "没有连接：请先编译成功", ""}}},
      {"a compile since the link asks for a new link",
       {{one, compile, "编译完成", ""},
        {"", link, "连接完成", ""},
        {two, compile, "编译完成", ""},
        {"", run, "程序没有运行：请先连接", ""},
        {"", link, "连接完成", ""},
        {"", run, "连接完成", "two"}}},
  };
  for (std::size_t n = 0; n < std::size(cases); ++n) {
    const std::string source = PathOf("case" + std::to_string(n) + ".c");
    RunProgram([&] {
      for (std::size_t i = 0; i < cases[n].steps.size(); ++i) {
        const Step& step = cases[n].steps[i];
        SCOPED_TRACE(std::string(cases[n].what) + ", step " + std::to_string(i + 1));
        platform::DeleteFile(PathOf("console-output"));
        if (!step.source.empty()) {
          ASSERT_TRUE(platform::WriteWholeFile(source, step.source));
          LoadFileAsDocument(source);
        }
        step.command();
        ASSERT_FALSE(Rows().empty());
        EXPECT_EQ(Rows().back(), (std::vector<std::string>{"", "", step.lastRow}));
        const std::optional<std::string> console = platform::ReadWholeFile(PathOf("console-output"));
        EXPECT_EQ(console.has_value(), !step.ran.empty());
        if (console) {
          EXPECT_TRUE(console->starts_with(step.ran + "\n")) << *console;
        }
      }
    });
  }
  EXPECT_TRUE(dialogs_.empty());
}

// The answers of the analysis plug-in.
TEST_F(BuildRunTest, AnswerLinesBecomeErrorRowsAndMarksOnTheLinesTheyName) {
  WriteBaseFile("analysis-answer",
                "expected ';'^&/12\r\n"
                "a line without separator\r\n"
                "full-width^&/\xA3\xB3\r\n"  // "３"
                "\r\n"
                "no number^&/abc\r\n"
                "#error a^&/b^&/7\r\n"  // the line number is the last field
                "sh: 1: gcc: not found^&/0\r\n");
  RunProgram([&] {
    Editor->SetText(std::string(20, '\n'));
    Editor->MarkerAdd(5, kBookmarkMarker);  // a bookmark goes with the old marks
    OutputList()->AddRow({"old"});
    AnalyseBuildOutput("\r\nx.c:12:1: error: expected ';'");
    EXPECT_EQ(Rows(), (std::vector<std::vector<std::string>>{
                          {"错误", "12", "expected ';'"},
                          {"错误", "\xA3\xB3", "full-width"},
                          {"错误", "abc", "no number"},
                          {"错误", "7", "#error a^&/b"},
                          {"错误", "0", "sh: 1: gcc: not found"}}));
    EXPECT_EQ(MarkedLines(), (std::set<int>{11, 2, 6}));
    // The click goes to the line the mark is on.
    const std::vector<std::pair<int, int>> clicks = {{0, 11}, {1, 2}, {2, 0}, {-1, 0}};
    for (const auto& [row, line] : clicks) {
      Editor->GotoLine(7);
      OutputList()->SelectRow(row);
      OnMainWindowOutputListClick();
      EXPECT_EQ(Editor->GetCurrentLine(), line) << "row " << row;
    }
  });
}

TEST_F(BuildRunTest, RightClickCopiesTheCurrentRowsMessage) {
  RunProgram([&] {
    OutputList()->AddRow({"9:5:7", "错误", "3", "error: boom"});
    for (const auto& [row, copied] : std::vector<std::pair<int, std::string>>{{0, "error: boom"}, {-1, ""}}) {
      OutputList()->SelectRow(row);
      OnMainWindowOutputListRightClick();
      EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), copied);
    }
  });
  EXPECT_EQ(MessageTexts(), (std::vector<std::string>{"错误信息成功复制", "错误信息成功复制"}));
  EXPECT_EQ(dialogs_[0].style, 0u);
}

TEST_F(BuildRunTest, ThePluginGetsGccsMessagesWithoutTheSourcePath) {
  RunProgram([&] {
    Editor->SetText("int main(void) {\r\n  int x = 1\r\n  return y;\r\n}\r\n");
    CompileAndRun();
    const std::string given = BaseFileText("analysis-input");
    EXPECT_NE(given.find(":3:"), std::string::npos) << given;
    EXPECT_EQ(given.find(LastBuiltSource), std::string::npos) << given;
    EXPECT_EQ(given.find("/Debug/"), std::string::npos) << given;
  });
  EXPECT_FALSE(platform::PathExists(PathOf("console-arguments")));
}

TEST_F(BuildRunTest, TheBundledPluginPutsGccsErrorsOnTheLinesGccNames) {
  UseTheBundledPlugin();
  RunProgram([&] {
    Editor->SetText("int main(void) {\r\n  int x = 1\r\n  return 0;\r\n  undeclared = 2;\r\n}\r\n");
    CompileAndRun();
    ASSERT_EQ(OutputList()->RowCount(), 2);
    EXPECT_EQ(OutputList()->Cell(0, 2), "3");
    EXPECT_EQ(OutputList()->Cell(1, 2), "4");
    EXPECT_EQ(MarkedLines(), (std::set<int>{2, 3}));
    OutputList()->SelectRow(1);
    OnMainWindowOutputListClick();
    EXPECT_EQ(Editor->GetCurrentLine(), 3);
  });
  EXPECT_FALSE(platform::PathExists(PathOf("console-arguments")));
}

// A compiler that cannot be started: its wrapper finds no gcc, the configured path names
// nothing, or no path is configured (the base folder itself is started).
class UnstartableCompilerTest : public BuildRunTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(UnstartableCompilerTest, TheShellsComplaintIsARowOnNoLine) {
  UseTheBundledPlugin();
  SetConfig(kCompilerSection, kCompilerKey, GetParam());
  const PathOverride noGcc(kTestConsoleFolder);
  RunProgram([&] {
    Editor->SetText(kScanfProgram);
    CompileAndRun();
    ASSERT_GE(OutputList()->RowCount(), 1);
    for (const std::vector<std::string>& row : Rows()) {
      EXPECT_EQ(row[0], "错误");
      EXPECT_EQ(row[1], "0");
      EXPECT_FALSE(row[2].empty());
    }
    EXPECT_EQ(MarkedLines(), std::set<int>{});
  });
  EXPECT_FALSE(platform::PathExists(PathOf("console-arguments")));
}

INSTANTIATE_TEST_SUITE_P(Compilers, UnstartableCompilerTest, ::testing::Values("/Compiler/gcc", "/Compiler/missing", ""));

TEST_F(BuildRunTest, WithoutABoundPluginTheRowsStayTheMarksGoAndMessagesNameThePlugin) {
  SetConfig(kOutputSection, kAnalysisPluginKey, "missing.so");
  const std::vector<std::pair<std::string, bool>> outputs = {{"\r\nerror", true}, {"", false}, {"\r\n \r\n", false}};
  RunProgram([&] {
    for (const auto& [output, told] : outputs) {
      dialogs_.clear();
      Editor->SetText(std::string(5, '\n'));
      Editor->MarkerAdd(2, kBookmarkMarker);
      OutputList()->Clear();
      OutputList()->AddRow({"old"});
      AnalyseBuildOutput(output);
      EXPECT_EQ(OutputList()->RowCount(), 1);
      EXPECT_EQ(MarkedLines(), std::set<int>{});
      ASSERT_EQ(dialogs_.size(), told ? 1u : 0u) << output;
      if (told) {
        EXPECT_EQ(dialogs_[0].text, "无法载入分析编译器输出的插件“" + ProgramPath("Plugin/missing.so") +
                                        "”，编译器的消息无法显示。\r\n原因：cannot open shared object file: No such file or "
                                        "directory\r\n请检查config.ini中[输出]调试处理插件的设置和Plugin文件夹。");
        EXPECT_EQ(dialogs_[0].style, framework::MB_ICONERROR);
      }
    }
  });
}

// The box gives the loader's reason for each way the configured plug-in can fail.
TEST_F(BuildRunTest, TheMissingAnalysisBoxSaysWhyThePluginCouldNotBeBound) {
  WriteProgramFile("Plugin/text.so", "not a shared object\n");
  ASSERT_EQ(symlink(TAVO_SAMPLE_PLUGINS "/default.so", ProgramPath("Plugin/other.so").c_str()), 0);
  ASSERT_EQ(symlink(TAVO_SAMPLE_PLUGINS "/needs_library.so", ProgramPath("Plugin/needs_library.so").c_str()), 0);
  const std::pair<const char*, const char*> plugins[] = {
      {"text.so", "file too short"},
      {"other.so", "undefined symbol: Analysis"},
      {"needs_library.so", "libtavo_needed.so: cannot open shared object file"},
      {"", "cannot read file data: Is a directory"},  // none configured: the folder itself
  };
  RunProgram([&] {
    for (const auto& [plugin, reason] : plugins) {
      dialogs_.clear();
      SetConfig(kOutputSection, kAnalysisPluginKey, plugin);
      AnalyseBuildOutput("\r\nerror");
      ASSERT_EQ(dialogs_.size(), 1u) << plugin;
      EXPECT_NE(dialogs_[0].text.find(std::string("\r\n原因：") + reason), std::string::npos) << dialogs_[0].text;
    }
  });
}

}  // namespace
