// Completion by pinyin initials: a word's abbreviation keeps its ASCII characters and puts the
// first letter of the reading in place of each GB2312 hanzi.
#pragma once

#include <string>

std::string MakePinyinAbbreviation(const std::string& word);
