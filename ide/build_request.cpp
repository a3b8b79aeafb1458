#include "ide/build_request.h"

#include <random>

#include "framework/message_box.h"
#include "ide/app_globals.h"
#include "ide/compiler_runner.h"
#include "ide/config_ini.h"
#include "ide/data_files.h"
#include "ide/lacking_characters.h"
#include "ide/saved_text.h"
#include "platform/code_page.h"
#include "platform/file_system.h"
#include "platform/ini_file.h"
#include "platform/shell_quote.h"
#include "platform/tick_count.h"

namespace {

int RandomWholeNumber(int from, int to) {
  std::minstd_rand generator(platform::GetTickCount());
  return std::uniform_int_distribution<int>(from, to)(generator);
}

// Made anew, so a link planted in a shared Debug/ cannot send the text elsewhere; unwritten, the
// compiler would build whatever an earlier build left there. Nothing, and no message, when the
// user stops at a character the code page lacks.
std::optional<std::string> WriteEditorTextToDebug() {
  if (!AcceptCharactersTheCodePageLacks(EditorTextUse::Build)) return std::nullopt;
  const std::string source = DataPath(data_file::DebugFolder, std::to_string(RandomWholeNumber(1, 10)) + ".c");
  if (platform::WriteFileAnew(source, EditorTextToSave())) return source;
  framework::MessageBox("无法写入临时源文件“" + source + "”，没有编译。请检查Debug文件夹是否存在、是否可写。", std::string(),
                        framework::MB_ICONERROR);
  return std::nullopt;
}

std::optional<std::string> InputPath(const BuildInput& from) {
  if (const auto* file = std::get_if<InputFile>(&from)) return file->path;
  return WriteEditorTextToDebug();
}

std::string OutputPath(const BuildProduct& makes, const std::string& input) {
  if (const auto* program = std::get_if<ProgramAt>(&makes)) return program->path;
  return input + ".o";
}

// The arguments before "-o": a program is built from the input as it is, an object only compiled.
std::string InputArguments(const BuildProduct& makes, const std::string& input) {
  const std::string quoted = platform::ShellQuoted(input);
  return std::holds_alternative<ProgramAt>(makes) ? quoted : "-c " + quoted;
}

}  // namespace

std::optional<BuildResult> RunBuild(const BuildRequest& request) {
  const std::optional<std::string> input = InputPath(request.from);
  if (!input) return std::nullopt;
  const std::string output = OutputPath(request.makes, *input);
  const std::optional<long long> before = platform::ModificationTime(output);
  const std::string configured = platform::GetPrivateProfileStringA(kCompilerSection, kCompilerKey, "", ConfigIniPath());
  const char* printed = RunCompiler(InputArguments(request.makes, *input), platform::ShellQuoted(CompilerPath(configured)),
                                    platform::ShellQuoted(output));
  LastBuiltSource = *input;
  const std::optional<long long> after = platform::ModificationTime(output);
  // The compiler prints in the system's encoding, paths included.
  return BuildResult{*input, output, printed ? std::optional(platform::NativeToAnsi(printed)) : std::nullopt,
                     after && after != before};
}
