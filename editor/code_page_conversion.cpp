#include "editor/code_page_conversion.h"

#include "platform/code_page.h"

namespace {

// The UTF-16 intermediate in machine order; it holds its terminator when it is not empty.
using WideBuffer = std::u16string;

// An empty intermediate is handed on as absent, so that it converts to nothing.
const char16_t* WideData(const WideBuffer& wide) { return wide.empty() ? nullptr : wide.data(); }

WideBuffer ToWide(platform::UINT codePage, const char* text) {
  const int needed = platform::MultiByteToWideChar(codePage, 0, text, -1, nullptr, 0);
  WideBuffer wide(static_cast<std::size_t>(needed), u'\0');
  const int written = platform::MultiByteToWideChar(codePage, 0, text, -1, wide.data(), needed);
  wide.resize(static_cast<std::size_t>(written));
  return wide;
}

WideBuffer AnsiToWide(const char* text) { return ToWide(platform::CP_ACP, text); }

ByteSet WideToUtf8(const WideBuffer& wide) {
  const int needed = platform::WideCharToMultiByte(platform::CP_UTF8, 0, WideData(wide), -1,
                                                   nullptr, 0, nullptr, nullptr);
  // The converted terminator plus one further zero byte.
  ByteSet utf8(static_cast<std::size_t>(needed) + 1, '\0');
  platform::WideCharToMultiByte(platform::CP_UTF8, 0, WideData(wide), -1, utf8.data(), needed,
                                nullptr, nullptr);
  return utf8;
}

WideBuffer Utf8ToWide(const ByteSet& bytes) {
  // The appended zero byte ends input that carries no terminator of its own.
  const ByteSet terminated = bytes + '\0';
  return ToWide(platform::CP_UTF8, terminated.c_str());
}

std::string WideToAnsi(const WideBuffer& wide) {
  const int needed = platform::WideCharToMultiByte(platform::CP_ACP, 0, WideData(wide), -1,
                                                   nullptr, 0, nullptr, nullptr);
  if (needed == 0) return std::string();
  std::string buffer(2 * static_cast<std::size_t>(needed), ' ');
  const int written = platform::WideCharToMultiByte(platform::CP_ACP, 0, WideData(wide), -1,
                                                    buffer.data(), 2 * needed, nullptr, nullptr);
  buffer.resize(static_cast<std::size_t>(written));
  return buffer.substr(0, buffer.find('\0'));
}

}  // namespace

ByteSet AnsiToUtf8(const char* text) { return WideToUtf8(AnsiToWide(text)); }

ByteSet AnsiToUtf8(const std::string& text) { return AnsiToUtf8(text.c_str()); }

std::string Utf8ToAnsi(const ByteSet& bytes) { return WideToAnsi(Utf8ToWide(bytes)); }
