#include "platform/console_script.h"

#include <optional>

#include "platform/ansi_text.h"
#include "platform/shell_quote.h"

namespace platform {
namespace {

constexpr char kPausePrompt[] = "请按任意键继续. . .";

// The pieces between the '&'s that stand outside quotes, as /bin/sh reads quotes.
std::vector<std::string_view> SplitAtAmpersands(std::string_view commands) {
  std::vector<std::string_view> pieces;
  char quote = 0;
  std::size_t start = 0;
  for (std::size_t i = 0; i < commands.size(); ++i) {
    const char c = commands[i];
    if (quote != '\'' && c == '\\') {
      ++i;
    } else if (quote != 0) {
      if (c == quote) quote = 0;
    } else if (c == '\'' || c == '"') {
      quote = c;
    } else if (c == '&') {
      pieces.push_back(commands.substr(start, i - start));
      start = i + 1;
    }
  }
  pieces.push_back(commands.substr(start));
  return pieces;
}

std::string_view Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool IsWord(std::string_view command, std::string_view word) { return AnsiEqualsIgnoringCase(command, word); }

// The text of a Title command; nothing for any other command.
std::optional<std::string_view> TitleOf(std::string_view command) {
  constexpr std::string_view kTitle = "title";
  if (command.size() < kTitle.size() || !IsWord(command.substr(0, kTitle.size()), kTitle)) return std::nullopt;
  const std::string_view rest = command.substr(kTitle.size());
  if (!rest.empty() && rest.front() != ' ' && rest.front() != '\t') return std::nullopt;
  return Trimmed(rest);
}

std::vector<std::string_view> Commands(std::string_view commands) {
  std::vector<std::string_view> found;
  for (const std::string_view piece : SplitAtAmpersands(commands)) {
    if (const std::string_view command = Trimmed(piece); !command.empty()) found.push_back(command);
  }
  return found;
}

std::string SetTitleLine(std::string_view title) {
  return "printf '\\033]2;%s\\007' " + ShellQuoted(title) + "\n";
}

// The prompt, one key read raw from the console, then the line ends.
std::string PauseLines() {
  return "printf '%s' " + ShellQuoted(kPausePrompt) +
         "\n"
         "saved=$(stty -g 2>/dev/null)\n"
         "stty -icanon -echo min 1 time 0 2>/dev/null\n"
         "dd bs=1 count=1 >/dev/null 2>&1\n"
         "[ -n \"$saved\" ] && stty \"$saved\" 2>/dev/null\n"
         "echo\n";
}

}  // namespace

std::string ConsoleScript(std::string_view commands) {
  std::string script;
  for (const std::string_view command : Commands(commands)) {
    if (const auto title = TitleOf(command)) {
      script += SetTitleLine(*title);
    } else if (IsWord(command, "pause")) {
      script += PauseLines();
    } else if (IsWord(command, "exit")) {
      return script + "exit\n";
    } else {
      script += std::string(command) + "\n";
    }
  }
  return script + "exec /bin/sh -i\n";
}

std::vector<std::string> ConsoleArguments(std::string_view commands) {
  std::vector<std::string> arguments = {kConsoleProgram, "-u8", "-xrm", "*utf8Title: true", "-fa", "DejaVu Sans Mono",
                                        "-fd", "WenQuanYi Micro Hei Mono"};
  // The window carries the title from the start, not only once the program has ended.
  for (const std::string_view command : Commands(commands)) {
    if (const auto title = TitleOf(command)) {
      arguments.insert(arguments.end(), {"-T", std::string(*title)});
      break;
    }
  }
  arguments.insert(arguments.end(), {"-e", "/bin/sh", "-c", ConsoleScript(commands)});
  return arguments;
}

}  // namespace platform
