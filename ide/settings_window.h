// The settings window: colours, font and word lists.
#pragma once

// Loads it without an owner and not as a dialog.
void LoadSettingsWindow();
