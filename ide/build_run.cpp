#include "ide/build_run.h"

#include <optional>
#include <string>

#include "framework/message_box.h"
#include "framework/toolbar.h"
#include "ide/app_globals.h"
#include "ide/build_answer.h"
#include "ide/build_request.h"
#include "ide/compiler_runner.h"
#include "ide/config_ini.h"
#include "ide/console_run.h"
#include "ide/data_files.h"
#include "ide/editing_commands.h"
#include "ide/main_window.h"
#include "ide/main_window_definition.h"
#include "ide/output_panel.h"
#include "ide/plugins.h"
#include "platform/file_system.h"
#include "platform/ini_file.h"
#include "platform/shell_quote.h"

namespace {

// What the separate steps hand on: 连接 links the object of the last 编译 that made one, and 执行
// runs the program of the last 连接 only where F5 would run its own. A 编译 starts afresh: a
// program linked before it is not the new object's.
struct SeparateBuildState {
  std::string CompiledObject;  // the empty text when the last 编译 made none, or before the first
  std::string LinkedProgram;
  std::optional<RunDecision> LastLink;  // nothing when no 连接 came since the last 编译
};

SeparateBuildState SeparateBuild;

constexpr char kAnalysisExport[] = "Analysis";

using AnalysisFunction = const char* (*)(const char* output);

std::string ReadConfig(const char* section, const char* key) {
  return platform::GetPrivateProfileStringA(section, key, "", ConfigIniPath());
}

std::string Quoted(const std::string& path) { return platform::ShellQuoted(path); }

void SetDebugButtonDisabled(bool disabled) {
  MainWindow->Find<framework::Toolbar>(kMainToolbar)->SetButtonDisabled(kDebugButton, disabled);
}

// Not while another build waits in the runner; the first build loads the runner.
bool MayStartBuild() { return !BuildWaiting() && LoadCompilerRunner(); }

void ShowAnswerRow(const AnswerRow& row) {
  AddErrorRow(row.Message, row.Line);
  const int line = EditorLineOf(LineNumberValue(row.Line));
  if (line >= 0) Editor->MarkerAdd(line, kBookmarkMarker);
}

// A box, not a row: the output panel may be hidden, and without the plug-in no row would say
// why the compiler's messages are missing.
void ReportMissingAnalysis(const std::string& plugin, const std::string& reason) {
  framework::MessageBox("无法载入分析编译器输出的插件“" + platform::FullPath(plugin) + "”，编译器的消息无法显示。\r\n原因：" +
                            reason + "\r\n请检查config.ini中[输出]调试处理插件的设置和Plugin文件夹。",
                        std::string(), framework::MB_ICONERROR);
}

constexpr char kNotRunWarnings[] = "程序没有运行：编译器给出了警告，请先改正";
constexpr char kNotRunNoProgram[] = "程序没有运行：编译器没有生成程序";

void RunOrSayWhyNot(const BuildResult& built) {
  switch (DecideRun(built.printed, built.wroteOutput)) {
    case RunDecision::Run:
      if (RunInConsole(Quoted(built.output) + " &Title Tavo调试 & PAUSE & EXIT")) AddRunRow();
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

void AddStepRow(const BuildResult& built, const StepRows& rows) {
  switch (DecideStep(built.printed, built.wroteOutput)) {
    case StepOutcome::Made: AddBuildStepRow(rows.made); return;
    case StepOutcome::FailedWithMessages: AddBuildStepRow(rows.failedWithMessages); return;
    case StepOutcome::FailedSilently: AddBuildStepRow(rows.failedSilently); return;
  }
}

}  // namespace

void AnalyseBuildOutput(const std::string& output) {
  Editor->MarkerDeleteAll(kBookmarkMarker);
  const std::string plugin = DataPath(data_file::ProgramPluginFolder, ReadConfig(kOutputSection, kAnalysisPluginKey));
  const auto analysis = BindPluginExport<AnalysisFunction>(plugin, kAnalysisExport);
  if (!analysis.function) {
    if (HoldsMessages(output)) ReportMissingAnalysis(plugin, analysis.failure->reason);
    return;
  }
  const char* answered = analysis.function(WithoutSourcePath(output, LastBuiltSource).c_str());
  const std::string answer = answered ? answered : "";
  ClearOutputRows();
  for (const AnswerRow& row : AnswerRows(answer)) ShowAnswerRow(row);
}

void CompileAndRun() {
  if (!MayStartBuild()) return;
  SetDebugButtonDisabled(true);
  const std::optional<BuildResult> built = RunBuild({EditorText{}, ProgramAt{DataPath(data_file::DebugProgram)}});
  if (MainWindow == nullptr) return;  // closed while the compiler ran: the program is ending
  if (built) {
    AnalyseBuildOutput(built->printed.value_or(""));
    RunOrSayWhyNot(*built);
  }
  SetDebugButtonDisabled(false);
}

void CompileOnly() {
  if (!MayStartBuild()) return;
  const BuildInput source = IsSaved == 1 ? BuildInput(InputFile{CurrentFilePath}) : EditorText{};
  const std::optional<BuildResult> built = RunBuild({source, ObjectBesideSource{}});
  if (MainWindow == nullptr || !built) return;
  SeparateBuild = {};  // what was linked before is not the new object's
  if (built->wroteOutput) SeparateBuild.CompiledObject = built->output;
  AnalyseBuildOutput(built->printed.value_or(""));
  AddStepRow(*built, kCompileRows);
}

void LinkProgram() {
  if (!MayStartBuild()) return;
  if (SeparateBuild.CompiledObject.empty()) {
    AddBuildStepRow("没有连接：请先编译成功");
    return;
  }
  const std::string object = SeparateBuild.CompiledObject;
  const std::optional<BuildResult> built = RunBuild({InputFile{object}, ProgramAt{object + ".exe"}});
  if (MainWindow == nullptr || !built) return;
  SeparateBuild.LinkedProgram = built->output;
  SeparateBuild.LastLink = DecideRun(built->printed, built->wroteOutput);
  AnalyseBuildOutput(built->printed.value_or(""));
  AddStepRow(*built, kLinkRows);
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

void ResetSeparateBuild() { SeparateBuild = {}; }
