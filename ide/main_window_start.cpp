#include "ide/main_window_start.h"

#include "framework/drop_target.h"
#include "framework/label.h"
#include "framework/list_view.h"
#include "framework/program_end.h"
#include "framework/toolbar.h"
#include "ide/app_globals.h"
#include "ide/command_line.h"
#include "ide/compiler_runner.h"
#include "ide/completion_list.h"
#include "ide/documents.h"
#include "ide/editor_setup.h"
#include "ide/hot_keys.h"
#include "ide/main_menu.h"
#include "ide/main_toolbar.h"
#include "ide/main_window.h"
#include "ide/main_window_definition.h"
#include "ide/main_window_layout.h"
#include "ide/output_panel.h"
#include "ide/plugins.h"
#include "ide/search_window.h"
#include "ide/signed_in_name.h"
#include "ide/start_window.h"
#include "ide/web_service.h"
#include "platform/file_system.h"

namespace {

// A file that cannot be read opens as an empty document under its name.
void OpenCommandLineFileOrStartWindow() {
  const std::vector<std::string>& arguments = CommandLineArguments();
  if (arguments.empty()) {
    LoadStartWindow();
  } else {
    // Whole, so that a save goes to this file wherever an Open or Save moves the working
    // directory.
    LoadFileAsDocument(platform::FullPath(arguments.front()));
  }
}

}  // namespace

framework::Form* CreateMainWindow() {
  framework::Form* window = framework::Form::CreateHeld(MainWindow, MainWindowDefinition());
  if (window == nullptr) return nullptr;
  window->OnCreated = OnMainWindowCreated;
  window->OnResized = [](int, int) { OnMainWindowResized(); };
  window->OnQueryClose = OnMainWindowQueryClose;
  window->OnDestroying = OnMainWindowDestroy;
  window->Find<framework::Toolbar>(kMainToolbar)->OnButtonClick = OnMainWindowToolbarButtonClick;
  auto* outputList = window->Find<framework::ListView>(kOutputList);
  outputList->OnClick = [](int) { OnMainWindowOutputListClick(); };
  outputList->OnRightClick = [](int) { OnMainWindowOutputListRightClick(); };
  window->Find<framework::Label>(kHotKeyLabel)->OnFeedback = OnMainWindowHotKeyLabelFeedback;
  window->Find<framework::ListView>(kFindResultsList)->OnDoubleClick = [](int) {
    OnMainWindowFindResultsListDoubleClick();
  };
  auto* dropTarget = window->Find<framework::DropTarget>(kDropTarget);
  dropTarget->OnTextDropped = OnMainWindowDropTargetTextDropped;
  dropTarget->OnFileDropped = OnMainWindowDropTargetFileDropped;
  auto* completionList = window->Find<framework::ListView>(kCompletionList);
  completionList->OnKeyDown = OnMainWindowCompletionListKeyDown;
  completionList->OnItemActivate = OnMainWindowCompletionListItemActivate;
  return window;
}

void OnMainWindowCreated() {
  BaseDir = platform::WorkingDirectory();
  SendUsagePing();
  MarkDocumentChanged();
  SetupEditor();
  // The editor is made after the window's controls; below them, the completion list floats
  // over it and the status bar stays in view.
  Editor->SetZOrder(platform::HWND_BOTTOM);
  ApplyOutputPanelSetting();
  RegisterHotKeys();
  LoadPluginMenuEntries();
  BuildMainMenu();
  MainMenu->RedrawMenuBar();
  OpenCommandLineFileOrStartWindow();
  MainWindow->SetCaption(kMainWindowTitle);
  MainWindow->Find<framework::DropTarget>(kDropTarget)->Register(MainWindow->Handle());
  ShowSignedInName();
}

// The window can go in the middle of a build, whose wait lets the close through.
void OnMainWindowDestroy() { EndWaitingBuild(); }

int OnMainWindowQueryClose() {
  if (IsDocumentSaved()) return 1;
  if (!NewDocument()) return 0;
  EndWaitingBuild();
  framework::EndProgram(0);
  return 0;
}
