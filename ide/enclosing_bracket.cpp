#include "ide/enclosing_bracket.h"

#include <array>
#include <optional>
#include <string_view>

#include "editor/range_bytes.h"
#include "ide/app_globals.h"

namespace {

// BraceHighlight's way of highlighting nothing.
constexpr int kNoBracket = -2;
constexpr int kNoPartner = -1;

bool IsOpeningBracket(char c) { return c == '(' || c == '{'; }
bool IsClosingBracket(char c) { return c == ')' || c == '}'; }
bool IsParenthesis(char c) { return c == '(' || c == ')'; }

// BraceMatch pairs a bracket with the first bracket of the opposite side, of its kind and its
// style, at which the brackets of that kind and style between them balance. Counted back from
// the caret, an opening bracket is therefore closed before the caret exactly when a closing
// bracket of its kind and style stands between them unpaired. So one pass with a count per kind
// and style gives BraceMatch's answer, where asking BraceMatch at every opening bracket would
// scan ahead from each. It holds only where the text is styled.
std::optional<int> FirstUnclosedByCounting(std::string_view line, int lineStart) {
  std::array<std::array<int, 256>, 2> unpaired{};
  for (std::size_t i = line.size(); i > 0; --i) {
    const char c = line[i - 1];
    if (!IsOpeningBracket(c) && !IsClosingBracket(c)) continue;
    const int position = lineStart + static_cast<int>(i - 1);
    int& count = unpaired[IsParenthesis(c) ? 0 : 1][static_cast<unsigned char>(Editor->GetStyleAt(position))];
    if (IsClosingBracket(c)) {
      ++count;
    } else if (count == 0) {
      return position;
    } else {
      --count;
    }
  }
  return std::nullopt;
}

// Matching is symmetric, so an opening bracket is paired with a closing one between it and the
// caret exactly when its own partner lies there: asking each opening bracket for its partner
// gives the same answer as collecting the partners of the closing brackets met on the way,
// without matching every closing bracket (an unmatched one searches back to the start of the
// text, which on a long line of them would freeze the view).
std::optional<int> FirstUnclosedByMatching(std::string_view line, int lineStart, int caret) {
  for (std::size_t i = line.size(); i > 0; --i) {
    if (!IsOpeningBracket(line[i - 1])) continue;
    const int position = lineStart + static_cast<int>(i - 1);
    const int partner = Editor->BraceMatch(position);
    if (partner <= position || partner >= caret) return position;
  }
  return std::nullopt;
}

}  // namespace

// Scans back from the caret to the start of its line for the first opening bracket that is not
// closed before the caret. A bracket is a single byte in UTF-8 and never part of another
// character, so the line's bytes are read in one piece.
void HighlightEnclosingBracket() {
  const int caret = Editor->GetCurrentPos();
  const int lineStart = Editor->PositionFromLine(Editor->GetCurrentLine());
  const std::string_view line = RangeBytes(*Editor, lineStart, caret);
  const std::optional<int> found = Editor->GetEndStyled() >= caret ? FirstUnclosedByCounting(line, lineStart)
                                                                   : FirstUnclosedByMatching(line, lineStart, caret);
  if (found) {
    Editor->BraceHighlight(*found, Editor->BraceMatch(*found));
  } else {
    Editor->BraceHighlight(kNoBracket, kNoPartner);
  }
}
