// The start window with the examples and the recent files.
#pragma once

// Loads it without an owner and not as a dialog, beside the main window.
void LoadStartWindow();
