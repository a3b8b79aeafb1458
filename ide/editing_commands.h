// The Edit menu's commands on the editor's text and its bookmarks (marker 1, which the error
// marks of a build share).
#pragma once

// The bookmark marker, and the marker mask of it alone.
inline constexpr int kBookmarkMarker = 1;
inline constexpr int kBookmarkMask = 1 << kBookmarkMarker;

// Inserts "//" at column 0 of the caret's line, in front of any indentation.
void CommentCurrentLine();
void AddBookmark();
void DeleteBookmark();
// Goes to the nearest bookmark above the caret's line; from line 0 or 1 the search starts at
// the end, and it wraps to the last bookmark when there is none above.
void GotoPreviousBookmark();
// Goes to the nearest bookmark below the caret's line, wrapping to the first one.
void GotoNextBookmark();
