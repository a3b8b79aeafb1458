// Highlights the opening parenthesis or brace, on the caret's line, that encloses the caret,
// together with its partner; the two kinds of bracket are not told apart.
#pragma once

void HighlightEnclosingBracket();
