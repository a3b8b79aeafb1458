#include "ide/plugins.h"

#include <algorithm>
#include <vector>

#include "editor/code_page_conversion.h"
#include "ide/app_globals.h"
#include "ide/data_files.h"
#include "ide/plugin_info_text.h"
#include "platform/ansi_text.h"
#include "platform/dynamic_library.h"
#include "platform/file_system.h"

namespace {

// Plug-ins stay loaded between calls, so each keeps its own state; when the list is full the
// oldest load (the first) goes.
struct KeptPluginLibrary {
  std::string FullPath;
  platform::HMODULE Module = nullptr;
};

std::vector<KeptPluginLibrary> KeptPluginLibraries;

constexpr std::size_t kMaxKeptPluginLibraries = 20;

platform::HMODULE FindKeptLibrary(const std::string& fullPath) {
  const auto kept = std::find_if(KeptPluginLibraries.rbegin(), KeptPluginLibraries.rend(), [&](const KeptPluginLibrary& library) {
    return platform::AnsiEqualsIgnoringCase(library.FullPath, fullPath);
  });
  return kept == KeptPluginLibraries.rend() ? nullptr : kept->Module;
}

void EvictOldestIfFull() {
  if (KeptPluginLibraries.size() < kMaxKeptPluginLibraries) return;
  platform::FreeLibrary(KeptPluginLibraries.front().Module);
  KeptPluginLibraries.erase(KeptPluginLibraries.begin());
}

// Why the export of the file cannot be had, read right after the failed call. The loader names
// the file it was given first; whoever shows the reason names the file itself.
PluginExport<void*> Unbound(PluginBindFailure::What what, const std::string& fullPath) {
  const std::string reason = platform::LastLibraryError();
  const std::string named = platform::ResolveFileName(fullPath) + ": ";
  return {nullptr, PluginBindFailure{what, reason.starts_with(named) ? reason.substr(named.size()) : reason}};
}

// A text a plug-in returns stays the plug-in's: copied at once, null read as the empty text.
template <class Function, class... Arguments>
PluginTextCall CallTextExport(const std::string& dllPath, const std::string& exportName, Arguments... arguments) {
  const auto bound = BindPluginExport<Function>(dllPath, exportName);
  if (!bound.function) return {std::nullopt, bound.failure};
  const char* text = bound.function(arguments...);
  return {std::string(text ? text : ""), std::nullopt};
}

}  // namespace

PluginExport<void*> BindPluginExportAddress(const std::string& dllPath, const std::string& exportName) {
  // An empty name would reach no export on Windows either; nothing may be called for it.
  if (exportName.empty()) return {nullptr, PluginBindFailure{PluginBindFailure::What::ExportMissing, "没有给出输出函数的名字"}};
  const std::string fullPath = platform::FullPath(dllPath);
  platform::HMODULE module = FindKeptLibrary(fullPath);
  const bool loadedNow = module == nullptr;
  if (loadedNow) {
    EvictOldestIfFull();
    module = platform::LoadLibraryA(platform::ResolveFileName(fullPath).c_str());
    if (!module) return Unbound(PluginBindFailure::What::FileNotLoaded, fullPath);
  }
  const platform::FARPROC function = platform::GetProcAddress(module, exportName.c_str());
  if (!function) {
    PluginExport<void*> unbound = Unbound(PluginBindFailure::What::ExportMissing, fullPath);
    if (loadedNow) platform::FreeLibrary(module);
    return unbound;
  }
  if (loadedNow) KeptPluginLibraries.push_back({fullPath, module});
  return {reinterpret_cast<void*>(function), std::nullopt};
}

PluginTextCall CallPluginTextExportWithReason(const std::string& dllPath, const std::string& exportName) {
  return CallTextExport<const char* (*)()>(dllPath, exportName);
}

std::optional<std::string> CallPluginTextExport(const std::string& dllPath, const std::string& exportName) {
  return CallPluginTextExportWithReason(dllPath, exportName).text;
}

std::optional<std::string> CallPluginTextExport(const std::string& dllPath, const std::string& exportName,
                                                const std::string& argument) {
  return CallTextExport<const char* (*)(const char*)>(dllPath, exportName, argument.c_str()).text;
}

bool CallPluginProcedure(const std::string& dllPath, const std::string& exportName) {
  const auto procedure = BindPluginExport<void (*)()>(dllPath, exportName);
  if (!procedure.function) return false;
  procedure.function();
  return true;
}

void LoadPluginMenuEntries() {
  for (const std::string& file : platform::FindFiles(DataPath(data_file::MenuPluginFolder, "*.so"))) {
    const std::optional<std::string> infoText =
        CallPluginTextExport(DataPath(data_file::MenuPluginFolder, file), "PluginIn");
    if (!infoText) continue;
    const std::optional<PluginInfo> info = ParsePluginInfoText(*infoText);
    if (!info) continue;
    for (PluginMenuEntry& entry : PluginMenuEntriesOf(info->MenuList, file)) PluginMenuTable.push_back(std::move(entry));
  }
}

// The result goes in at the caret, beside the selection it was made from.
void RunPluginMenuCommand(int commandId) {
  const std::string selection = Utf8ToAnsi(Editor->GetSelText());
  const auto entry = std::find_if(PluginMenuTable.begin(), PluginMenuTable.end(),
                                  [&](const PluginMenuEntry& candidate) { return candidate.CommandId == commandId; });
  if (entry == PluginMenuTable.end()) return;
  const std::optional<std::string> result =
      CallPluginTextExport(DataPath(data_file::MenuPluginFolder, entry->DllFile), entry->FunctionName, selection);
  if (!result || result->empty()) return;
  Editor->InsertText(*result);
}

void FreeKeptPluginLibraries() {
  for (const KeptPluginLibrary& library : KeptPluginLibraries) platform::FreeLibrary(library.Module);
  KeptPluginLibraries = {};
}
