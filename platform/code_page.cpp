#include "platform/code_page.h"

#include <iconv.h>

#include <QFile>
#include <QString>
#include <algorithm>
#include <cerrno>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {
namespace {

constexpr std::string_view kWideCharset = "UTF-16LE";
constexpr std::string_view kWideReplacement = "\xFD\xFF";  // U+FFFD, little-endian
constexpr std::string_view kUtf8Replacement = "\xEF\xBF\xBD";

const char* CharsetOf(UINT codePage) {
  switch (codePage) {
    case CP_ACP:
    case CP_GBK:
      return "CP936";
    case CP_UTF8:
      return "UTF-8";
    default:
      return nullptr;
  }
}

class Iconv {
 public:
  Iconv(const char* to, const char* from) : handle_(iconv_open(to, from)) {}
  ~Iconv() {
    if (ok()) iconv_close(handle_);
  }
  Iconv(const Iconv&) = delete;
  Iconv& operator=(const Iconv&) = delete;

  bool ok() const { return handle_ != reinterpret_cast<iconv_t>(-1); }
  iconv_t get() const { return handle_; }

 private:
  iconv_t handle_;
};

// Opening a converter costs more than converting a short text, and texts come one list row at
// a time, so each pair of charsets keeps its converter, put back to its initial state at each use.
iconv_t Converter(const char* to, const char* from) {
  struct Kept {
    std::string to;
    std::string from;
    std::unique_ptr<Iconv> converter;
  };
  thread_local std::vector<Kept> kept;
  auto found = std::find_if(kept.begin(), kept.end(), [&](const Kept& k) { return k.to == to && k.from == from; });
  if (found == kept.end()) found = kept.insert(kept.end(), Kept{to, from, std::make_unique<Iconv>(to, from)});
  if (!found->converter->ok()) return found->converter->get();
  iconv(found->converter->get(), nullptr, nullptr, nullptr, nullptr);
  return found->converter->get();
}

// How many input bytes a rejected sequence spans, given the input from that sequence on.
using InvalidLength = std::size_t (*)(std::string_view rest);

std::size_t OneByte(std::string_view) { return 1; }

bool IsHighSurrogate(unsigned unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(unsigned unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

unsigned WideUnitAt(std::string_view bytes, std::size_t index) {
  return static_cast<unsigned char>(bytes[2 * index]) |
         static_cast<unsigned char>(bytes[2 * index + 1]) << 8;
}

// A character the target cannot hold is a surrogate pair or a single unit; a lone surrogate
// is always a single unit.
std::size_t OneWideCharacter(std::string_view rest) {
  const bool pair = rest.size() >= 4 && IsHighSurrogate(WideUnitAt(rest, 0)) &&
                    IsLowSurrogate(WideUnitAt(rest, 1));
  return pair ? 4 : 2;
}

// Converts all of `input`; every sequence iconv rejects is replaced and conversion goes on
// after it. Gives nothing when either charset is unknown to iconv.
std::optional<std::string> Recode(const char* to, const char* from, std::string_view input,
                                  std::string_view replacement, InvalidLength invalidLength,
                                  bool* replaced) {
  const iconv_t converter = Converter(to, from);
  if (converter == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string output(input.size() * 2 + 16, '\0');
  char* in = const_cast<char*>(input.data());
  std::size_t inLeft = input.size();
  std::size_t written = 0;
  while (inLeft > 0) {
    char* out = output.data() + written;
    std::size_t outLeft = output.size() - written;
    const std::size_t result = iconv(converter, &in, &inLeft, &out, &outLeft);
    written = output.size() - outLeft;
    if (result != static_cast<std::size_t>(-1)) break;
    if (errno == E2BIG) {
      output.resize(output.size() * 2);
      continue;
    }
    // EILSEQ: an invalid or unmappable sequence; EINVAL: the input ends inside one.
    const std::size_t skip =
        errno == EILSEQ ? std::min(invalidLength(std::string_view(in, inLeft)), inLeft) : inLeft;
    output.replace(written, 0, replacement);
    written += replacement.size();
    in += skip;
    inLeft -= skip;
    *replaced = true;
  }
  output.resize(written);
  return output;
}

std::optional<std::u16string> DecodeToWide(UINT codePage, std::string_view text, bool* replaced) {
  const char* charset = CharsetOf(codePage);
  if (!charset) return std::nullopt;
  const auto bytes = Recode(kWideCharset.data(), charset, text, kWideReplacement, OneByte, replaced);
  if (!bytes) return std::nullopt;
  std::u16string wide(bytes->size() / 2, u'\0');
  for (std::size_t i = 0; i < wide.size(); ++i) {
    wide[i] = static_cast<char16_t>(WideUnitAt(*bytes, i));
  }
  return wide;
}

// The replacement toward the 8-bit code page: the caller's default character (one character,
// so two bytes when it begins with a lead byte), else '?'.
std::string_view DefaultCharacter(const char* defaultChar) {
  if (!defaultChar || !*defaultChar) return "?";
  const bool doubleByte = static_cast<unsigned char>(defaultChar[0]) >= 0x80 && defaultChar[1];
  return std::string_view(defaultChar, doubleByte ? 2 : 1);
}

std::optional<std::string> EncodeFromWide(UINT codePage, std::u16string_view wide,
                                          const char* defaultChar, bool* usedDefault) {
  const char* charset = CharsetOf(codePage);
  if (!charset) return std::nullopt;
  std::string bytes(wide.size() * 2, '\0');
  for (std::size_t i = 0; i < wide.size(); ++i) {
    bytes[2 * i] = static_cast<char>(wide[i] & 0xFF);
    bytes[2 * i + 1] = static_cast<char>(wide[i] >> 8);
  }
  const std::string_view replacement =
      codePage == CP_UTF8 ? kUtf8Replacement : DefaultCharacter(defaultChar);
  return Recode(charset, kWideCharset.data(), bytes, replacement, OneWideCharacter, usedDefault);
}

// The units a length of -1 stands for: everything up to and including the terminator.
template <typename Char>
std::basic_string_view<Char> Measured(const Char* text, int length) {
  if (length != -1) return std::basic_string_view<Char>(text, static_cast<std::size_t>(length));
  return std::basic_string_view<Char>(text, std::char_traits<Char>::length(text) + 1);
}

// Copies a conversion's result to the caller's buffer as the Windows calls do: a size of 0
// asks for the count, a buffer too small fails with 0.
template <typename Char>
int Deliver(const std::basic_string<Char>& result, Char* buffer, int size) {
  const int count = static_cast<int>(result.size());
  if (size == 0) return count;
  if (count > size) return 0;
  std::copy(result.begin(), result.end(), buffer);
  return count;
}

bool ValidCall(const void* input, int length, const void* output, int size) {
  return input && length != 0 && length >= -1 && size >= 0 && (size == 0 || output);
}

// The code page holds ASCII as it stands, and most texts (names, words of the lists, paths) are
// ASCII: they need no converter.
bool IsAscii(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

bool IsAscii(std::u16string_view text) {
  return std::all_of(text.begin(), text.end(), [](char16_t c) { return c < 0x80; });
}

std::optional<QString> ToQString(const std::string& text, bool* replaced) {
  if (IsAscii(text)) return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
  const auto wide = DecodeToWide(CP_ACP, text, replaced);
  if (!wide) return std::nullopt;
  return QString::fromUtf16(wide->data(), static_cast<qsizetype>(wide->size()));
}

std::optional<std::string> FromQString(const QString& text, bool* replaced) {
  const std::u16string_view wide(reinterpret_cast<const char16_t*>(text.utf16()),
                                 static_cast<std::size_t>(text.size()));
  if (IsAscii(wide)) return text.toLatin1().toStdString();
  return EncodeFromWide(CP_ACP, wide, nullptr, replaced);
}

}  // namespace

int MultiByteToWideChar(UINT codePage, std::uint32_t, const char* text, int length,
                        char16_t* wide, int wideUnits) {
  if (!ValidCall(text, length, wide, wideUnits)) return 0;
  bool replaced = false;
  const auto result = DecodeToWide(codePage, Measured(text, length), &replaced);
  return result ? Deliver(*result, wide, wideUnits) : 0;
}

int WideCharToMultiByte(UINT codePage, std::uint32_t, const char16_t* wide, int length,
                        char* text, int textBytes, const char* defaultChar, BOOL* usedDefault) {
  if (!ValidCall(wide, length, text, textBytes)) return 0;
  // As on Windows, UTF-8 has no default character to report.
  if (codePage == CP_UTF8 && (defaultChar || usedDefault)) return 0;
  bool replaced = false;
  const auto result = EncodeFromWide(codePage, Measured(wide, length), defaultChar, &replaced);
  if (usedDefault) *usedDefault = replaced;
  return result ? Deliver(*result, text, textBytes) : 0;
}

std::optional<QString> AnsiToQStringExactly(const std::string& text) {
  bool replaced = false;
  auto result = ToQString(text, &replaced);
  return replaced ? std::nullopt : result;
}

std::optional<std::string> QStringToAnsiExactly(const QString& text) {
  bool replaced = false;
  auto result = FromQString(text, &replaced);
  return replaced ? std::nullopt : result;
}

QString AnsiToQString(const std::string& text) {
  bool replaced = false;
  return ToQString(text, &replaced).value_or(QString());
}

std::string QStringToAnsi(const QString& text) {
  bool replaced = false;
  return FromQString(text, &replaced).value_or(std::string());
}

bool SurvivesCodePage(const std::string& bytes) {
  const auto text = AnsiToQStringExactly(bytes);
  return text && QStringToAnsiExactly(*text) == bytes;
}

std::string AnsiToNative(const std::string& text) {
  return QFile::encodeName(AnsiToQString(text)).toStdString();
}

std::string NativeToAnsi(const std::string& native) {
  return QStringToAnsi(QFile::decodeName(QByteArray::fromStdString(native)));
}

// One pass over the whole text settles the usual case; only a text that loses something is
// walked character by character to find where.
std::optional<CharacterCodePageLacks> FirstCharacterCodePageLacks(std::string_view utf8) {
  const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
  if (QStringToAnsiExactly(text) && text.toUtf8().toStdString() == utf8) return std::nullopt;
  std::size_t offset = 0;
  for (const char32_t codePoint : text.toUcs4()) {
    const QString character = QString::fromUcs4(&codePoint, 1);
    const QByteArray bytes = character.toUtf8();
    const std::string_view expected(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    if (utf8.substr(offset, expected.size()) != expected || !QStringToAnsiExactly(character)) {
      return CharacterCodePageLacks{offset, codePoint};
    }
    offset += expected.size();
  }
  return std::nullopt;
}

}  // namespace platform
