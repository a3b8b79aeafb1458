#include "ide/completion_index.h"

#include <utility>
#include <vector>

#include "ide/app_globals.h"
#include "ide/pinyin_abbreviation.h"
#include "ide/regex_wrapper.h"
#include "platform/ansi_text.h"

std::string BuildCompletionIndex(std::initializer_list<std::string_view> wordLists) {
  std::vector<std::string_view> elements;
  for (const std::string_view list : wordLists) {
    const std::vector<std::string_view> words = platform::AnsiSplit(list, ' ');
    elements.insert(elements.end(), words.begin(), words.end());
  }
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
