#include "platform/ansi_text.h"

namespace platform {

std::size_t AnsiCharLength(std::string_view text, std::size_t pos) {
  const bool lead = static_cast<unsigned char>(text[pos]) >= 0x80;
  return lead && pos + 1 < text.size() ? 2 : 1;
}

std::vector<std::string_view> AnsiCharacters(std::string_view text) {
  std::vector<std::string_view> characters;
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t length = AnsiCharLength(text, pos);
    characters.push_back(text.substr(pos, length));
    pos += length;
  }
  return characters;
}

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool AnsiEqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t pos = 0; pos < a.size();) {
    const std::size_t length = AnsiCharLength(a, pos);
    if (length == 2) {
      if (a.substr(pos, 2) != b.substr(pos, 2)) return false;
    } else if (AsciiLower(a[pos]) != AsciiLower(b[pos])) {
      return false;
    }
    pos += length;
  }
  return true;
}

}  // namespace platform
