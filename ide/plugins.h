// Plug-ins: binding their exports, and the Edit-menu entries they offer.
#pragma once

#include <string>

// Loads or reuses the plug-in file and resolves the export, which becomes the target of the
// plug-in call made next; false when the file or the export cannot be had.
bool BindPluginExport(const std::string& dllPath, const std::string& exportName);
// The export of the last successful BindPluginExport, to be cast to the export's signature.
void* BoundPluginExport();

// Fills PluginMenuTable from the plug-in folder of BaseDir.
void LoadPluginMenuEntries();
// Runs the entry of PluginMenuTable with that command id; nothing when none has it.
void RunPluginMenuCommand(int commandId);
