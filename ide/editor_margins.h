// The editor's margins: the bookmarks' at the left, then the line numbers'.
#pragma once

inline constexpr int kBookmarkMargin = 0;
inline constexpr int kLineNumberMargin = 1;
