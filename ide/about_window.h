// The about window.
#pragma once

// Loads it without an owner and not as a dialog, beside the main window.
void LoadAboutWindow();
// Loads it as a dialog modal to the program's windows; returns once it has closed.
void ShowAboutWindowModal();
