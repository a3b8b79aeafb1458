#include "ide/text_file.h"

#include "platform/file_system.h"

std::string ReadTextFile(const std::string& path, bool* cutAtNul) {
  std::string text = platform::ReadWholeFile(path).value_or(std::string());
  const std::size_t nul = text.find('\0');
  if (cutAtNul != nullptr) *cutAtNul = nul != std::string::npos;
  if (nul != std::string::npos) text.resize(nul);
  return text;
}
