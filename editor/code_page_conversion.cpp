#include "editor/code_page_conversion.h"

#include "platform/code_page.h"

namespace {

// The UTF-16 intermediate in machine order; it holds its terminator when it is not empty.
using WideBuffer = std::u16string;

// An empty intermediate is handed on as absent, so that it converts to nothing.
const char16_t* WideData(const WideBuffer& wide) { return wide.empty() ? nullptr : wide.data(); }

// Each conversion is one call into a buffer that holds the most the text can make, cut to what
// it made: asking for the count first would convert every text twice.

// Every byte, of the code page as of UTF-8, makes at most one UTF-16 unit.
WideBuffer ToWide(platform::UINT codePage, const char* text) {
  if (text == nullptr) return {};
  WideBuffer wide(std::char_traits<char>::length(text) + 1, u'\0');
  const int written = platform::MultiByteToWideChar(codePage, 0, text, -1, wide.data(), static_cast<int>(wide.size()));
  wide.resize(static_cast<std::size_t>(written));
  return wide;
}

WideBuffer AnsiToWide(const char* text) { return ToWide(platform::CP_ACP, text); }

// A UTF-16 unit makes at most three bytes of UTF-8 and two of the code page.
std::string FromWide(platform::UINT codePage, const WideBuffer& wide, std::size_t bytesPerUnit) {
  std::string bytes(wide.size() * bytesPerUnit, '\0');
  const int written = platform::WideCharToMultiByte(codePage, 0, WideData(wide), -1, bytes.data(),
                                                    static_cast<int>(bytes.size()), nullptr, nullptr);
  bytes.resize(static_cast<std::size_t>(written));
  return bytes;
}

ByteSet WideToUtf8(const WideBuffer& wide) {
  // The converted terminator plus one further zero byte.
  return FromWide(platform::CP_UTF8, wide, 3) + '\0';
}

WideBuffer Utf8ToWide(const ByteSet& bytes) {
  // The appended zero byte ends input that carries no terminator of its own.
  const ByteSet terminated = bytes + '\0';
  return ToWide(platform::CP_UTF8, terminated.c_str());
}

std::string WideToAnsi(const WideBuffer& wide) {
  const std::string converted = FromWide(platform::CP_ACP, wide, 2);
  return converted.substr(0, converted.find('\0'));
}

}  // namespace

ByteSet AnsiToUtf8(const char* text) { return WideToUtf8(AnsiToWide(text)); }

ByteSet AnsiToUtf8(const std::string& text) { return AnsiToUtf8(text.c_str()); }

ByteSet Utf8Of(const std::string& text) {
  ByteSet converted = AnsiToUtf8(text);
  converted.resize(converted.size() - 2);
  return converted;
}

std::string Utf8ToAnsi(const ByteSet& bytes) { return WideToAnsi(Utf8ToWide(bytes)); }
