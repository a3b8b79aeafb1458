// Dispatching the calling thread's window messages while it waits for something else.
#pragma once

#include "platform/win_types.h"

namespace platform {

// Dispatches the events already pending for the calling thread, then returns: the loop of
// PeekMessage, TranslateMessage and DispatchMessage that stops at WM_QUIT. A quit request
// (QCoreApplication::quit or exit) made by a handler meanwhile is not consumed; it ends the
// caller's own event loop once control gets back there.
void DispatchPendingMessages();

// Blocks until the pipe has data, the process has ended, an event for the calling thread has
// arrived (it is dispatched as above), or the given time has passed, whichever comes first.
// Returns at once when the pipe already has data or the process has already ended. A broken
// pipe wakes nothing, so the wait goes on for the process. Either handle may be null. False
// when the time ran out with nothing else to report.
bool WaitForPipeProcessOrMessage(HANDLE pipe, HANDLE process, UINT milliseconds);

// Blocks until the process has ended, keeping the program's windows alive without letting them
// act: they repaint and answer the window manager (which would otherwise offer to kill a
// program that seems hung), but keyboard, mouse, drops and close requests are thrown away and
// posted messages wait until the process has ended (PostedMessageHold).
void WaitForProcessEndWithoutInput(HANDLE process);

}  // namespace platform
