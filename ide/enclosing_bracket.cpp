#include "ide/enclosing_bracket.h"

#include <unordered_set>

#include "ide/app_globals.h"

namespace {

// BraceHighlight's way of highlighting nothing.
constexpr int kNoBracket = -2;
constexpr int kNoPartner = -1;

bool IsClosingBracket(int c) { return c == ')' || c == '}'; }
bool IsOpeningBracket(int c) { return c == '(' || c == '{'; }

}  // namespace

// Scans back from the caret to the start of its line. An opening bracket whose partner is a
// closing bracket met on the way is closed before the caret; the first other one encloses it.
// The bytes are read one by one: a bracket is a single byte in UTF-8 and never part of another
// character, so the byte is the character.
void HighlightEnclosingBracket() {
  const int caret = Editor->GetCurrentPos();
  const int lineStart = Editor->PositionFromLine(Editor->GetCurrentLine());
  std::unordered_set<int> partnersOfClosers;
  for (int position = caret - 1; position >= lineStart; --position) {
    const int c = Editor->GetCharAt(position);
    if (IsClosingBracket(c)) {
      partnersOfClosers.insert(Editor->BraceMatch(position));
    } else if (IsOpeningBracket(c) && !partnersOfClosers.contains(position)) {
      Editor->BraceHighlight(position, Editor->BraceMatch(position));
      return;
    }
  }
  Editor->BraceHighlight(kNoBracket, kNoPartner);
}
