#include "editor/search_expression.h"

#include <cstddef>
#include <vector>

namespace {

// What the component compiles an expression into, as far as its checks look at it: the kind of
// the last step, and how many bytes the steps take. The expression's bytes are read as the
// component reads them, up to a NUL that ends them.
enum class Step { None, Character, Set, LineStart, GroupStart, GroupEnd, WordStart, WordEnd, Reference, Repeat, Optional, Other };

constexpr std::size_t kCharacterBytes = 2;
constexpr std::size_t kSetBytes = 33;  // the step and a bit for each of 256 bytes
constexpr std::size_t kRoom = 4096 - 32 - 10;
constexpr int kMostGroups = 9;

bool IsWordByte(unsigned char c) {
  return c >= 0x80 || (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}

bool IsHexDigit(unsigned char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

class ExpressionCheck {
 public:
  ExpressionCheck(std::string_view expression, bool matchCase) : text_(expression), matchCase_(matchCase) {}

  bool Compiles() {
    for (at_ = 0; at_ < text_.size(); ++at_) {
      if (size_ > kRoom) return false;
      if (!TakeStepAt()) return false;
    }
    return openGroups_.empty();
  }

 private:
  unsigned char Byte(std::size_t position) const {
    return position < text_.size() ? static_cast<unsigned char>(text_[position]) : '\0';
  }

  void Add(Step step, std::size_t bytes) {
    lastStart_ = size_;
    last_ = step;
    size_ += bytes;
  }

  // A backslash and what follows it stand for one character or a set (\d \D \s \S \w \W); the
  // bytes that \xHH takes beyond the x are skipped. True for a set.
  bool TakeEscape() {
    const unsigned char escaped = Byte(at_);
    if (escaped == 'x' && IsHexDigit(Byte(at_ + 1)) && IsHexDigit(Byte(at_ + 2))) at_ += 2;
    switch (escaped) {
      case 'd': case 'D': case 's': case 'S': case 'w': case 'W': return true;
      default: return false;
    }
  }

  bool TakeStepAt() {
    const unsigned char c = Byte(at_);
    switch (c) {
      case '.': Add(Step::Other, 1); return true;
      case '^': Add(at_ == 0 ? Step::LineStart : Step::Character, at_ == 0 ? 1 : kCharacterBytes); return true;
      case '$': Add(Byte(at_ + 1) == '\0' ? Step::Other : Step::Character, Byte(at_ + 1) == '\0' ? 1 : kCharacterBytes); return true;
      case '[': return TakeSet();
      case '*': case '+': case '?': return TakeRepetition(c);
      case '\\': ++at_; return TakeBackslash();
      default: Add(Step::Character, matchCase_ || !IsWordByte(c) ? kCharacterBytes : kSetBytes); return true;
    }
  }

  // "]" and "-" first in the set are themselves; a "-" between two characters is a range, and
  // one after a set escape or before the "]" is itself.
  bool TakeSet() {
    ++at_;
    if (Byte(at_) == '^') ++at_;
    bool lastWasCharacter = true;
    for (const unsigned char literal : {'-', ']'}) {
      if (Byte(at_) == literal) ++at_;
    }
    while (Byte(at_) != '\0' && Byte(at_) != ']') {
      if (Byte(at_) == '-' && lastWasCharacter && Byte(at_ + 1) != ']') {
        if (Byte(at_ + 1) == '\0') return false;
        ++at_;
        if (Byte(at_) == '\\') {
          if (Byte(at_ + 1) == '\0') return false;
          ++at_;
          TakeEscape();
        }
        lastWasCharacter = true;  // a range, or a "-" taken as itself before a set escape
      } else if (Byte(at_) == '\\' && Byte(at_ + 1) != '\0') {
        ++at_;
        lastWasCharacter = !TakeEscape();
      } else {
        lastWasCharacter = true;
      }
      ++at_;
    }
    if (Byte(at_) == '\0') return false;
    Add(Step::Set, kSetBytes);
    return true;
  }

  // Repeats the step before it; nothing to repeat, or a step that takes no character, fails.
  bool TakeRepetition(unsigned char c) {
    if (at_ == 0) return false;
    if (last_ == Step::Repeat) return true;
    switch (last_) {
      case Step::LineStart: case Step::GroupStart: case Step::GroupEnd: case Step::WordStart: case Step::WordEnd:
      case Step::Reference:
        return false;
      default:
        break;
    }
    if (c == '+') size_ += size_ - lastStart_;
    size_ += 2;
    last_ = c == '?' ? Step::Optional : Step::Repeat;
    return true;
  }

  bool TakeBackslash() {
    const unsigned char c = Byte(at_);
    if (c == '<') {
      Add(Step::WordStart, 1);
    } else if (c == '>') {
      if (last_ == Step::WordStart) return false;
      Add(Step::WordEnd, 1);
    } else if (c >= '1' && c <= '9') {
      const int group = c - '0';
      if (!openGroups_.empty() && openGroups_.back() == group) return false;
      if (group > groups_) return false;
      Add(Step::Reference, kCharacterBytes);
    } else if (c == '(') {
      if (groups_ == kMostGroups) return false;
      openGroups_.push_back(++groups_);
      Add(Step::GroupStart, kCharacterBytes);
    } else if (c == ')') {
      if (last_ == Step::GroupStart || openGroups_.empty()) return false;
      openGroups_.pop_back();
      Add(Step::GroupEnd, kCharacterBytes);
    } else {
      Add(Step::Character, TakeEscape() ? kSetBytes : kCharacterBytes);
    }
    return true;
  }

  std::string_view text_;
  bool matchCase_;
  std::size_t at_ = 0;
  std::size_t size_ = 0;
  std::size_t lastStart_ = 0;
  Step last_ = Step::None;
  int groups_ = 0;
  std::vector<int> openGroups_;
};

}  // namespace

bool SearchExpressionCompiles(std::string_view expression, bool matchCase) {
  return ExpressionCheck(expression, matchCase).Compiles();
}
