// The completion index: one line per word of the word lists, abbreviation + "★" + word + CR LF,
// the last word's line first.
#pragma once

#include <string>

constexpr const char* kCompletionIndexMark = "★";

// `words` is the word lists joined as they are, split on single blanks; every element gives a
// line, duplicates and empty elements included.
std::string BuildCompletionIndex(const std::string& words);
// Makes `index` CompletionIndex, with the form the completion search reads beside it.
void SetCompletionIndex(std::string index);

// The completion pattern's placeholders: "#引号" becomes a double quote, then "#换行符" CR LF.
std::string ExpandTextPlaceholders(const std::string& text);
