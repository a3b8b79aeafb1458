#include "platform/ini_file.h"

#include <optional>
#include <string_view>
#include <vector>

#include "platform/ansi_text.h"
#include "platform/file_system.h"

namespace platform {
namespace {

constexpr std::string_view kBlanks = " \t\r\v\f";
constexpr std::string_view kNewLine = "\r\n";

// A caller's text ends at its first NUL, as a C string would.
std::string_view Text(const std::string& text) { return text.c_str(); }

std::string_view TrimmedEnd(std::string_view text) {
  const std::size_t last = text.find_last_not_of(kBlanks);
  return last == std::string_view::npos ? std::string_view() : text.substr(0, last + 1);
}

std::string_view Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(kBlanks);
  return first == std::string_view::npos ? std::string_view() : TrimmedEnd(text.substr(first));
}

std::string_view WithoutLeadingControls(std::string_view text) {
  while (!text.empty() && static_cast<unsigned char>(text.front()) <= 0x20) text.remove_prefix(1);
  return text;
}

std::string_view RequestedName(const std::string& name) {
  return TrimmedEnd(WithoutLeadingControls(Text(name)));
}

// The position of the first (or last) `wanted` byte that starts a character.
std::size_t FindAtCharStart(std::string_view text, char wanted, bool last) {
  std::size_t found = std::string_view::npos;
  for (std::size_t pos = 0; pos < text.size(); pos += AnsiCharLength(text, pos)) {
    if (text[pos] != wanted) continue;
    found = pos;
    if (!last) break;
  }
  return found;
}

struct ProfileLine {
  std::size_t begin = 0;
  std::size_t contentEnd = 0;  // where its line ending starts
  std::size_t end = 0;         // after its line ending
};

std::vector<ProfileLine> SplitLines(std::string_view file) {
  std::vector<ProfileLine> lines;
  for (std::size_t begin = 0; begin < file.size();) {
    const std::size_t newline = file.find('\n', begin);
    ProfileLine line{begin, file.size(), file.size()};
    if (newline != std::string_view::npos) {
      line.end = newline + 1;
      line.contentEnd = newline > begin && file[newline - 1] == '\r' ? newline - 1 : newline;
    }
    lines.push_back(line);
    begin = line.end;
  }
  return lines;
}

struct ProfileEntry {
  enum Kind { kBlank, kSection, kKey, kOther } kind = kBlank;
  std::string_view name;
  std::string_view value;
};

ProfileEntry ParseLine(std::string_view content) {
  const std::string_view line = Trimmed(content);
  if (line.empty()) return {};
  if (line.front() == '[') {
    const std::string_view inside = line.substr(1);
    const std::size_t close = FindAtCharStart(inside, ']', true);
    return {ProfileEntry::kSection, Trimmed(inside.substr(0, close)), {}};
  }
  const std::size_t equals = FindAtCharStart(line, '=', false);
  if (equals == std::string_view::npos) return {ProfileEntry::kOther, {}, {}};
  return {ProfileEntry::kKey, Trimmed(line.substr(0, equals)), Trimmed(line.substr(equals + 1))};
}

// Where a key stands in a file: its section's header line, its own line, or, when the section
// lacks the key, the section's last line that is not blank.
struct KeyLocation {
  std::vector<ProfileLine> lines;
  std::optional<std::size_t> section;
  std::optional<std::size_t> key;
  std::string_view value;
  std::size_t lastEntry = 0;
};

KeyLocation Locate(std::string_view file, std::string_view section, std::string_view key) {
  KeyLocation found;
  found.lines = SplitLines(file);
  for (std::size_t i = 0; i < found.lines.size(); ++i) {
    const ProfileLine& line = found.lines[i];
    const ProfileEntry entry = ParseLine(file.substr(line.begin, line.contentEnd - line.begin));
    if (!found.section) {
      if (entry.kind == ProfileEntry::kSection && AnsiEqualsIgnoringCase(entry.name, section)) {
        found.section = found.lastEntry = i;
      }
      continue;
    }
    if (entry.kind == ProfileEntry::kSection) break;
    if (entry.kind != ProfileEntry::kBlank) found.lastEntry = i;
    if (entry.kind == ProfileEntry::kKey && AnsiEqualsIgnoringCase(entry.name, key)) {
      found.key = i;
      found.value = entry.value;
      break;
    }
  }
  return found;
}

std::string_view WithinValueLimit(std::string_view value) { return AnsiPrefix(value, kProfileValueLimit); }

bool HoldsLineBreak(std::string_view text) { return text.find_first_of("\r\n") != text.npos; }

// A key that reads back as the same key from the line it is written to.
bool StorableKey(std::string_view key) {
  return !HoldsLineBreak(key) && key.front() != '[' &&
         FindAtCharStart(key, '=', false) == std::string_view::npos;
}

// The file's bytes with the key set, or nothing when the file exists but cannot be read.
std::optional<std::string> WithKeySet(const std::string& fileName, std::string_view section,
                                      std::string_view key, std::string_view value) {
  std::string file;
  if (PathExists(fileName)) {
    auto bytes = ReadWholeFile(fileName);
    if (!bytes) return std::nullopt;
    file = std::move(*bytes);
  }
  const std::string entry = std::string(key) + "=" + std::string(value);
  const KeyLocation found = Locate(file, section, key);
  if (found.key) {
    const ProfileLine& line = found.lines[*found.key];
    file.replace(line.begin, line.contentEnd - line.begin, entry);
  } else if (found.section) {
    const ProfileLine& after = found.lines[found.lastEntry];
    const bool ended = after.contentEnd != after.end;
    file.insert(after.end, ended ? entry + std::string(kNewLine) : std::string(kNewLine) + entry);
  } else {
    if (!file.empty() && file.back() != '\n') file += kNewLine;
    file += "[" + std::string(section) + "]" + std::string(kNewLine) + entry + std::string(kNewLine);
  }
  return file;
}

}  // namespace

std::string GetPrivateProfileStringA(const std::string& section, const std::string& key,
                                     const std::string& defaultValue, const std::string& fileName) {
  const std::string_view sectionName = RequestedName(section);
  const std::string_view keyName = RequestedName(key);
  const std::string file(WithoutLeadingControls(Text(fileName)));
  if (sectionName.empty() || keyName.empty() || file.empty()) return std::string();
  const auto bytes = ReadWholeFile(file);
  if (bytes) {
    const KeyLocation found = Locate(*bytes, sectionName, keyName);
    if (found.key) return std::string(WithinValueLimit(found.value));
  }
  return std::string(WithinValueLimit(TrimmedEnd(Text(defaultValue))));
}

bool WritePrivateProfileStringA(const std::string& section, const std::string& key,
                                const std::string& value, const std::string& fileName) {
  const std::string_view sectionName = RequestedName(section);
  const std::string_view keyName = RequestedName(key);
  const std::string file(WithoutLeadingControls(Text(fileName)));
  if (sectionName.empty() || keyName.empty() || file.empty()) return false;
  if (HoldsLineBreak(sectionName) || !StorableKey(keyName) || HoldsLineBreak(Text(value))) {
    return false;
  }
  const auto updated = WithKeySet(file, sectionName, keyName, Text(value));
  return updated && WriteWholeFile(file, *updated);
}

}  // namespace platform
