#include "ide/ini_values.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "platform/ini_file.h"

int DecimalTextValue(const std::string& text) {
  std::size_t pos = text.find_first_not_of(" \t");
  if (pos == std::string::npos) return 0;
  const bool negative = text[pos] == '-';
  if (text[pos] == '-' || text[pos] == '+') ++pos;
  constexpr std::int64_t limit = std::int64_t{std::numeric_limits<int>::max()} + 1;
  std::int64_t magnitude = 0;
  for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos) {
    magnitude = std::min(magnitude * 10 + (text[pos] - '0'), limit);
  }
  const std::int64_t value = negative ? -magnitude : magnitude;
  return static_cast<int>(
      std::clamp<std::int64_t>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

int ReadIniInteger(const std::string& section, const std::string& key, const std::string& defaultValue,
                   const std::string& fileName) {
  return DecimalTextValue(platform::GetPrivateProfileStringA(section, key, defaultValue, fileName));
}
