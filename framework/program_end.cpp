#include "framework/program_end.h"

#include <cstdio>
#include <cstdlib>
#include <utility>

#include "framework/message_box.h"

namespace framework {

namespace {

struct ExitState {
  std::function<void()> routine;
  bool armed = false;
  ProcessEnder ender;
};

ExitState& State() {
  static ExitState state;
  return state;
}

void RunExitRoutineOnce() {
  ExitState& state = State();
  if (!state.armed) return;
  state.armed = false;  // before the call, so an end reached from inside the routine skips it
  if (state.routine) state.routine();
}

// Nothing of the program may run after its clean-up: no destructor of a window or of Qt.
void EndProcess(int code) {
  if (State().ender) {
    State().ender(code);
    return;
  }
  std::fflush(nullptr);
  std::_Exit(code);
}

}  // namespace

void SetExitRoutine(std::function<void()> routine) {
  State().routine = std::move(routine);
  State().armed = true;
}

int RunProgram(const std::function<int()>& programStart) {
  const int code = programStart();
  RunExitRoutineOnce();
  return code;
}

void EndProgram(int code) {
  RunExitRoutineOnce();
  EndProcess(code);
}

void FatalStop(const std::string& reason) {
  MessageBox("运行时出错!\n" + reason, std::string(), MB_ICONERROR);
  RunExitRoutineOnce();
  EndProcess(kFatalStopExitCode);
}

void SetProcessEnder(ProcessEnder ender) { State().ender = std::move(ender); }

}  // namespace framework
