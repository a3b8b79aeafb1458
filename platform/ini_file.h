// Settings files of the private-profile kind: "[section]" lines, then "key=value" lines.
// Texts are 8-bit code-page texts, each taken up to its first NUL. Section and key names are
// compared without regard to the case of ASCII letters (a double-byte character matches only
// itself) after skipping their leading blanks and control characters and trimming their
// trailing blanks; keys and values read from the file are trimmed of surrounding blanks. The
// first matching section and, in it, the first matching key count.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "platform/profile_document.h"

namespace platform {

// The largest value that arrives, as through a 10240-byte buffer with its terminator.
constexpr std::size_t kProfileValueLimit = 10239;

// The key's value, or the default (without its trailing blanks) when the file, section or key
// is missing. An empty file name, section or key reads as the empty text. A longer value is
// cut to kProfileValueLimit bytes, dropping a double-byte character that the cut would halve.
std::string GetPrivateProfileStringA(const std::string& section, const std::string& key,
                                     const std::string& defaultValue, const std::string& fileName);

// A file read and parsed once, for a caller that reads many of its keys (the tips of a word
// list): each key reads as GetPrivateProfileStringA would have read it when the file was read.
class ProfileFile {
 public:
  explicit ProfileFile(const std::string& fileName);
  // A caller that writes the value back passes npos as the limit, so that nothing is lost.
  std::string Read(const std::string& section, const std::string& key, const std::string& defaultValue,
                   std::size_t limit = kProfileValueLimit) const;

 private:
  bool named_ = false;
  std::optional<ProfileDocument> document_;
};

// Sets the key, creating the file, the section (at the end of the file) or the key (after the
// section's last entry) as needed; every other byte of the file stays as it was, and new lines
// end with CR LF. Fails, leaving the file untouched, for an empty file name, section or key,
// for names or values that a line cannot hold (a line break; '=' in a key, or a key beginning
// with '['), and when the file cannot be read or written.
bool WritePrivateProfileStringA(const std::string& section, const std::string& key,
                                const std::string& value, const std::string& fileName);

struct ProfileSetting {
  std::string section;
  std::string key;
  std::string value;
};
// Sets every key, in order, as that many WritePrivateProfileStringA calls would, but reads and
// writes the file once. A setting that one call would refuse is left out; true when none was
// and the file was written.
bool WritePrivateProfileStrings(const std::vector<ProfileSetting>& settings, const std::string& fileName);

}  // namespace platform
