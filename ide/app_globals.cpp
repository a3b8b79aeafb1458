#include "ide/app_globals.h"

#include "ide/module_state.h"

std::unique_ptr<SciEditor> Editor;
int CompletionAnchorPos = 0;
std::string CompletionPrefix;
int CompletionPrefixLength = 0;
int IsSaved = 0;
int OutputPanelVisible = 0;
std::string BaseDir;
std::string CurrentFilePath;
std::string LastBuiltSource;
SearchTextPair SearchTextUtf8;
std::string SearchText;
int SearchFlags = 0;
int HotKeyIdComment = 0;
int HotKeyIdCompileRun = 0;
int HotKeyIdSave = 0;
int HotKeyIdSearch = 0;
int HotKeyIdPrevBookmark = 0;
int HotKeyIdNextBookmark = 0;
std::vector<PluginMenuEntry> PluginMenuTable;
std::unique_ptr<WindowMenu> MainMenu;
std::string CompletionIndex;
std::u16string CompletionIndexWide;
std::vector<platform::HMENU> MenuHandles;
std::vector<std::string> RecentPaths;

namespace {

// Gives the memory back, which clear() would keep.
template <class Value>
void Free(Value& value) {
  Value().swap(value);
}

}  // namespace

void InitAppGlobals() {
  // Constructing the editor makes the editing component available.
  Editor = std::make_unique<SciEditor>();
  Free(PluginMenuTable);
  MainMenu = std::make_unique<WindowMenu>();
  Free(MenuHandles);
  Free(RecentPaths);
  ResetModuleState();
}

// The editor's windows may outlive the object here (the program ending itself); its destructor
// gives them their own procedures back, so no message reaches it afterwards.
void OnProgramExit() {
  Editor.reset();
  for (std::string* text : {&CompletionPrefix, &BaseDir, &CurrentFilePath, &LastBuiltSource, &SearchTextUtf8.Converted,
                            &SearchTextUtf8.Copy, &SearchText}) {
    Free(*text);
  }
  Free(PluginMenuTable);
  if (MainMenu) MainMenu->DestroyWindowMenu();
  MainMenu.reset();
  Free(CompletionIndex);
  Free(CompletionIndexWide);
  Free(MenuHandles);
  Free(RecentPaths);
  ResetModuleState();
}
