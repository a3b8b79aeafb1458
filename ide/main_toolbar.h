// The buttons of the main window's toolbar 工具条1.
#pragma once

// The toolbar's click event, with the button's index from 0; separators do nothing.
void OnMainWindowToolbarButtonClick(int index);
