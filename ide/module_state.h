// The state that the IDE's modules keep between calls lives in each module, behind a reset of
// its own. This is the one list of those resets, which the start and the exit clean-up run, so
// that a program started again in the same process (as the tests start it) begins as the first
// one did.
#pragma once

#include <vector>

#include "platform/win_types.h"

constexpr int kFirstHotKeyId = 33001;

// The window that the hot keys are registered on, with its procedure from before, and the ids
// handed out so far. A new window starts afresh: its keys are all that count.
struct HotKeyWindowState {
  platform::HWND window = nullptr;
  platform::WNDPROC previous = nullptr;
  int nextId = kFirstHotKeyId;
  std::vector<int> ids;
};

extern HotKeyWindowState HotKeyWindow;

// Frees the kept plug-in libraries and gives every module's state its first value.
void ResetModuleState();
