#include "ide/build_run.h"

#include <chrono>
#include <random>

#include "framework/message_box.h"
#include "framework/toolbar.h"
#include "ide/app_globals.h"
#include "ide/build_answer.h"
#include "ide/compiler_runner.h"
#include "ide/config_ini.h"
#include "ide/console_run.h"
#include "ide/editing_commands.h"
#include "ide/lacking_characters.h"
#include "ide/main_window.h"
#include "ide/main_window_definition.h"
#include "ide/output_panel.h"
#include "ide/plugins.h"
#include "ide/program_dir.h"
#include "platform/code_page.h"
#include "platform/file_system.h"
#include "platform/ini_file.h"
#include "platform/shell_quote.h"

namespace {

constexpr char kAnalysisExport[] = "Analysis";

using AnalysisFunction = const char* (*)(const char* output);

int RandomWholeNumber(int from, int to) {
  std::minstd_rand generator(static_cast<unsigned>(
      std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch()).count()));
  return std::uniform_int_distribution<int>(from, to)(generator);
}

std::string ReadConfig(const char* section, const char* key) {
  return platform::GetPrivateProfileStringA(section, key, "", ConfigIniPath());
}

std::string Quoted(const std::string& path) { return platform::ShellQuoted(path); }

void SetDebugButtonDisabled(bool disabled) {
  MainWindow->Find<framework::Toolbar>(kMainToolbar)->SetButtonDisabled(kDebugButton, disabled);
}

// Made anew, so a link planted in a shared Debug/ cannot send the text elsewhere; unwritten, the
// compiler would build whatever an earlier build left there. Nothing, and no message, when the
// user stops at a character the code page lacks.
std::optional<std::string> WriteEditorTextToDebug() {
  if (!AcceptCharactersTheCodePageLacks(EditorTextUse::Build)) return std::nullopt;
  const std::string source = BaseDir + "/Debug/" + std::to_string(RandomWholeNumber(1, 10)) + ".c";
  if (platform::WriteFileAnew(source, Editor->GetTextRange(0, Editor->GetLength()) + "\r\n")) return source;
  framework::MessageBox("无法写入临时源文件“" + source + "”，没有编译。请检查Debug文件夹是否存在、是否可写。", std::string(),
                        framework::MB_ICONERROR);
  return std::nullopt;
}

void ShowAnswerRow(const AnswerRow& row) {
  AddErrorRow(row.Message, row.Line);
  const int line = EditorLineOf(LineNumberValue(row.Line));
  if (line >= 0) Editor->MarkerAdd(line, kBookmarkMarker);
}

// A box, not a row: the output panel may be hidden, and without the plug-in no row would say
// why the compiler's messages are missing.
void ReportMissingAnalysis(const std::string& plugin) {
  framework::MessageBox("无法载入分析编译器输出的插件“" + platform::FullPath(plugin) +
                            "”，编译器的消息无法显示。请检查config.ini中[输出]调试处理插件的设置和Plugin文件夹。",
                        std::string(), framework::MB_ICONERROR);
}

// The program a build writes, and whether that build wrote it: anything else there is an
// earlier build's.
class ProgramFile {
 public:
  explicit ProgramFile(std::string path) : path_(std::move(path)), before_(platform::ModificationTime(path_)) {}
  const std::string& Path() const { return path_; }
  bool MadeSince() const {
    const std::optional<long long> now = platform::ModificationTime(path_);
    return now && now != before_;
  }

 private:
  std::string path_;
  std::optional<long long> before_;
};

void RunOrSayWhyNot(const BuildOutput& built, const ProgramFile& program) {
  switch (DecideRun(built.printed, program.MadeSince())) {
    case RunDecision::Run:
      if (RunInConsole(Quoted(program.Path()) + " &Title Tavo调试 & PAUSE & EXIT")) AddRunRow();
      return;
    case RunDecision::NotRunWarnings:
      AddBuildStepRow("程序没有运行：编译器给出了警告，请先改正");
      return;
    case RunDecision::NotRunNoProgram:
      AddBuildStepRow("程序没有运行：编译器没有生成程序");
      return;
    case RunDecision::NotRunErrors:
      return;
  }
}

}  // namespace

BuildOutput BuildProgram(int mode, std::string& outputPath, const std::string& sourcePath,
                         const std::string& selector) {
  std::string source = sourcePath;
  if (mode == 1 && source.empty()) {
    const std::optional<std::string> written = WriteEditorTextToDebug();
    if (!written) return {};
    source = *written;
  }
  if (mode == 1 && outputPath.empty()) outputPath = BaseDir + "/Debug/temp.exe";
  const std::string compiler = Quoted(BaseDir + ReadConfig(kCompilerSection, kCompilerKey));
  const char* printed = selector.empty() ? RunCompiler(Quoted(source), compiler, Quoted(outputPath))
                                         : RunCompiler("-c " + Quoted(source), compiler, Quoted(source + ".o"));
  LastBuiltSource = source;
  // The compiler prints in the system's encoding, paths included.
  if (printed == nullptr) return {true, std::nullopt};
  return {true, platform::NativeToAnsi(printed)};
}

void AnalyseBuildOutput(const std::string& output) {
  Editor->MarkerDeleteAll(kBookmarkMarker);
  const std::string plugin = ProgramDir() + "/Plugin/" + ReadConfig(kOutputSection, kAnalysisPluginKey);
  const auto analysis = BindPluginExport<AnalysisFunction>(plugin, kAnalysisExport);
  if (!analysis) {
    if (HoldsMessages(output)) ReportMissingAnalysis(plugin);
    return;
  }
  const char* answered = analysis(WithoutSourcePath(output, LastBuiltSource).c_str());
  const std::string answer = answered ? answered : "";
  ClearOutputRows();
  for (const AnswerRow& row : AnswerRows(answer)) ShowAnswerRow(row);
}

void CompileAndRun() {
  if (!CanStartBuild()) return;
  SetDebugButtonDisabled(true);
  const ProgramFile program(BaseDir + "/Debug/temp.exe");
  std::string outputPath = program.Path();
  const BuildOutput built = BuildProgram(1, outputPath, "", "");
  if (MainWindow->IsDestroyed()) return;  // closed while the compiler ran: the program is ending
  if (built.compiled) {
    AnalyseBuildOutput(built.printed.value_or(""));
    RunOrSayWhyNot(built, program);
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
