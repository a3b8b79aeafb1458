// The regular-expression object the completion list searches with, over QRegularExpression:
// a pattern with the flags IgnoreCase, Global and Multiline, Test, and Execute giving a match
// collection. The searched text is UTF-16, as the system object takes it; the other texts cross
// in the program's 8-bit code page. Positions and lengths count UTF-16 units of the searched text. \b, \w and \s are ASCII, and the dot matches CR but not LF.
#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace platform {

class RegExpMatches;

class RegExp {
 public:
  void SetPattern(const std::string& pattern);
  std::string Pattern() const;
  void SetIgnoreCase(bool on);
  void SetGlobal(bool on);
  void SetMultiline(bool on);

  // False for an invalid pattern as for no match.
  bool Test(std::u16string_view text) const;
  // Every non-overlapping match from left to right when Global is on, else the first one;
  // null for an invalid pattern.
  std::shared_ptr<const RegExpMatches> Execute(std::u16string_view text) const;

 private:
  std::string pattern_;
  bool ignoreCase_ = false;
  bool global_ = false;
  bool multiline_ = false;
};

// The matches keep the searched text and convert a value only when it is asked for. Matches
// and their groups count from 0.
class RegExpMatches {
 public:
  struct State;
  explicit RegExpMatches(std::unique_ptr<State> state);
  ~RegExpMatches();

  int Count() const;
  // An accessor of a match or group that does not exist fails: false, its result untouched.
  bool Value(int item, std::string* value) const;
  bool FirstIndex(int item, int* index) const;
  bool Length(int item, int* length) const;
  // A group that took part in no match reads as the empty text.
  bool SubMatch(int item, int index, std::string* value) const;

 private:
  std::unique_ptr<State> state_;
};

}  // namespace platform
