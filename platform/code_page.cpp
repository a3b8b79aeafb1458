#include "platform/code_page.h"

#include <iconv.h>

#include <QFile>
#include <QString>
#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace platform {
namespace {

// UTF-16 in machine order, so that iconv writes the units where they are kept.
constexpr bool kLittleEndian = std::endian::native == std::endian::little;
constexpr std::string_view kWideCharset = kLittleEndian ? "UTF-16LE" : "UTF-16BE";
constexpr char16_t kWideReplacement = u'\uFFFD';
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
  char16_t unit;
  std::memcpy(&unit, bytes.data() + 2 * index, sizeof unit);
  return unit;
}

// A character the target cannot hold is a surrogate pair or a single unit; a lone surrogate
// is always a single unit.
std::size_t OneWideCharacter(std::string_view rest) {
  const bool pair = rest.size() >= 4 && IsHighSurrogate(WideUnitAt(rest, 0)) &&
                    IsLowSurrogate(WideUnitAt(rest, 1));
  return pair ? 4 : 2;
}

// Converts all of `input` onto the end of `output`, whose units are bytes or UTF-16 units; every
// sequence iconv rejects is replaced and conversion goes on after it. False when either charset
// is unknown to iconv.
template <typename Output>
bool Recode(const char* to, const char* from, std::string_view input, std::basic_string_view<typename Output::value_type> replacement,
            InvalidLength invalidLength, bool* replaced, Output* output) {
  using Unit = typename Output::value_type;
  const iconv_t converter = Converter(to, from);
  if (converter == reinterpret_cast<iconv_t>(-1)) return false;
  char* in = const_cast<char*>(input.data());
  std::size_t inLeft = input.size();
  std::size_t written = output->size();
  // Enough for most texts at once: a UTF-16 unit or a byte out for each byte in.
  output->resize(written + input.size() + 4);
  while (inLeft > 0) {
    char* out = reinterpret_cast<char*>(output->data() + written);
    std::size_t outLeft = (output->size() - written) * sizeof(Unit);
    const std::size_t result = iconv(converter, &in, &inLeft, &out, &outLeft);
    written = output->size() - outLeft / sizeof(Unit);
    if (result != static_cast<std::size_t>(-1)) break;
    if (errno == E2BIG) {
      output->resize(output->size() * 2);
      continue;
    }
    // EILSEQ: an invalid or unmappable sequence; EINVAL: the input ends inside one.
    const std::size_t skip =
        errno == EILSEQ ? std::min(invalidLength(std::string_view(in, inLeft)), inLeft) : inLeft;
    output->resize(written);
    output->append(replacement);
    written = output->size();
    output->resize(written + inLeft + 4);
    in += skip;
    inLeft -= skip;
    *replaced = true;
  }
  output->resize(written);
  return true;
}

template <typename Unit>
bool IsAsciiUnit(Unit unit) {
  return static_cast<std::make_unsigned_t<Unit>>(unit) < 0x80;
}

// ASCII is the same in every charset here, so it is copied as it stands and only the runs between
// go through `recodeRun`; `runEnd` tells where a run that begins at a position ends. False when
// a run fails.
template <typename Unit, typename Output, typename RunEnd, typename RecodeRun>
bool ConvertAroundAscii(std::basic_string_view<Unit> input, Output* output, RunEnd runEnd, RecodeRun recodeRun) {
  output->reserve(input.size());
  std::size_t i = 0;
  while (i < input.size()) {
    const auto ascii = input.begin() + static_cast<std::ptrdiff_t>(i);
    const auto nonAscii = std::find_if_not(ascii, input.end(), IsAsciiUnit<Unit>);
    output->append(ascii, nonAscii);
    i = static_cast<std::size_t>(nonAscii - input.begin());
    if (i == input.size()) break;
    const std::size_t end = runEnd(input, i);
    if (!recodeRun(input.substr(i, end - i))) return false;
    i = end;
  }
  return true;
}

// A byte of 0x80 or more is taken with the byte after it, which in the code page may be below
// 0x80; so a run ends at a character start in the code page as in UTF-8.
std::size_t NonAsciiBytesEnd(std::string_view text, std::size_t from) {
  std::size_t end = from;
  while (end < text.size() && !IsAsciiUnit(text[end])) end = std::min(end + 2, text.size());
  return end;
}

std::size_t NonAsciiUnitsEnd(std::u16string_view wide, std::size_t from) {
  return static_cast<std::size_t>(std::find_if(wide.begin() + static_cast<std::ptrdiff_t>(from), wide.end(), IsAsciiUnit<char16_t>) - wide.begin());
}

std::optional<std::u16string> DecodeToWide(UINT codePage, std::string_view text, bool* replaced) {
  const char* charset = CharsetOf(codePage);
  if (!charset) return std::nullopt;
  std::u16string wide;
  const bool converted = ConvertAroundAscii(text, &wide, NonAsciiBytesEnd, [&](std::string_view run) {
    return Recode(kWideCharset.data(), charset, run, std::u16string_view(&kWideReplacement, 1), OneByte, replaced, &wide);
  });
  return converted ? std::optional(std::move(wide)) : std::nullopt;
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
  const std::string_view replacement =
      codePage == CP_UTF8 ? kUtf8Replacement : DefaultCharacter(defaultChar);
  std::string bytes;
  const bool converted = ConvertAroundAscii(wide, &bytes, NonAsciiUnitsEnd, [&](std::u16string_view run) {
    const std::string_view units(reinterpret_cast<const char*>(run.data()), run.size() * sizeof(char16_t));
    return Recode(charset, kWideCharset.data(), units, replacement, OneWideCharacter, usedDefault, &bytes);
  });
  return converted ? std::optional(std::move(bytes)) : std::nullopt;
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
template <typename Unit>
bool IsAscii(std::basic_string_view<Unit> text) {
  return std::all_of(text.begin(), text.end(), IsAsciiUnit<Unit>);
}

std::optional<QString> ToQString(const std::string& text, bool* replaced) {
  if (IsAscii(std::string_view(text))) return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
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
