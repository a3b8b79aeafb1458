#include "ide/recent_files.h"

#include "ide/data_files.h"
#include "platform/ansi_text.h"
#include "platform/file_system.h"

void AddRecentFile(const std::string& path) {
  const std::string recentFile = DataPath(data_file::RecentAdded);
  const std::string bytes = platform::ReadWholeFile(recentFile).value_or(std::string());
  platform::WriteWholeFile(recentFile, bytes + path + "\r\n");
}

std::vector<std::string> SplitRecentEntries(const std::string& text) {
  const std::vector<std::string_view> pieces = platform::AnsiSplit(text, "\r\n");
  return std::vector<std::string>(pieces.begin(), pieces.end());
}

std::string RecentFileName(const std::string& entry) {
  const std::size_t slash = platform::AnsiFindLast(entry, "/");
  return slash == std::string::npos ? entry : entry.substr(slash + 1);
}
