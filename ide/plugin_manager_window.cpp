// Placeholder until the plug-in manager exists: nothing opens.
#include "ide/plugin_manager_window.h"

void LoadPluginManagerWindow() {}
