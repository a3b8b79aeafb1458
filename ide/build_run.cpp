#include "ide/build_run.h"

#include <chrono>
#include <ctime>
#include <random>
#include <string_view>
#include <vector>

#include "framework/list_view.h"
#include "framework/message_box.h"
#include "framework/program_end.h"
#include "framework/toolbar.h"
#include "ide/app_globals.h"
#include "ide/config_ini.h"
#include "ide/editing_commands.h"
#include "ide/ini_values.h"
#include "ide/main_window.h"
#include "ide/main_window_definition.h"
#include "ide/plugins.h"
#include "ide/program_dir.h"
#include "linker/build_resource.h"
#include "platform/ansi_text.h"
#include "platform/clipboard.h"
#include "platform/code_page.h"
#include "platform/console_script.h"
#include "platform/dynamic_library.h"
#include "platform/file_system.h"
#include "platform/ini_file.h"
#include "platform/message_pump.h"
#include "platform/process.h"
#include "platform/shell_quote.h"
#include "platform/window.h"

namespace {

constexpr char kLinkerLibrary[] = "liblinker.so";
constexpr char kBuildResourceExport[] = "BuildResource";
constexpr char kAnalysisExport[] = "Analysis";

// Columns and row images of the output list.
constexpr int kLineColumn = 2;
constexpr int kDetailsColumn = 3;
constexpr int kErrorImage = 0;
constexpr int kBuildStepImage = 1;
constexpr int kRunImage = 2;

constexpr std::string_view kAnswerLineSeparator = "\r\n";
constexpr std::string_view kAnswerFieldSeparator = "^&/";
constexpr std::string_view kMissingNewlineWarning = "no newline at end of file";
constexpr std::string_view kFullWidthBlank = "\xA1\xA1";
// Full-width digits are A3 B0 to A3 B9.
constexpr char kFullWidthDigitLead = '\xA3';
constexpr unsigned char kFullWidthZeroTrail = 0xB0;

bool IsFullWidthDigitTrail(char byte) {
  const auto value = static_cast<unsigned char>(byte);
  return value >= kFullWidthZeroTrail && value < kFullWidthZeroTrail + 10;
}

using AnalysisFunction = const char* (*)(const char* output);

// Set while a build waits in BuildResource: the wait dispatches messages, so F5 and the
// compile and link commands can arrive meanwhile, and the runner would answer them with
// "no output", which would run whatever Debug/temp.exe still holds.
bool buildWaiting = false;

// Loaded at the first build and kept until the program ends; missing, it ends the program.
BuildResourceFunction BoundBuildResource() {
  static BuildResourceFunction bound = nullptr;
  if (bound != nullptr) return bound;
  if (platform::HMODULE library = platform::LoadLibraryA((ProgramDir() + "/" + kLinkerLibrary).c_str())) {
    bound = reinterpret_cast<BuildResourceFunction>(platform::GetProcAddress(library, kBuildResourceExport));
  }
  if (bound == nullptr) {
    framework::FatalStop(std::string("无法找到指定DLL库文件“") + kLinkerLibrary + "”中的输出命令“" + kBuildResourceExport +
                         "”");
  }
  return bound;
}

int RandomWholeNumber(int from, int to) {
  std::minstd_rand generator(static_cast<unsigned>(
      std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch()).count()));
  return std::uniform_int_distribution<int>(from, to)(generator);
}

std::string ReadConfig(const char* section, const char* key) {
  return platform::GetPrivateProfileStringA(section, key, "", ConfigIniPath());
}

framework::ListView* OutputList() { return MainWindow->Find<framework::ListView>(kOutputList); }

void SetDebugButtonDisabled(bool disabled) {
  MainWindow->Find<framework::Toolbar>(kMainToolbar)->SetButtonDisabled(kDebugButton, disabled);
}

// The number a line field begins with; full-width digits and blanks count as their ASCII forms.
int LineNumberValue(std::string_view field) {
  std::string ascii;
  for (const std::string_view character : platform::AnsiCharacters(field)) {
    if (character == kFullWidthBlank) {
      ascii += ' ';
    } else if (character.size() == 2 && character[0] == kFullWidthDigitLead && IsFullWidthDigitTrail(character[1])) {
      ascii += static_cast<char>('0' + (static_cast<unsigned char>(character[1]) - kFullWidthZeroTrail));
    } else {
      ascii += character;
    }
  }
  return DecimalTextValue(ascii);
}

// The component line of a row's line number, counted as the line-number margin shows lines
// (from 1); below 0 for a number below 1.
int EditorLineOf(int lineNumber) { return lineNumber > 0 ? lineNumber - 1 : -1; }

void AddErrorRow(std::string_view message, std::string_view lineNumber) {
  OutputList()->AddRow({TimeStampText(), "错误", std::string(lineNumber), std::string(message)}, kErrorImage);
  const int line = EditorLineOf(LineNumberValue(lineNumber));
  if (line >= 0) Editor->MarkerAdd(line, kBookmarkMarker);
}

// Ran cleanly: the compiler printed nothing but blanks, line ends and tabs, or only warned that
// the last line has no newline.
bool ShouldRun(const std::optional<std::string>& output) {
  if (!output) return true;
  if (output->find(kMissingNewlineWarning) != std::string::npos) return true;
  const std::string withoutBlanks = platform::AnsiReplaceAll(platform::AnsiReplaceAll(*output, " ", ""), kFullWidthBlank, "");
  return withoutBlanks.empty();
}

// Shows the commands of the line in a console and waits until it has closed; false, with a
// message, when no console could be started or it failed.
bool RunInConsole(const std::string& commands) {
  std::string commandLine = platform::kConsolePrefix + commands;
  platform::STARTUPINFOA startup;
  startup.cb = sizeof(startup);
  startup.dwFlags = platform::STARTF_USESHOWWINDOW;
  startup.wShowWindow = platform::SW_SHOWNORMAL;
  platform::PROCESS_INFORMATION process;
  if (!platform::CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, 0, 0, nullptr, nullptr, &startup,
                                &process)) {
    framework::MessageBox(std::string("无法打开运行程序的控制台窗口：找不到程序“") + platform::kConsoleProgram + "”。",
                          std::string(), framework::MB_ICONERROR);
    return false;
  }
  platform::WaitForProcessEndWithoutInput(process.hProcess);
  platform::DWORD status = 0;
  platform::GetExitCodeProcess(process.hProcess, &status);
  platform::CloseHandle(process.hProcess);
  platform::CloseHandle(process.hThread);
  // The console ends with status 0 however the program inside it ended, and also when the user
  // closes its window; any other status is its own failure: no display to show on, a terminal
  // it could not open, its window lost.
  if (status == 0) return true;
  framework::MessageBox(std::string("运行程序的控制台窗口异常结束（") + platform::kConsoleProgram + "的退出状态为" +
                            std::to_string(status) + "），程序可能没有运行。请确认图形显示可用后再试。",
                        std::string(), framework::MB_ICONERROR);
  return false;
}

std::string Quoted(const std::string& path) { return platform::ShellQuoted(path); }

void AddBuildStepRow(const std::string& details) {
  OutputList()->AddRow({TimeStampText(), "", "", details}, kBuildStepImage);
}

// More than blanks and line ends: the analysis would have had something to show.
bool HoldsMessages(const std::string& output) { return output.find_first_not_of(" \t\r\n") != std::string::npos; }

// A box, not a row: the output panel may be hidden, and without the plug-in no row would say
// why the compiler's messages are missing.
void ReportMissingAnalysis(const std::string& plugin) {
  framework::MessageBox("无法载入分析编译器输出的插件“" + platform::FullPath(plugin) +
                            "”，编译器的消息无法显示。请检查config.ini中[输出]调试处理插件的设置和Plugin文件夹。",
                        std::string(), framework::MB_ICONERROR);
}

// Not while another build waits, and not without the runner (whose absence ends the program).
bool CanStartBuild() { return !buildWaiting && BoundBuildResource() != nullptr; }

}  // namespace

BuildOutput BuildProgram(int mode, std::string& outputPath, const std::string& sourcePath,
                         const std::string& selector) {
  std::string source = sourcePath;
  if (mode == 1 && source.empty()) {
    source = BaseDir + "/Debug/" + std::to_string(RandomWholeNumber(1, 10)) + ".c";
    // Made anew, so a link planted in a shared Debug/ cannot send the text elsewhere; unwritten,
    // the compiler would build whatever an earlier build left there.
    if (!platform::WriteFileAnew(source, Editor->GetTextRange(0, Editor->GetLength()) + "\r\n")) {
      framework::MessageBox("无法写入临时源文件“" + source + "”，没有编译。请检查Debug文件夹是否存在、是否可写。",
                            std::string(), framework::MB_ICONERROR);
      return {};
    }
  }
  if (mode == 1 && outputPath.empty()) outputPath = BaseDir + "/Debug/temp.exe";
  const std::string compiler = BaseDir + ReadConfig(kCompilerSection, kCompilerKey);
  const BuildResourceFunction buildResource = BoundBuildResource();
  buildWaiting = true;
  const char* printed = selector.empty()
                            ? buildResource(Quoted(source).c_str(), Quoted(compiler).c_str(), Quoted(outputPath).c_str())
                            : buildResource(("-c " + Quoted(source)).c_str(), Quoted(compiler).c_str(),
                                            Quoted(source + ".o").c_str());
  buildWaiting = false;
  LastBuiltSource = source;
  // The compiler prints in the system's encoding, paths included.
  if (printed == nullptr) return {true, std::nullopt};
  return {true, platform::NativeToAnsi(printed)};
}

void AnalyseBuildOutput(const std::string& output) {
  Editor->MarkerDeleteAll(kBookmarkMarker);
  const std::string plugin = ProgramDir() + "/Plugin/" + ReadConfig(kOutputSection, kAnalysisPluginKey);
  if (!BindPluginExport(plugin, kAnalysisExport)) {
    if (HoldsMessages(output)) ReportMissingAnalysis(plugin);
    return;
  }
  const auto analysis = reinterpret_cast<AnalysisFunction>(BoundPluginExport());
  const std::string cleaned = LastBuiltSource.empty() ? output : platform::AnsiReplaceAll(output, LastBuiltSource, "");
  const char* answered = analysis(cleaned.c_str());
  const std::string answer = answered ? answered : "";
  OutputList()->Clear();
  for (const std::string_view line : platform::AnsiSplit(answer, kAnswerLineSeparator)) {
    // The line number is the last field: a message may hold the separator itself (an #error
    // text can), and keeps it whole.
    const std::vector<std::string_view> fields = platform::AnsiSplit(line, kAnswerFieldSeparator);
    if (fields.size() < 2) continue;
    const std::string_view lineNumber = fields.back();
    const auto messageLength = static_cast<std::size_t>(lineNumber.data() - line.data()) - kAnswerFieldSeparator.size();
    AddErrorRow(line.substr(0, messageLength), lineNumber);
  }
}

void EndWaitingBuild() {
  if (buildWaiting) platform::TerminateRunningChildren();
}

void CompileAndRun() {
  if (!CanStartBuild()) return;
  SetDebugButtonDisabled(true);
  std::string program = BaseDir + "/Debug/temp.exe";
  const std::optional<long long> earlierProgram = platform::ModificationTime(program);
  const BuildOutput built = BuildProgram(1, program, "", "");
  if (MainWindow->IsDestroyed()) return;  // closed while the compiler ran: the program is ending
  if (built.compiled) {
    AnalyseBuildOutput(built.printed.value_or(""));
    if (!ShouldRun(built.printed)) {
      // A program was made, so the compiler only warned.
      const std::optional<long long> madeProgram = platform::ModificationTime(program);
      if (madeProgram && madeProgram != earlierProgram) AddBuildStepRow("程序没有运行：编译器给出了警告，请先改正");
    } else if (RunInConsole(Quoted(program) + " &Title Tavo调试 & PAUSE & EXIT")) {
      OutputList()->AddRow({TimeStampText(), "成功"}, kRunImage);
    }
  }
  SetDebugButtonDisabled(false);
}

void CompileOnly() {
  if (!CanStartBuild()) return;
  std::string unused;
  const BuildOutput built = BuildProgram(1, unused, IsSaved == 1 ? CurrentFilePath : "", ".o");
  if (MainWindow->IsDestroyed() || !built.compiled) return;
  AnalyseBuildOutput(built.printed.value_or(""));
  AddBuildStepRow("编译完成");
}

void LinkProgram() {
  if (!CanStartBuild()) return;
  std::string program = LastBuiltSource + ".o.exe";
  const BuildOutput built = BuildProgram(0, program, LastBuiltSource + ".o", "");
  if (MainWindow->IsDestroyed()) return;
  AnalyseBuildOutput(built.printed.value_or(""));
  AddBuildStepRow("连接完成");
}

void RunLinkedProgram() {
  RunInConsole(Quoted(LastBuiltSource + ".exe") + " &Title Tavo编译连接模式(编译-》连接) & PAUSE & EXIT");
}

std::string TimeStampText() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return std::to_string(local.tm_hour) + ":" + std::to_string(local.tm_min) + ":" + std::to_string(local.tm_sec);
}

void OnMainWindowOutputListClick() {
  framework::ListView* list = OutputList();
  const int row = list->SelectedRow();
  const int line = row < 0 ? 0 : EditorLineOf(LineNumberValue(list->Cell(row, kLineColumn)));
  Editor->GotoLine(line < 0 ? 0 : line);
}

void OnMainWindowOutputListRightClick() {
  framework::ListView* list = OutputList();
  platform::SetClipboardText(list->Cell(list->SelectedRow(), kDetailsColumn));
  framework::MessageBox("错误信息成功复制");
}
