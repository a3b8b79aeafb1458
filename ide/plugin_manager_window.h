// The window that lists the plug-ins and opens their own settings.
#pragma once

// Loads it without an owner and not as a dialog.
void LoadPluginManagerWindow();
