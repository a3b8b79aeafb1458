// SearchWindow: find-all. Every hit of the search text in the editor is listed in the main
// window's hit list, and a double-click on a hit selects it in the editor.
#pragma once

#include "framework/form.h"

// The open window; null while there is none.
extern framework::Form* SearchWindow;

// Loads it without an owner and not as a dialog, or brings the open one to the front.
void LoadSearchWindow();

// The most bytes a search box is given from the clipboard.
inline constexpr std::size_t kSearchPrefillBytes = 100;
// The most bytes of a line that a hit's row shows: a list view shows no more of a cell, and a
// very long line with many hits is then not copied whole into every row.
inline constexpr std::size_t kHitLineTextBytes = 256;

void OnSearchWindowCreated();
void OnSearchWindowRegexCheckBoxClick();
void OnSearchWindowFindButtonClick();
void OnSearchWindowCloseButtonClick();
void OnMainWindowFindResultsListDoubleClick();
