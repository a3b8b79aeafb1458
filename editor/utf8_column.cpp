#include "editor/utf8_column.h"

namespace {

bool IsTrailByte(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// The length of the well-formed character at the start of rest, 0 when there is none: no
// overlong form, no surrogate, nothing above U+10FFFF.
std::size_t CharacterLength(std::string_view rest) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(rest[i]); };
  const unsigned char lead = byte(0);
  const std::size_t length = lead < 0xC2 ? 0 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : lead < 0xF5 ? 4 : 0;
  if (length == 0 || length > rest.size()) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    if (!IsTrailByte(byte(i))) return 0;
  }
  const unsigned char second = byte(1);
  if (lead == 0xE0 && second < 0xA0) return 0;
  if (lead == 0xED && second >= 0xA0) return 0;
  if (lead == 0xEF && second == 0xBF && byte(2) >= 0xBE) return 0;
  if (lead == 0xF0 && second < 0x90) return 0;
  if (lead == 0xF4 && second >= 0x90) return 0;
  return length;
}

}  // namespace

std::optional<int> Utf8Column(std::string_view text, int tabWidth) {
  if (tabWidth < 1) return std::nullopt;
  int column = 0;
  for (std::size_t i = 0; i < text.size();) {
    const char byte = text[i];
    if (byte == '\r' || byte == '\n') return std::nullopt;
    if (byte == '\t') {
      column = (column / tabWidth + 1) * tabWidth;
      ++i;
    } else if (static_cast<unsigned char>(byte) < 0x80) {
      ++column;
      ++i;
    } else {
      const std::size_t length = CharacterLength(text.substr(i));
      if (length == 0) return std::nullopt;
      ++column;
      i += length;
    }
  }
  return column;
}
