// Plug-ins: binding their exports, and the Edit-menu entries they offer.
#pragma once

#include <optional>
#include <string>

// Loads or reuses the plug-in file and resolves the export; null when the file or the export
// cannot be had.
void* BindPluginExportAddress(const std::string& dllPath, const std::string& exportName);
// The same, as the function type the caller knows the export to have.
template <class Function>
Function BindPluginExport(const std::string& dllPath, const std::string& exportName) {
  return reinterpret_cast<Function>(BindPluginExportAddress(dllPath, exportName));
}

// Binds the export and calls it as one that returns a text (copied at once; null reads as the
// empty text), with no argument or with one text; nothing when it cannot be bound.
std::optional<std::string> CallPluginTextExport(const std::string& dllPath, const std::string& exportName);
std::optional<std::string> CallPluginTextExport(const std::string& dllPath, const std::string& exportName,
                                                const std::string& argument);
// Binds the export and calls it as one that takes and returns nothing; false when unbound.
bool CallPluginProcedure(const std::string& dllPath, const std::string& exportName);

// Fills PluginMenuTable from the plug-in folder of BaseDir.
void LoadPluginMenuEntries();
// Runs the entry of PluginMenuTable with that command id; nothing when none has it.
void RunPluginMenuCommand(int commandId);
