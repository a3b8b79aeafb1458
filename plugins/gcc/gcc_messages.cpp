#include "plugins/gcc/gcc_messages.h"

#include <array>
#include <optional>
#include <vector>

#include "plugins/gcc/universal_names.h"

namespace {

struct Message {
  std::string Text;
  std::string_view Line = "0";
};

constexpr char kFieldSeparator[] = "^&/";
constexpr char kRowEnd[] = "\r\n";
constexpr std::string_view kBlanks = " \t\r";

constexpr std::array<std::string_view, 3> kKinds = {"error", "fatal error", "warning"};

bool IsNumber(std::string_view text) {
  return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// The line of a location "FILE:LINE" or "FILE:LINE:COL", and FILE; nothing when it is not one.
std::optional<std::string_view> LineOfLocation(std::string_view location, std::string_view& file) {
  std::string_view numbers[2];
  int count = 0;
  while (count < 2) {
    const std::size_t colon = location.rfind(':');
    if (colon == std::string_view::npos || !IsNumber(location.substr(colon + 1))) break;
    numbers[count++] = location.substr(colon + 1);
    location = location.substr(0, colon);
  }
  if (count == 0) return std::nullopt;
  file = location;
  return numbers[count - 1];
}

// "PREFIX: KIND: TEXT" with the earliest kind marker of the line.
std::optional<Message> KindMessage(std::string_view line) {
  std::size_t marker = std::string_view::npos;
  std::string_view kind;
  for (std::string_view candidate : kKinds) {
    const std::size_t at = line.find(": " + std::string(candidate) + ": ");
    if (at < marker) marker = at, kind = candidate;
  }
  if (marker == std::string_view::npos) return std::nullopt;
  const std::string_view prefix = line.substr(0, marker);
  std::string_view text = line.substr(marker + kind.size() + 4);
  // A path removed right before ": No such file" leaves its colon behind.
  if (text.starts_with(": ")) text.remove_prefix(2);
  if (prefix == "collect2" && text.starts_with("ld returned")) return std::nullopt;  // the linker said why
  Message message{std::string(kind) + ": " + std::string(text)};
  std::string_view file;
  if (const auto lineNumber = LineOfLocation(prefix, file)) {
    if (file.empty()) {
      message.Line = *lineNumber;
    } else {
      message.Text += " (" + std::string(file) + ":" + std::string(*lineNumber) + ")";
    }
  }
  return message;
}

bool IsLinkerName(std::string_view program) {
  const std::string_view name = program.substr(program.rfind('/') + 1);
  return name == "ld" || name.starts_with("ld.") || name.ends_with("-ld");
}

// The linker's own lines: "ld: TEXT", and "OBJECT:(.text+0x5): undefined reference to `f'".
std::optional<Message> LinkerMessage(std::string_view line) {
  const std::size_t reference = line.find("undefined reference to ");
  if (reference != std::string_view::npos) return Message{"error: " + std::string(line.substr(reference))};
  const std::size_t colon = line.find(": ");
  if (colon == std::string_view::npos || !IsLinkerName(line.substr(0, colon))) return std::nullopt;
  const std::string_view text = line.substr(colon + 2);
  if (text.empty() || text.ends_with(':')) return std::nullopt;  // "in function `f':" introduces the next line
  return Message{"error: " + std::string(text)};
}

// The output's lines, whatever their ends (LF or CR LF).
std::vector<std::string_view> LinesOf(std::string_view output) {
  std::vector<std::string_view> lines;
  while (!output.empty()) {
    const std::size_t end = output.find('\n');
    std::string_view line = output.substr(0, end);
    output.remove_prefix(end == std::string_view::npos ? output.size() : end + 1);
    if (line.ends_with('\r')) line.remove_suffix(1);
    lines.push_back(line);
  }
  return lines;
}

bool IsBlank(std::string_view line) { return line.find_first_not_of(kBlanks) == std::string_view::npos; }

std::string RowOf(const Message& message) {
  return WithUniversalNamesTurnedBack(message.Text) + kFieldSeparator + std::string(message.Line) + kRowEnd;
}

}  // namespace

std::string AnalyseGccMessages(std::string_view output) {
  std::string answer;
  std::string_view firstPrinted;
  for (const std::string_view line : LinesOf(output)) {
    if (firstPrinted.empty() && !IsBlank(line)) firstPrinted = line;
    std::optional<Message> message = KindMessage(line);
    if (!message) message = LinkerMessage(line);
    if (message) answer += RowOf(*message);
  }
  // Something was printed (the shell's "not found", a crashed compiler): it must not vanish.
  if (answer.empty() && !firstPrinted.empty()) answer = RowOf(Message{std::string(firstPrinted)});
  return answer;
}
