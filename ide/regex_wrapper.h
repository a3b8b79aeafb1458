// RegexWrapper: one regular expression, created with its pattern and flags, run over a text,
// with the matches of the last run read by 1-based index. Its two references (the expression
// and the last match collection) may be empty; a match operation on an empty reference gives
// the absent result ("" or -1), while a match or group that does not exist gives "" or 0.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/regexp.h"

// A code-page text in the form the expression searches (UTF-16), for a text that is searched
// again and again and is best converted once.
std::u16string RegexText(const std::string& text);

class RegexWrapper {
 public:
  RegexWrapper() = default;
  ~RegexWrapper();
  RegexWrapper(const RegexWrapper&) = default;
  RegexWrapper& operator=(const RegexWrapper&) = delete;

  void RegexDestroy();
  // Further references to the same expression and match collection, not copies of them.
  RegexWrapper RegexCopy() const;
  // The pattern is not checked here: an invalid one shows when it is run.
  bool RegexCreate(const std::string& pattern, std::optional<bool> ignoreCase = std::nullopt,
                   std::optional<bool> multiline = std::nullopt, std::optional<bool> global = std::nullopt);
  bool RegexTest(const std::string& text);
  // The number of matches; 0 for an invalid pattern.
  int RegexExecute(const std::string& text);
  // The same over a text already in the form the expression searches (RegexText).
  int RegexExecute(const std::u16string& text);
  std::string RegexGetPattern() const;
  std::string RegexMatchValue(int i) const;
  std::string RegexSubMatch(int i, int j) const;
  int RegexMatchFirstIndex(int i) const;
  int RegexMatchLength(int i) const;

  void RegexRelease();

 private:
  bool HasMatches() const { return RegExp && Matches; }

  std::shared_ptr<platform::RegExp> RegExp;
  std::shared_ptr<const platform::RegExpMatches> Matches;
};
