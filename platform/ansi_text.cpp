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

std::string_view AnsiPrefix(std::string_view text, std::size_t maxBytes) {
  std::size_t cut = 0;
  while (cut < text.size()) {
    const std::size_t length = AnsiCharLength(text, cut);
    if (cut + length > maxBytes) break;
    cut += length;
  }
  return text.substr(0, cut);
}

std::size_t AnsiFind(std::string_view text, std::string_view what, std::size_t from) {
  if (what.empty()) return std::string_view::npos;
  for (std::size_t pos = from; pos < text.size(); pos += AnsiCharLength(text, pos)) {
    if (text.substr(pos, what.size()) == what) return pos;
  }
  return std::string_view::npos;
}

std::string AnsiReplaceAll(std::string_view text, std::string_view what, std::string_view with) {
  std::string result;
  std::size_t start = 0;
  for (std::size_t found; (found = AnsiFind(text, what, start)) != std::string_view::npos;
       start = found + what.size()) {
    result.append(text.substr(start, found - start)).append(with);
  }
  return result.append(text.substr(start));
}

std::size_t AnsiFindLast(std::string_view text, std::string_view what) {
  std::size_t last = std::string_view::npos;
  for (std::size_t found = AnsiFind(text, what); found != std::string_view::npos;
       found = AnsiFind(text, what, found + AnsiCharLength(text, found))) {
    last = found;
  }
  return last;
}

std::vector<std::string_view> AnsiSplit(std::string_view text, std::string_view separator) {
  std::vector<std::string_view> pieces;
  std::size_t start = 0;
  for (std::size_t found; (found = AnsiFind(text, separator, start)) != std::string_view::npos;
       start = found + separator.size()) {
    pieces.push_back(text.substr(start, found - start));
  }
  if (start < text.size()) pieces.push_back(text.substr(start));
  return pieces;
}

std::vector<std::string_view> AnsiSplit(std::string_view text, char separator) {
  return AnsiSplit(text, std::string_view(&separator, 1));
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

std::string AnsiFoldCase(std::string_view text) {
  std::string folded(text);
  for (std::size_t pos = 0; pos < folded.size(); pos += AnsiCharLength(folded, pos)) {
    folded[pos] = AsciiLower(folded[pos]);
  }
  return folded;
}

}  // namespace platform
