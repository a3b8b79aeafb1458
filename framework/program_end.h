// The three ends of the program, each running the registered exit routine exactly once:
// the normal end once the message loop is over, the program ending itself, and the fatal stop.
#pragma once

#include <functional>
#include <string>

namespace framework {

// Registers the routine and arms it: it runs on the next end, once.
void SetExitRoutine(std::function<void()> routine);

// The normal end: runs programStart (which loads the first window and runs the message loop),
// then the exit routine, and returns programStart's result for main to return.
int RunProgram(const std::function<int()>& programStart);

// The program ends itself: the exit routine runs, then the process ends with the code at once,
// without going back to the message loop.
void EndProgram(int code);

// The fatal stop: a box "运行时出错!" followed by the reason, then the exit routine, then the
// process ends with a non-zero code.
void FatalStop(const std::string& reason);
constexpr int kFatalStopExitCode = 1;

// Test seam: ends the process with the code. EndProgram and FatalStop return to their caller
// only when a replacement returns. An empty function brings the real end back.
using ProcessEnder = std::function<void(int code)>;
void SetProcessEnder(ProcessEnder ender);

}  // namespace framework
