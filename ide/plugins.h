// Plug-ins: the Edit-menu entries they offer.
#pragma once

// Fills PluginMenuTable from the plug-in folder of BaseDir.
void LoadPluginMenuEntries();
