#include "ide/plugins.h"

#include <algorithm>
#include <vector>

#include "editor/code_page_conversion.h"
#include "ide/app_globals.h"
#include "ide/data_files.h"
#include "ide/module_state.h"
#include "ide/plugin_info_text.h"
#include "platform/ansi_text.h"
#include "platform/dynamic_library.h"
#include "platform/file_system.h"

namespace {

// Plug-ins stay loaded between calls, so each keeps its own state; the oldest load goes first.
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

}  // namespace

void* BindPluginExportAddress(const std::string& dllPath, const std::string& exportName) {
  // An empty name would reach no export on Windows either; nothing may be called for it.
  if (exportName.empty()) return nullptr;
  const std::string fullPath = platform::FullPath(dllPath);
  platform::HMODULE module = FindKeptLibrary(fullPath);
  const bool loadedNow = module == nullptr;
  if (loadedNow) {
    EvictOldestIfFull();
    module = platform::LoadLibraryA(platform::ResolveFileName(fullPath).c_str());
    if (!module) return nullptr;
  }
  const platform::FARPROC function = platform::GetProcAddress(module, exportName.c_str());
  if (!function) {
    if (loadedNow) platform::FreeLibrary(module);
    return nullptr;
  }
  if (loadedNow) KeptPluginLibraries.push_back({fullPath, module});
  return reinterpret_cast<void*>(function);
}

std::optional<std::string> CallPluginTextExport(const std::string& dllPath, const std::string& exportName) {
  const auto function = BindPluginExport<const char* (*)()>(dllPath, exportName);
  if (!function) return std::nullopt;
  const char* text = function();
  return std::string(text ? text : "");
}

std::optional<std::string> CallPluginTextExport(const std::string& dllPath, const std::string& exportName,
                                                const std::string& argument) {
  const auto function = BindPluginExport<const char* (*)(const char*)>(dllPath, exportName);
  if (!function) return std::nullopt;
  const char* text = function(argument.c_str());
  return std::string(text ? text : "");
}

bool CallPluginProcedure(const std::string& dllPath, const std::string& exportName) {
  const auto function = BindPluginExport<void (*)()>(dllPath, exportName);
  if (!function) return false;
  function();
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
