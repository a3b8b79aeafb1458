#include "ide/enclosing_bracket.h"

#include <string_view>

#include "editor/scintilla_messages.h"
#include "ide/app_globals.h"

namespace {

// BraceHighlight's way of highlighting nothing.
constexpr int kNoBracket = -2;
constexpr int kNoPartner = -1;

bool IsOpeningBracket(char c) { return c == '(' || c == '{'; }

// The component's own bytes from start to end, in one piece: a line can be megabytes long, and
// asking for it byte by byte would cost a call per byte. Valid until the text changes.
std::string_view EditorBytes(int start, int end) {
  const auto address = Editor->DirectCall(scintilla::SCI_GETRANGEPOINTER, static_cast<platform::WPARAM>(start),
                                          static_cast<platform::LPARAM>(end - start));
  if (address == 0) return {};
  return {reinterpret_cast<const char*>(address), static_cast<std::size_t>(end - start)};
}

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
  const std::string_view line = EditorBytes(lineStart, caret);
  for (std::size_t i = line.size(); i > 0; --i) {
    if (!IsOpeningBracket(line[i - 1])) continue;
    const int position = lineStart + static_cast<int>(i - 1);
    const int partner = Editor->BraceMatch(position);
    if (partner > position && partner < caret) continue;
    Editor->BraceHighlight(position, partner);
    return;
  }
  Editor->BraceHighlight(kNoBracket, kNoPartner);
}
