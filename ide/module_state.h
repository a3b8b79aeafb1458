// The state the IDE's modules keep between calls, beside the program's globals (app_globals.h).
// Each piece has its home here and one reset, which the exit clean-up runs, so that a program
// started again in the same process (as the tests start it) begins as the first one did.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "ide/build_answer.h"
#include "linker/build_resource.h"
#include "platform/dynamic_library.h"
#include "platform/file_system.h"
#include "platform/win_types.h"

// The runner of the compiler: BuildResource of liblinker.so, bound at the first build and kept.
// BuildWaiting is set while a build waits in it: the wait dispatches messages, so F5 and the
// compile and link commands can arrive meanwhile, and the runner would answer them with "no
// output", which would run whatever Debug/temp.exe still holds.
struct CompilerRunnerState {
  BuildResourceFunction BoundBuildResource = nullptr;
  bool BuildWaiting = false;
};

// What the separate steps hand on: 连接 links the object of the last 编译 that made one, and 执行
// runs the program of the last 连接 only where F5 would run its own. A 编译 starts afresh: a
// program linked before it is not the new object's.
struct SeparateBuildState {
  std::string CompiledObject;  // the empty text when the last 编译 made none, or before the first
  std::string LinkedProgram;
  std::optional<RunDecision> LastLink;  // nothing when no 连接 came since the last 编译
};

// A plug-in library kept loaded between calls, so that it keeps its own state.
struct KeptPluginLibrary {
  std::string FullPath;
  platform::HMODULE Module = nullptr;
};

// What completion remembers between one key and the next.
struct CompletionTypingState {
  // Set when Enter has accepted an entry from the editor, until the simulated Backspace has
  // taken its line break back: the new line must not be indented first (the Backspace would
  // only eat a blank of the indentation), the Backspace must not bring the list back for the
  // accepted word, and the acceptance with its line break and the Backspace is one step to undo.
  bool AcceptanceAwaitsBackspace = false;
  // The first byte of a double-byte character whose second byte is still to come: the component
  // types the character only once both have come, and the word is read with it whole.
  char PendingLeadByte = 0;
};

constexpr int kFirstHotKeyId = 33001;

// The window that the hot keys are registered on, with its procedure from before, and the ids
// handed out so far. A new window starts afresh: its keys are all that count.
struct HotKeyWindowState {
  platform::HWND window = nullptr;
  platform::WNDPROC previous = nullptr;
  int nextId = kFirstHotKeyId;
  std::vector<int> ids;
};

// The document's file as it was on disk when it was last loaded or saved here: a save asks
// before it replaces a file that another program has changed since.
struct DocumentFileState {
  std::string Path;
  // Nothing when the file was missing.
  std::optional<platform::FileStamp> Stamp;
};

extern CompilerRunnerState CompilerRunner;
extern SeparateBuildState SeparateBuild;
// The oldest load first.
extern std::vector<KeptPluginLibrary> KeptPluginLibraries;
extern CompletionTypingState CompletionTyping;
extern HotKeyWindowState HotKeyWindow;
extern DocumentFileState DocumentFile;
// Set when the user chooses an item of the settings window's type box, cleared when a row is
// shown: 修改 retypes a row only to a type chosen for it.
extern bool SettingsTypeChosen;

// Frees the kept plug-in libraries and gives every piece above its first value.
void ResetModuleState();
