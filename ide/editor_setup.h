// The editor's set-up: created in MainWindow and given its code page, lexer, font, colours,
// keyword sets, margins, bookmark marker and event handlers; then the completion index.
// Runs once, after BaseDir has been taken.
#pragma once

// The editor's margins: the bookmarks' at the left, then the line numbers'.
inline constexpr int kBookmarkMargin = 0;
inline constexpr int kLineNumberMargin = 1;

void SetupEditor();
