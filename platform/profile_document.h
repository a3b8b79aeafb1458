// A settings file of the private-profile kind, parsed once: keys are looked up and set without
// going through the whole text again, and its bytes are at every step what the same reads and
// writes, each on the text itself, would give. Names are compared as ini_file.h says.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace platform {

// The text without its trailing blanks (spaces, tabs and the other white-space controls).
std::string_view ProfileTrimmedEnd(std::string_view text);

class ProfileDocument {
 public:
  explicit ProfileDocument(std::string_view bytes = {});

  // Whether a line can hold the key and value so that they read back as written: no line
  // break anywhere; no '=' in the key, which does not begin with '['.
  static bool Storable(std::string_view section, std::string_view key, std::string_view value);

  // The key's value, trimmed of surrounding blanks, in the first section of that name; nothing
  // when the section or the key is missing.
  std::optional<std::string> Value(std::string_view section, std::string_view key) const;
  // Sets a storable key: its line is rewritten in place; a new key goes after its section's
  // last line that is not blank; a new section goes at the end. New lines end with CR LF.
  void Set(std::string_view section, std::string_view key, std::string_view value);

  std::string Bytes() const;

 private:
  struct Line {
    std::string content;  // without its line ending
    std::string ending;   // CR LF, LF, or nothing on a last line without one
  };
  // The lines of one section, its header first; the lines before the first section are a
  // block without a header.
  struct Block {
    std::vector<Line> lines;
    std::unordered_map<std::string, std::size_t> keys;  // folded name: the line of its first key
    std::size_t lastEntry = 0;                          // the last line that is not blank
  };

  void Parse(std::string_view bytes);
  void AddLine(Line line);
  // False when a written line does not read back as the entry it was written for.
  bool SetInPlace(std::string_view section, std::string_view key, const std::string& entry);
  Line* LastLine();

  std::vector<Block> blocks_;
  std::unordered_map<std::string, std::size_t> sections_;  // folded name: its first block
};

}  // namespace platform
