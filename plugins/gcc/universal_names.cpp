#include "plugins/gcc/universal_names.h"

#include <QString>
#include <charconv>
#include <cstdint>
#include <optional>
#include <utility>

#include "platform/ansi_text.h"
#include "platform/code_page.h"

namespace {

constexpr std::size_t kShortNameDigits = 4;  // \uXXXX
constexpr std::size_t kLongNameDigits = 8;   // \UXXXXXXXX

std::size_t DigitsOfName(char letter) {
  if (letter == 'u') return kShortNameDigits;
  if (letter == 'U') return kLongNameDigits;
  return 0;
}

// The code point of the hexadecimal digits, or nothing when they are not all digits.
std::optional<char32_t> CodePointOf(std::string_view digits) {
  std::uint32_t value = 0;
  const char* end = digits.data() + digits.size();
  const auto [stop, error] = std::from_chars(digits.data(), end, value, 16);
  if (error != std::errc() || stop != end) return std::nullopt;
  return static_cast<char32_t>(value);
}

// The character of the name that begins the text, in the code page, and the name's length.
std::optional<std::pair<std::string, std::size_t>> CharacterOfName(std::string_view text) {
  if (text.size() < 2 || text[0] != '\\') return std::nullopt;
  const std::size_t digits = DigitsOfName(text[1]);
  if (digits == 0 || text.size() < 2 + digits) return std::nullopt;
  const std::optional<char32_t> codePoint = CodePointOf(text.substr(2, digits));
  if (!codePoint || *codePoint < 0x80 || *codePoint > 0x10FFFF) return std::nullopt;
  const std::optional<std::string> character = platform::QStringToAnsiExactly(QString::fromUcs4(&*codePoint, 1));
  if (!character) return std::nullopt;
  return std::pair{*character, 2 + digits};
}

}  // namespace

std::string WithUniversalNamesTurnedBack(std::string_view text) {
  std::string result;
  for (std::size_t pos = 0; pos < text.size();) {
    if (const auto named = CharacterOfName(text.substr(pos))) {
      result += named->first;
      pos += named->second;
      continue;
    }
    const std::size_t length = platform::AnsiCharLength(text, pos);
    result += text.substr(pos, length);
    pos += length;
  }
  return result;
}
