// Running a message through a window's procedure chain. Every message in flight has its own
// nesting level, so a procedure may send messages (to its own window too) while it handles one.
// DefWindowProcA marks the level of the message it is called for as passed on: a message that
// a Qt event became goes back to Qt's own handling only then.
#pragma once

#include "platform/win_types.h"

namespace platform {

struct ChainResult {
  LRESULT result = 0;
  bool passedOn = false;   // the chain ended in the class procedure for this very message
  bool delivered = false;  // the window existed and its procedure ran
};

ChainResult RunProcedureChain(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace platform
