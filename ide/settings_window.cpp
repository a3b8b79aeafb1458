// Placeholder until the settings window exists: nothing opens.
#include "ide/settings_window.h"

void LoadSettingsWindow() {}
