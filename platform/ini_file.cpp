#include "platform/ini_file.h"

#include <optional>
#include <string_view>
#include <vector>

#include "platform/ansi_text.h"
#include "platform/file_system.h"
#include "platform/profile_document.h"

namespace platform {
namespace {

// A caller's text ends at its first NUL, as a C string would.
std::string_view Text(const std::string& text) { return text.c_str(); }

std::string_view WithoutLeadingControls(std::string_view text) {
  while (!text.empty() && static_cast<unsigned char>(text.front()) <= 0x20) text.remove_prefix(1);
  return text;
}

std::string_view RequestedName(const std::string& name) {
  return ProfileTrimmedEnd(WithoutLeadingControls(Text(name)));
}

}  // namespace

ProfileFile::ProfileFile(const std::string& fileName) {
  const std::string file(WithoutLeadingControls(Text(fileName)));
  named_ = !file.empty();
  if (!named_) return;
  if (const std::optional<std::string> bytes = ReadWholeFile(file)) document_.emplace(*bytes);
}

std::string ProfileFile::Read(const std::string& section, const std::string& key, const std::string& defaultValue,
                              std::size_t limit) const {
  const std::string_view sectionName = RequestedName(section);
  const std::string_view keyName = RequestedName(key);
  if (sectionName.empty() || keyName.empty() || !named_) return std::string();
  if (document_) {
    if (const std::optional<std::string> value = document_->Value(sectionName, keyName)) {
      return std::string(AnsiPrefix(*value, limit));
    }
  }
  return std::string(AnsiPrefix(ProfileTrimmedEnd(Text(defaultValue)), limit));
}

std::string GetPrivateProfileStringA(const std::string& section, const std::string& key,
                                     const std::string& defaultValue, const std::string& fileName) {
  return ProfileFile(fileName).Read(section, key, defaultValue);
}

bool WritePrivateProfileStringA(const std::string& section, const std::string& key,
                                const std::string& value, const std::string& fileName) {
  return WritePrivateProfileStrings({{section, key, value}}, fileName);
}

bool WritePrivateProfileStrings(const std::vector<ProfileSetting>& settings, const std::string& fileName) {
  const std::string file(WithoutLeadingControls(Text(fileName)));
  if (file.empty()) return false;
  std::optional<ProfileDocument> document;
  bool allStorable = true;
  for (const ProfileSetting& setting : settings) {
    const std::string_view sectionName = RequestedName(setting.section);
    const std::string_view keyName = RequestedName(setting.key);
    const std::string_view value = Text(setting.value);
    if (sectionName.empty() || keyName.empty() || !ProfileDocument::Storable(sectionName, keyName, value)) {
      allStorable = false;
      continue;
    }
    if (!document) {
      std::optional<std::string> bytes = PathExists(file) ? ReadWholeFile(file) : std::string();
      if (!bytes) return false;
      document.emplace(*bytes);
    }
    document->Set(sectionName, keyName, value);
  }
  if (!document) return false;
  return WriteWholeFile(file, document->Bytes()) && allStorable;
}

}  // namespace platform
