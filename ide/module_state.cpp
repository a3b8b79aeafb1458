#include "ide/module_state.h"

#include "ide/build_run.h"
#include "ide/compiler_runner.h"
#include "ide/completion_list.h"
#include "ide/documents.h"
#include "ide/hot_keys.h"
#include "ide/plugins.h"
#include "ide/settings_window.h"

void ResetModuleState() {
  ResetCompilerRunner();
  ResetSeparateBuild();
  FreeKeptPluginLibraries();
  ResetCompletionTyping();
  ResetHotKeyWindow();
  ResetDocumentFile();
  ResetSettingsWindowState();
}
