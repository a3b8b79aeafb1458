// The component's own records, laid out as the component (QScintilla 2.13, Scintilla 3.x on a
// 64-bit platform) reads and writes them: positions of a range are longs, device contexts are
// pointers (a QPainter* here).
#pragma once

#include "platform/win_types.h"

struct Sci_CharacterRange {
  long cpMin = 0;
  long cpMax = 0;
};

struct Sci_TextRange {
  Sci_CharacterRange chrg;
  char* lpstrText = nullptr;
};

struct Sci_TextToFind {
  Sci_CharacterRange chrg;
  const char* lpstrText = nullptr;
  Sci_CharacterRange chrgText;
};

// Four ints, left, top, right and bottom, as the window layer's RECT.
using Sci_Rectangle = platform::RECT;

struct Sci_RangeToFormat {
  void* hdc = nullptr;
  void* hdcTarget = nullptr;
  Sci_Rectangle rc;
  Sci_Rectangle rcPage;
  Sci_CharacterRange chrg;
};
