// The find-all window.
#pragma once

// Loads it without an owner and not as a dialog.
void LoadSearchWindow();
