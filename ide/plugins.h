// Plug-ins: the Edit-menu entries they offer.
#pragma once

// Fills PluginMenuTable from the plug-in folder of BaseDir.
void LoadPluginMenuEntries();
// Runs the entry of PluginMenuTable with that command id; nothing when none has it.
void RunPluginMenuCommand(int commandId);
