// The completion index: one line per word of the word lists, abbreviation + "★" + word + CR LF,
// the last word's line first.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

constexpr const char* kCompletionIndexMark = "★";

// Each word list split on single blanks on its own, so that the last word of a list that does
// not end in a blank stays apart from the first word of the next; every element gives a line,
// duplicates and empty elements included, the last list's last element first.
std::string BuildCompletionIndex(std::initializer_list<std::string_view> wordLists);
// Makes `index` CompletionIndex, with the form the completion search reads beside it.
void SetCompletionIndex(std::string index);

// The completion pattern's placeholders: "#引号" becomes a double quote, then "#换行符" CR LF.
std::string ExpandTextPlaceholders(const std::string& text);
