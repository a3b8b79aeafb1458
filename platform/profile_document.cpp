#include "platform/profile_document.h"

#include "platform/ansi_text.h"

namespace platform {
namespace {

constexpr std::string_view kBlanks = " \t\r\v\f";
constexpr const char* kNewLine = "\r\n";

std::string_view Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(kBlanks);
  return first == std::string_view::npos ? std::string_view() : ProfileTrimmedEnd(text.substr(first));
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

bool HoldsLineBreak(std::string_view text) { return text.find_first_of("\r\n") != text.npos; }

// Whether the line reads as an entry of that kind and name.
bool ReadsAs(const std::string& content, ProfileEntry::Kind kind, std::string_view name) {
  const ProfileEntry entry = ParseLine(content);
  return entry.kind == kind && AnsiEqualsIgnoringCase(entry.name, name);
}

}  // namespace

std::string_view ProfileTrimmedEnd(std::string_view text) {
  const std::size_t last = text.find_last_not_of(kBlanks);
  return last == std::string_view::npos ? std::string_view() : text.substr(0, last + 1);
}

ProfileDocument::ProfileDocument(std::string_view bytes) { Parse(bytes); }

bool ProfileDocument::Storable(std::string_view section, std::string_view key, std::string_view value) {
  return !HoldsLineBreak(section) && !HoldsLineBreak(key) && !HoldsLineBreak(value) && key.front() != '[' &&
         FindAtCharStart(key, '=', false) == std::string_view::npos;
}

void ProfileDocument::Parse(std::string_view bytes) {
  blocks_.assign(1, Block{});
  sections_.clear();
  for (std::size_t begin = 0; begin < bytes.size();) {
    const std::size_t newline = bytes.find('\n', begin);
    std::size_t contentEnd = bytes.size();
    std::size_t end = bytes.size();
    if (newline != std::string_view::npos) {
      end = newline + 1;
      contentEnd = newline > begin && bytes[newline - 1] == '\r' ? newline - 1 : newline;
    }
    AddLine({std::string(bytes.substr(begin, contentEnd - begin)), std::string(bytes.substr(contentEnd, end - contentEnd))});
    begin = end;
  }
}

void ProfileDocument::AddLine(Line line) {
  const ProfileEntry entry = ParseLine(line.content);
  if (entry.kind == ProfileEntry::kSection) {
    sections_.try_emplace(AnsiFoldCase(entry.name), blocks_.size());
    blocks_.emplace_back();
  }
  Block& block = blocks_.back();
  const std::size_t index = block.lines.size();
  if (entry.kind == ProfileEntry::kKey) block.keys.try_emplace(AnsiFoldCase(entry.name), index);
  if (entry.kind != ProfileEntry::kBlank) block.lastEntry = index;
  block.lines.push_back(std::move(line));
}

std::optional<std::string> ProfileDocument::Value(std::string_view section, std::string_view key) const {
  const auto found = sections_.find(AnsiFoldCase(section));
  if (found == sections_.end()) return std::nullopt;
  const Block& block = blocks_[found->second];
  const auto line = block.keys.find(AnsiFoldCase(key));
  if (line == block.keys.end()) return std::nullopt;
  return std::string(ParseLine(block.lines[line->second].content).value);
}

void ProfileDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
  const std::string entry = std::string(key) + "=" + std::string(value);
  // A name that a written line does not give back (one that ends in half a double-byte
  // character) leaves the lines right but their index wrong: it is built again from the text.
  if (!SetInPlace(section, key, entry)) Parse(Bytes());
}

bool ProfileDocument::SetInPlace(std::string_view section, std::string_view key, const std::string& entry) {
  const auto found = sections_.find(AnsiFoldCase(section));
  if (found == sections_.end()) {
    if (Line* last = LastLine(); last != nullptr && last->ending.empty()) last->ending = kNewLine;
    AddLine({"[" + std::string(section) + "]", kNewLine});
    AddLine({entry, kNewLine});
    return ReadsAs(blocks_.back().lines.front().content, ProfileEntry::kSection, section) &&
           ReadsAs(entry, ProfileEntry::kKey, key);
  }
  Block& block = blocks_[found->second];
  if (const auto line = block.keys.find(AnsiFoldCase(key)); line != block.keys.end()) {
    block.lines[line->second].content = entry;
    return ReadsAs(entry, ProfileEntry::kKey, key);
  }
  // Only blank lines follow the last entry, so no key's line moves.
  Line& after = block.lines[block.lastEntry];
  const bool ended = !after.ending.empty();
  if (!ended) after.ending = kNewLine;
  const std::size_t index = ++block.lastEntry;
  block.lines.insert(block.lines.begin() + static_cast<std::ptrdiff_t>(index), Line{entry, ended ? kNewLine : ""});
  block.keys.emplace(AnsiFoldCase(key), index);
  return ReadsAs(entry, ProfileEntry::kKey, key);
}

ProfileDocument::Line* ProfileDocument::LastLine() {
  for (auto block = blocks_.rbegin(); block != blocks_.rend(); ++block) {
    if (!block->lines.empty()) return &block->lines.back();
  }
  return nullptr;
}

std::string ProfileDocument::Bytes() const {
  std::string bytes;
  for (const Block& block : blocks_) {
    for (const Line& line : block.lines) bytes.append(line.content).append(line.ending);
  }
  return bytes;
}

}  // namespace platform
