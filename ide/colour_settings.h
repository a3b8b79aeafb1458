// The colour keys of default.txt, one row each: what the editor sets from the colour at start-up
// and the picker of the settings window that edits it.
#pragma once

#include <initializer_list>
#include <span>

#include "framework/window_definition.h"
#include "ide/data_files.h"
#include "ide/default_txt.h"

// What the editor sets from a colour; the two style uses name the styles they colour. The
// background of the default style reaches every style that has no background of its own.
enum class EditorColour { CaretLineBack, StyleFore, StyleBack };

struct ColourSetting {
  const char* key;
  const char* missing;  // the text the editor reads for a missing key
  DataRoot folder;  // whose default.txt the editor reads it from
  EditorColour use;
  std::initializer_list<int> styles;
  const char* picker;
  const char* label;  // the label beside the picker, with its caption and width
  const char* caption;
  int labelWidth;
  framework::Geometry geometry;  // the picker's, on the colour page
  int loadPosition;              // the settings window loads the pickers in this order, 0 first
  void (*onChanged)();           // the picker's handler
};

// In their order on the colour page.
std::span<const ColourSetting> ColourSettings();
