#include "ide/main_toolbar.h"

#include "ide/about_window.h"
#include "ide/build_run.h"
#include "ide/documents.h"
#include "ide/login_window.h"
#include "ide/main_window_definition.h"
#include "ide/output_panel.h"
#include "ide/plugin_manager_window.h"
#include "ide/search_window.h"
#include "ide/settings_window.h"

void OnMainWindowToolbarButtonClick(int index) {
  switch (index) {
    case kLoginButton: LoadLoginWindow(); break;
    case kNewButton: NewDocument(); break;
    case kOpenButton: OpenAfterAskingToSave(); break;
    case kSaveButton: SaveDocument(); break;
    case kDebugButton: CompileAndRun(); break;
    case kSearchButton: LoadSearchWindow(); break;
    case kOutputPanelButton: ToggleOutputPanel(); break;
    case kPluginManagerButton: LoadPluginManagerWindow(); break;
    case kSettingsButton: LoadSettingsWindow(); break;
    case kAboutButton: LoadAboutWindow(); break;
    default: break;
  }
}
