// Syntax/Tips.txt: an INI file with one section per word, named by the word exactly, holding the
// word's call tip (one line) under this key. The dwell shows it; the settings window edits it.
#pragma once

inline constexpr const char* kTipKey = "tip";
