// Plug-ins: binding their exports, and the Edit-menu entries they offer.
#pragma once

#include <optional>
#include <string>

// Why an export of a plug-in file could not be had: the file could not be loaded (what a file
// that is no shared object, or one that needs a library that is missing, comes to), or it loaded
// without the export. The reason is the loader's own, without the file's path in front.
struct PluginBindFailure {
  enum class What { FileNotLoaded, ExportMissing };
  What what;
  std::string reason;
};

// An export bound as the function type the caller knows it to have, or why it could not be.
template <class Function>
struct PluginExport {
  Function function = nullptr;
  std::optional<PluginBindFailure> failure;  // set exactly when there is no function
};

// Loads or reuses the plug-in file and resolves the export.
PluginExport<void*> BindPluginExportAddress(const std::string& dllPath, const std::string& exportName);
template <class Function>
PluginExport<Function> BindPluginExport(const std::string& dllPath, const std::string& exportName) {
  PluginExport<void*> bound = BindPluginExportAddress(dllPath, exportName);
  return {reinterpret_cast<Function>(bound.function), std::move(bound.failure)};
}

// Binds the export and calls it as one that returns a text (copied at once; null reads as the
// empty text), with no argument or with one text; nothing when it cannot be bound.
std::optional<std::string> CallPluginTextExport(const std::string& dllPath, const std::string& exportName);
std::optional<std::string> CallPluginTextExport(const std::string& dllPath, const std::string& exportName,
                                                const std::string& argument);
// The same without an argument, with the reason when the export cannot be bound.
struct PluginTextCall {
  std::optional<std::string> text;
  std::optional<PluginBindFailure> failure;
};
PluginTextCall CallPluginTextExportWithReason(const std::string& dllPath, const std::string& exportName);
// Binds the export and calls it as one that takes and returns nothing; false when unbound.
bool CallPluginProcedure(const std::string& dllPath, const std::string& exportName);

// Fills PluginMenuTable from the plug-in folder of BaseDir.
void LoadPluginMenuEntries();
// Runs the entry of PluginMenuTable with that command id; nothing when none has it.
void RunPluginMenuCommand(int commandId);

// Frees the plug-in libraries kept loaded between calls.
void FreeKeptPluginLibraries();
