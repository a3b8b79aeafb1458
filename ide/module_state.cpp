#include "ide/module_state.h"

CompilerRunnerState CompilerRunner;
SeparateBuildState SeparateBuild;
std::vector<KeptPluginLibrary> KeptPluginLibraries;
CompletionTypingState CompletionTyping;
HotKeyWindowState HotKeyWindow;
DocumentFileState DocumentFile;
bool SettingsTypeChosen = false;

void ResetModuleState() {
  CompilerRunner = {};
  SeparateBuild = {};
  for (const KeptPluginLibrary& library : KeptPluginLibraries) platform::FreeLibrary(library.Module);
  KeptPluginLibraries = {};
  CompletionTyping = {};
  HotKeyWindow = {};
  DocumentFile = {};
  SettingsTypeChosen = false;
}
