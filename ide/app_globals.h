// The global state of the IDE: every part of the application reads and writes these by name.
// All of them start empty; InitAppGlobals gives the objects and arrays their values, and the
// exit clean-up OnProgramExit frees everything once, the modules' own state (module_state.h) too.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "editor/sci_editor.h"
#include "ide/plugin_menu_entry.h"
#include "ide/window_menu.h"
#include "platform/win_types.h"

// The last find-all text in UTF-8, held as the converted text and a copy of it.
struct SearchTextPair {
  std::string Converted;
  std::string Copy;
};

extern std::unique_ptr<SciEditor> Editor;
extern int CompletionAnchorPos;
extern std::string CompletionPrefix;
// CompletionPrefix's length in the editor's UTF-8 text: what an accepted entry replaces.
extern int CompletionPrefixLength;
// 1 when the editor holds what was last loaded or saved and nothing was typed since.
extern int IsSaved;
// 1 when the output panel is shown; any other value means hidden.
extern int OutputPanelVisible;
// The working directory taken when the main window was created, without a trailing '/'.
extern std::string BaseDir;
// The document's file; empty for an untitled document.
extern std::string CurrentFilePath;
extern std::string LastBuiltSource;
extern SearchTextPair SearchTextUtf8;
extern std::string SearchText;
extern int SearchFlags;
extern int HotKeyIdComment;
extern int HotKeyIdCompileRun;
extern int HotKeyIdSave;
extern int HotKeyIdSearch;
extern int HotKeyIdPrevBookmark;
extern int HotKeyIdNextBookmark;
extern std::vector<PluginMenuEntry> PluginMenuTable;
// The menu bar of MainWindow.
extern std::unique_ptr<WindowMenu> MainMenu;
// Lines of abbreviation + "★" + word + CR LF.
extern std::string CompletionIndex;
// CompletionIndex in the form the completion search reads (UTF-16), made together with it.
extern std::u16string CompletionIndexWide;
// The popups of the menu bar: File, Edit, Compile, View, Help.
extern std::vector<platform::HMENU> MenuHandles;
extern std::vector<std::string> RecentPaths;

void InitAppGlobals();
// The exit clean-up: destroys both objects and frees every text and array.
void OnProgramExit();
