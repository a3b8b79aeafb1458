#include "ide/command_line.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "framework/message_box.h"
#include "platform/file_system.h"

namespace {

std::vector<std::string>& Arguments() {
  static std::vector<std::string> arguments;
  return arguments;
}

// Blanks and control characters; bytes of double-byte characters are never below 0x40.
bool IsSeparator(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte <= 0x20 || byte == 0x7F;
}

}  // namespace

void SetCommandLineArguments(std::vector<std::string> arguments) { Arguments() = std::move(arguments); }

void SetCommandLineText(const std::string& text) { Arguments() = SplitCommandLine(text); }

const std::vector<std::string>& CommandLineArguments() { return Arguments(); }

std::vector<std::string> ArgumentsInCodePage(const std::vector<std::string>& nativeArguments) {
  std::vector<std::string> arguments;
  for (const std::string& native : nativeArguments) {
    if (std::optional<std::string> argument = platform::PathFromNative(native)) {
      arguments.push_back(std::move(*argument));
    } else {
      framework::ShowPathCannotBeUsed(native);
    }
  }
  return arguments;
}

std::vector<std::string> SplitCommandLine(const std::string& text) {
  std::vector<std::string> arguments;
  std::size_t pos = 0;
  while (pos < text.size()) {
    if (IsSeparator(text[pos])) {
      ++pos;
    } else if (text[pos] == '"') {
      const std::size_t close = text.find('"', pos + 1);
      const std::size_t end = close == std::string::npos ? text.size() : close;
      arguments.push_back(text.substr(pos + 1, end - pos - 1));
      pos = end + 1;
    } else {
      const auto end = std::find_if(text.begin() + static_cast<std::ptrdiff_t>(pos), text.end(), IsSeparator);
      const auto endPos = static_cast<std::size_t>(end - text.begin());
      arguments.push_back(text.substr(pos, endPos - pos));
      pos = endPos;
    }
  }
  return arguments;
}
