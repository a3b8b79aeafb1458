// The component's own bytes of a range, in one piece and without a copy: a line can be megabytes
// long, and asking for it byte by byte would cost a call per byte.
#pragma once

#include <string_view>

class SciEditor;

// Empty when the editor has no component or the range is empty; valid until the text changes.
std::string_view RangeBytes(SciEditor& editor, int start, int end);
