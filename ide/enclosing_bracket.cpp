#include "ide/enclosing_bracket.h"

#include "ide/app_globals.h"

namespace {

// BraceHighlight's way of highlighting nothing.
constexpr int kNoBracket = -2;
constexpr int kNoPartner = -1;

bool IsOpeningBracket(int c) { return c == '(' || c == '{'; }

}  // namespace

// Scans back from the caret to the start of its line for the first opening bracket that is not
// closed before the caret. Matching is symmetric, so an opening bracket is paired with a
// closing one between it and the caret exactly when its own partner lies there: asking each
// opening bracket for its partner gives the same answer as collecting the partners of the
// closing brackets met on the way, without matching every closing bracket (an unmatched one
// searches back to the start of the text, which on a long line of them would freeze the view).
// A bracket is a single byte in UTF-8 and never part of another character, so bytes are read.
void HighlightEnclosingBracket() {
  const int caret = Editor->GetCurrentPos();
  const int lineStart = Editor->PositionFromLine(Editor->GetCurrentLine());
  for (int position = caret - 1; position >= lineStart; --position) {
    if (!IsOpeningBracket(Editor->GetCharAt(position))) continue;
    const int partner = Editor->BraceMatch(position);
    if (partner > position && partner < caret) continue;
    Editor->BraceHighlight(position, partner);
    return;
  }
  Editor->BraceHighlight(kNoBracket, kNoPartner);
}
