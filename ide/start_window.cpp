#include "ide/start_window.h"

#include "framework/label.h"
#include "framework/list_box.h"
#include "framework/message_box.h"
#include "ide/app_globals.h"
#include "ide/data_files.h"
#include "ide/documents.h"
#include "ide/main_window.h"
#include "ide/recent_files.h"
#include "ide/start_window_definition.h"
#include "ide/text_file.h"
#include "platform/file_system.h"

framework::Form* StartWindow = nullptr;

namespace {

framework::ListBox* List(const char* name) { return StartWindow->Find<framework::ListBox>(name); }

void BindLabel(const char* name, void (*handler)()) {
  StartWindow->Find<framework::Label>(name)->OnDoubleClick = handler;
}

void BindList(const char* name, void (*handler)()) {
  List(name)->OnDoubleClick = [handler](int) { handler(); };
}

// The editor lives in the main window; once that has been closed there is nothing left to put
// a document into, and the start window goes too.
bool CloseWhenTheEditorIsGone() {
  if (MainWindow != nullptr) return false;
  StartWindow->Close();
  return true;
}

// Text in the editor is asked about (when unsaved) and removed; an empty editor is left alone.
// False when the user chose to save and the save failed.
bool EmptyTheEditor() {
  if (Editor->GetLength() == 0) return true;
  if (!NewDocument()) return false;
  Editor->ClearAll();
  return true;
}

}  // namespace

void LoadStartWindow() {
  if (framework::Form::CreateHeld(StartWindow, StartWindowDefinition()) == nullptr) return;
  StartWindow->OnCreated = OnStartWindowCreated;
  // However it closes, the keyboard goes back to the editor.
  StartWindow->OnDestroying = [] {
    if (MainWindow != nullptr) GiveTheEditorTheKeyboard();
  };
  BindLabel(kNewLabel, OnStartWindowNewLabelDoubleClick);
  BindLabel(kOpenLabel, OnStartWindowOpenLabelDoubleClick);
  BindLabel(kClearLabel, OnStartWindowClearLabelDoubleClick);
  BindList(kRecentList, OnStartWindowRecentListDoubleClick);
  BindList(kExampleList, OnStartWindowExampleListDoubleClick);
  StartWindow->Load();
}

// An example whose name the code page cannot hold is left out and named in a message.
void FillExampleList() {
  framework::ListBox* list = List(kExampleList);
  std::vector<std::string> refused;
  for (const std::string& name : platform::FindFiles(DataPath(data_file::ExampleFolder, "*.c"), &refused)) list->AddRow(name);
  for (const std::string& nativePath : refused) framework::ShowPathCannotBeUsed(nativePath);
}

int FillRecentList() {
  RecentPaths = SplitRecentEntries(ReadTextFile(DataPath(data_file::RecentListed)));
  framework::ListBox* list = List(kRecentList);
  for (const std::string& path : RecentPaths) list->AddRow(RecentFileName(path));
  return static_cast<int>(RecentPaths.size());
}

void OnStartWindowCreated() {
  FillExampleList();
  FillRecentList();
}

// As the menu's New: unsaved text is asked about first; a save that the user asked for and
// that failed keeps the text and the window.
void OnStartWindowNewLabelDoubleClick() {
  if (CloseWhenTheEditorIsGone() || !NewDocument()) return;
  StartWindow->Close();
}

// Closes even when the Open dialog was cancelled.
void OnStartWindowOpenLabelDoubleClick() {
  if (CloseWhenTheEditorIsGone()) return;
  OpenDocument();
  StartWindow->Close();
}

void OnStartWindowClearLabelDoubleClick() {
  platform::WriteWholeFile(DataPath(data_file::RecentListed), std::string());
  List(kRecentList)->Clear();
}

// Nothing is added to the recent list.
void OnStartWindowRecentListDoubleClick() {
  if (CloseWhenTheEditorIsGone() || !EmptyTheEditor()) return;
  const int row = List(kRecentList)->SelectedRow();
  if (row < 0 || static_cast<std::size_t>(row) >= RecentPaths.size()) return;
  LoadFileAsDocument(RecentPaths[static_cast<std::size_t>(row)]);
  StartWindow->Close();
}

// The example opens from the folder the list was filled from, and joins the recent list that
// Open adds to: an Open or Save in another folder, which moves the working directory, changes
// neither.
void OnStartWindowExampleListDoubleClick() {
  if (CloseWhenTheEditorIsGone() || !EmptyTheEditor()) return;
  framework::ListBox* list = List(kExampleList);
  const int row = list->SelectedRow();
  if (row < 0) return;
  const std::string path = DataPath(data_file::ExampleFolder, list->RowText(row));
  LoadFileAsDocument(path);
  AddRecentFile(path);
  StartWindow->Close();
}
