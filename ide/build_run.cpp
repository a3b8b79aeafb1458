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
#include "ide/module_state.h"
#include "ide/output_panel.h"
#include "ide/plugins.h"
#include "ide/program_dir.h"
#include "ide/saved_text.h"
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
  if (platform::WriteFileAnew(source, EditorTextToSave())) return source;
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

// The file a build writes (a program or an object), and whether that build wrote it: anything
// else there is an earlier build's.
class OutputFile {
 public:
  explicit OutputFile(std::string path) : path_(std::move(path)), before_(platform::ModificationTime(path_)) {}
  const std::string& Path() const { return path_; }
  bool MadeSince() const {
    const std::optional<long long> now = platform::ModificationTime(path_);
    return now && now != before_;
  }

 private:
  std::string path_;
  std::optional<long long> before_;
};

constexpr char kNotRunWarnings[] = "程序没有运行：编译器给出了警告，请先改正";
constexpr char kNotRunNoProgram[] = "程序没有运行：编译器没有生成程序";

void RunOrSayWhyNot(const BuildOutput& built, const std::string& program) {
  switch (DecideRun(built.printed, built.made)) {
    case RunDecision::Run:
      if (RunInConsole(Quoted(program) + " &Title Tavo调试 & PAUSE & EXIT")) AddRunRow();
      return;
    case RunDecision::NotRunWarnings:
      AddBuildStepRow(kNotRunWarnings);
      return;
    case RunDecision::NotRunNoProgram:
      AddBuildStepRow(kNotRunNoProgram);
      return;
    case RunDecision::NotRunErrors:
      return;
  }
}

// The row that ends a compile-only or link step, by how it ended.
struct StepRows {
  const char* made;
  const char* failedWithMessages;
  const char* failedSilently;
};
constexpr StepRows kCompileRows = {"编译完成", "编译失败，请先改正错误", "编译失败：编译器没有生成目标文件"};
constexpr StepRows kLinkRows = {"连接完成", "连接失败", "连接失败：编译器没有生成程序"};

void AddStepRow(const BuildOutput& built, const StepRows& rows) {
  switch (DecideStep(built.printed, built.made)) {
    case StepOutcome::Made: AddBuildStepRow(rows.made); return;
    case StepOutcome::FailedWithMessages: AddBuildStepRow(rows.failedWithMessages); return;
    case StepOutcome::FailedSilently: AddBuildStepRow(rows.failedSilently); return;
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
  const OutputFile output(selector.empty() ? outputPath : source + ".o");
  const std::string sourceArgs = selector.empty() ? Quoted(source) : "-c " + Quoted(source);
  const char* printed = RunCompiler(sourceArgs, compiler, Quoted(output.Path()));
  LastBuiltSource = source;
  // The compiler prints in the system's encoding, paths included.
  if (printed == nullptr) return {true, std::nullopt, output.MadeSince()};
  return {true, platform::NativeToAnsi(printed), output.MadeSince()};
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
  std::string program;
  const BuildOutput built = BuildProgram(1, program, "", "");
  if (MainWindow == nullptr) return;  // closed while the compiler ran: the program is ending
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
  if (MainWindow == nullptr || !built.compiled) return;
  SeparateBuild = {};  // what was linked before is not the new object's
  if (built.made) SeparateBuild.CompiledObject = LastBuiltSource + ".o";
  AnalyseBuildOutput(built.printed.value_or(""));
  AddStepRow(built, kCompileRows);
}

void LinkProgram() {
  if (!CanStartBuild()) return;
  if (SeparateBuild.CompiledObject.empty()) {
    AddBuildStepRow("没有连接：请先编译成功");
    return;
  }
  std::string program = SeparateBuild.CompiledObject + ".exe";
  const BuildOutput built = BuildProgram(0, program, SeparateBuild.CompiledObject, "");
  if (MainWindow == nullptr) return;
  SeparateBuild.LinkedProgram = program;
  SeparateBuild.LastLink = DecideRun(built.printed, built.made);
  AnalyseBuildOutput(built.printed.value_or(""));
  AddStepRow(built, kLinkRows);
}

void RunLinkedProgram() {
  if (!SeparateBuild.LastLink) {
    AddBuildStepRow("程序没有运行：请先连接");
    return;
  }
  switch (*SeparateBuild.LastLink) {
    case RunDecision::Run:
      RunInConsole(Quoted(SeparateBuild.LinkedProgram) + " &Title Tavo编译连接模式(编译-》连接) & PAUSE & EXIT");
      return;
    case RunDecision::NotRunWarnings:
      AddBuildStepRow(kNotRunWarnings);
      return;
    case RunDecision::NotRunNoProgram:
    case RunDecision::NotRunErrors:
      AddBuildStepRow("程序没有运行：连接失败");
      return;
  }
}
