// The editor's view handlers: status bar, line-number margin, brackets, bookmarks and the Edit
// menu on a right click. Each returns 0, so no key or mouse message is swallowed.
#pragma once

// Hides the completion list when the caret has left the typed word's line, fits the line-number
// margin to the line count, highlights the enclosing bracket and shows the caret's line and
// column and the text length in the status bar.
int OnEditorUpdateUi();
// A click in the bookmark margin toggles the bookmark of the line; other margins do nothing.
int OnEditorMarginClick(int margin, int position);
// Hides the completion list and highlights the enclosing bracket.
int OnEditorLeftButtonUp();
// Pops up the Edit menu at the mouse pointer.
int OnEditorRightButtonUp();
int OnEditorKeyUp();
