#include "ide/completion_index.h"

#include <utility>

#include "ide/app_globals.h"
#include "ide/pinyin_abbreviation.h"
#include "ide/regex_wrapper.h"
#include "platform/ansi_text.h"

std::string BuildCompletionIndex(const std::string& words) {
  const auto elements = platform::AnsiSplit(words, ' ');
  std::string index;
  // Appending from the last element gives the same text as prepending each line in turn,
  // without copying the index once per word.
  for (auto element = elements.rbegin(); element != elements.rend(); ++element) {
    const std::string word(*element);
    index.append(MakePinyinAbbreviation(word)).append(kCompletionIndexMark).append(word).append("\r\n");
  }
  return index;
}

void SetCompletionIndex(std::string index) {
  CompletionIndex = std::move(index);
  CompletionIndexWide = RegexText(CompletionIndex);
}

std::string ExpandTextPlaceholders(const std::string& text) {
  const std::string quoted = platform::AnsiReplaceAll(text, "#引号", "\"");
  return platform::AnsiReplaceAll(quoted, "#换行符", "\r\n");
}
