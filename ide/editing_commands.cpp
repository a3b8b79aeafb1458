#include "ide/editing_commands.h"

#include "editor/scintilla_messages.h"
#include "ide/app_globals.h"

namespace {

constexpr const char* kLineComment = "//";

// InsertText takes a position of 0 for the caret's, so the document's start needs the
// message itself; the comment is plain ASCII and needs no conversion.
void InsertAtLineStart(int lineStart, const char* text) {
  if (lineStart > 0) {
    Editor->InsertText(text, lineStart);
    return;
  }
  Editor->DirectCall(scintilla::SCI_INSERTTEXT, 0, reinterpret_cast<platform::LPARAM>(text));
}

void GotoFoundLine(int line) {
  if (line != -1) Editor->GotoLine(line);
}

}  // namespace

void CommentCurrentLine() {
  InsertAtLineStart(Editor->PositionFromLine(Editor->GetCurrentLine()), kLineComment);
}

void AddBookmark() { Editor->MarkerAdd(Editor->GetCurrentLine(), kBookmarkMarker); }

void DeleteBookmark() { Editor->MarkerDelete(Editor->GetCurrentLine(), kBookmarkMarker); }

void GotoPreviousBookmark() {
  const int lineCount = Editor->GetLineCount();
  int start = Editor->GetCurrentLine() - 1;
  if (start < 1) start = lineCount;
  int found = Editor->MarkerPrevious(start, kBookmarkMask);
  if (found == -1) found = Editor->MarkerPrevious(lineCount, kBookmarkMask);
  GotoFoundLine(found);
}

void GotoNextBookmark() {
  int found = Editor->MarkerNext(Editor->GetCurrentLine() + 1, kBookmarkMask);
  if (found == -1) found = Editor->MarkerNext(0, kBookmarkMask);
  GotoFoundLine(found);
}
