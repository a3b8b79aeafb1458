// The Windows code-page conversion calls over iconv. Code page 0 (the ANSI code page) is 936
// (GBK); 65001 is UTF-8. Both behave as the Windows calls do with flags 0: a length of -1 takes
// the text up to and including its NUL (so counts include the terminator), an output size of 0
// asks for the count needed, a buffer too small or a null text fails, and a call that fails
// returns 0. Invalid input is replaced rather than fatal: by U+FFFD toward UTF-16, by U+FFFD
// toward UTF-8 and by the default character ('?' when none is given) toward GBK. As on
// Windows, UTF-8 has no default character: passing one, or asking whether it was used, fails.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "platform/win_types.h"

class QString;

namespace platform {

constexpr UINT CP_ACP = 0;
constexpr UINT CP_GBK = 936;
constexpr UINT CP_UTF8 = 65001;

int MultiByteToWideChar(UINT codePage, std::uint32_t flags, const char* text, int length,
                        char16_t* wide, int wideUnits);
int WideCharToMultiByte(UINT codePage, std::uint32_t flags, const char16_t* wide, int length,
                        char* text, int textBytes, const char* defaultChar, BOOL* usedDefault);

// The program's 8-bit texts to and from Qt's strings, for the window layer and the framework.
QString AnsiToQString(const std::string& text);
std::string QStringToAnsi(const QString& text);
// As the two above, but nothing when the text cannot cross without loss: a character the code
// page lacks, or bytes that are no valid code-page text.
std::optional<QString> AnsiToQStringExactly(const std::string& text);
std::optional<std::string> QStringToAnsiExactly(const QString& text);
// True when the bytes are code-page text that comes back as the same bytes from the trip to
// Unicode and back, as every text the editor holds makes.
bool SurvivesCodePage(const std::string& bytes);

// The program's 8-bit texts to and from the system's own encoding (UTF-8 here), in which file
// names, command lines and what child processes print cross the system's boundary.
std::string AnsiToNative(const std::string& text);
std::string NativeToAnsi(const std::string& native);

// The first character of a UTF-8 text that the code page cannot hold (bytes that are no UTF-8
// count as such a character, U+FFFD): its byte offset and code point. Nothing when every
// character has a code-page form.
struct CharacterCodePageLacks {
  std::size_t offset = 0;
  char32_t codePoint = 0;
};
std::optional<CharacterCodePageLacks> FirstCharacterCodePageLacks(std::string_view utf8);

}  // namespace platform
